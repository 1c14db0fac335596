#include "tests/support/romimage.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace TestImage {

std::vector<std::uint8_t> random(std::uint32_t seed, std::size_t size)
{
    std::mt19937 generator(seed);
    std::vector<std::uint8_t> image(size);
    for (auto &byte : image)
        byte = std::uint8_t(generator() & 0xFF);
    return image;
}

std::vector<std::uint8_t> pattern(std::size_t size)
{
    std::vector<std::uint8_t> image(size);
    for (std::size_t i = 0; i < size; ++i)
        image[i] = std::uint8_t((i * 7 + 3) & 0xFF);
    return image;
}

void put(std::vector<std::uint8_t> &image, std::uint64_t offset,
         const std::vector<std::uint8_t> &bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        image.at(offset + i) = bytes[i];
}

} // namespace TestImage

TempRom::TempRom(const std::vector<std::uint8_t> &bytes, const std::filesystem::path &name)
{
    static std::atomic<unsigned> counter{0};
    std::random_device entropy;
    m_folder = std::filesystem::temp_directory_path() /
               ("velmora-test-" + std::to_string(entropy()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(m_folder);
    m_path = m_folder / name;
    std::ofstream out(m_path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + m_path.string());
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

void TempRom::poke(std::uint64_t offset, const std::vector<std::uint8_t> &bytes) const
{
    std::fstream file(m_path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(std::streamoff(offset));
    file.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}
