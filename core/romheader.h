#pragma once

#include <cstdint>
#include <string>

class RomFile;

// The two cartridge header fields the editor looks at.
namespace RomHeader {

inline constexpr std::uint64_t titleOffset = 0xA0;
inline constexpr std::size_t titleLength = 12;
inline constexpr std::uint64_t regionOffset = 0xAF; // last letter of the game code

// The 12-byte game title up to its first NUL, one character per byte.
bool readTitle(RomFile &rom, std::string &title);
bool readRegionLetter(RomFile &rom, std::uint8_t &letter);

// "USA" for E, "Japan" for J, empty for any other letter.
std::string regionText(std::uint8_t letter);

} // namespace RomHeader
