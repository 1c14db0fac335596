#include "tests/support/romimage.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

std::vector<std::uint8_t> TestImage::random(std::uint32_t seed, std::size_t size)
{
    std::mt19937 generator(seed);
    std::vector<std::uint8_t> image(size);
    std::generate(image.begin(), image.end(), [&] { return std::uint8_t(generator()); });
    return image;
}

std::vector<std::uint8_t> TestImage::pattern(std::size_t size)
{
    std::vector<std::uint8_t> image(size);
    for (std::size_t i = 0; i < size; ++i)
        image[i] = std::uint8_t(i * 7 + 3);
    return image;
}

TempRom::TempRom(const std::vector<std::uint8_t> &bytes, const std::filesystem::path &name)
{
    static std::atomic<unsigned> counter{0};
    m_folder = std::filesystem::temp_directory_path() /
               ("velmora-test-" + std::to_string(std::random_device()()) + "-" +
                std::to_string(++counter));
    std::filesystem::create_directories(m_folder);
    m_path = m_folder / name;
    poke(0, bytes, std::ios::out);
}

TempRom::~TempRom()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

std::vector<std::uint8_t> TempRom::bytes() const
{
    std::ifstream in(m_path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void TempRom::poke(std::uint64_t offset, const std::vector<std::uint8_t> &bytes,
                   std::ios::openmode mode) const
{
    std::fstream file(m_path, std::ios::binary | std::ios::out | mode);
    file.seekp(std::streamoff(offset));
    if (!file.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size())))
        throw std::runtime_error("cannot write " + m_path.string());
}
