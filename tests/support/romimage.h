#pragma once

#include "core/recordtable.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <vector>

// ROM images for tests: made in memory, written to a file of their own.
namespace TestImage {

// Every byte from a seeded generator, so a run can be repeated.
inline std::vector<std::uint8_t> random(std::uint32_t seed, std::size_t size = velmoraImageSize)
{
    std::mt19937 generator(seed);
    std::vector<std::uint8_t> image(size);
    std::generate(image.begin(), image.end(), [&] { return std::uint8_t(generator()); });
    return image;
}
// Byte i holds (i * 7 + 3) & 0xFF: a known pattern that differs between neighbours.
inline std::vector<std::uint8_t> pattern(std::size_t size = velmoraImageSize)
{
    std::vector<std::uint8_t> image(size);
    for (std::size_t i = 0; i < size; ++i)
        image[i] = std::uint8_t(i * 7 + 3);
    return image;
}
inline void put(std::vector<std::uint8_t> &image, std::uint64_t offset,
                const std::vector<std::uint8_t> &bytes)
{
    std::copy(bytes.begin(), bytes.end(), image.begin() + std::ptrdiff_t(offset));
}

} // namespace TestImage

// A file in a fresh temporary folder, removed with the object.
class TempRom
{
public:
    explicit TempRom(const std::vector<std::uint8_t> &bytes,
                     const std::filesystem::path &name = "rom.gba")
    {
        static std::atomic<unsigned> counter{0};
        m_folder = std::filesystem::temp_directory_path() /
                   ("velmora-test-" + std::to_string(std::random_device()()) + "-" +
                    std::to_string(++counter));
        std::filesystem::create_directories(m_folder);
        m_path = m_folder / name;
        poke(0, bytes, std::ios::out);
    }
    ~TempRom()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    TempRom(const TempRom &) = delete;
    TempRom &operator=(const TempRom &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    const std::filesystem::path &folder() const { return m_folder; }
    // The file as it is on disk now.
    std::vector<std::uint8_t> bytes() const
    {
        std::ifstream in(m_path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Another program changing the file while the editor has it open.
    void poke(std::uint64_t offset, const std::vector<std::uint8_t> &bytes,
              std::ios::openmode mode = std::ios::in) const
    {
        std::fstream file(m_path, std::ios::binary | std::ios::out | mode);
        file.seekp(std::streamoff(offset));
        if (!file.write(reinterpret_cast<const char *>(bytes.data()),
                        std::streamsize(bytes.size())))
            throw std::runtime_error("cannot write " + m_path.string());
    }

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_path;
};
