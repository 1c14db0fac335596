#pragma once

#include "core/recordtable.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <ios>
#include <vector>

// ROM images for tests: made in memory, written to a file of their own.
namespace TestImage {

// Every byte from a seeded generator, so a run can be repeated.
std::vector<std::uint8_t> random(std::uint32_t seed, std::size_t size = velmoraImageSize);
// Byte i holds (i * 7 + 3) & 0xFF: a known pattern that differs between neighbours.
std::vector<std::uint8_t> pattern(std::size_t size = velmoraImageSize);
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
                     const std::filesystem::path &name = "rom.gba");
    ~TempRom();
    TempRom(const TempRom &) = delete;
    TempRom &operator=(const TempRom &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    const std::filesystem::path &folder() const { return m_folder; }
    // The file as it is on disk now.
    std::vector<std::uint8_t> bytes() const;
    // Another program changing the file while the editor has it open.
    void poke(std::uint64_t offset, const std::vector<std::uint8_t> &bytes,
              std::ios::openmode mode = std::ios::in) const;

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_path;
};
