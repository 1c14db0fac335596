#include "core/romheader.h"

#include "core/romfile.h"

#include <array>

namespace RomHeader {

bool readTitle(RomFile &rom, std::string &title)
{
    std::array<std::uint8_t, titleLength> bytes{};
    if (!rom.read(titleOffset, bytes.data(), bytes.size()))
        return false;
    title.clear();
    for (std::uint8_t byte : bytes) {
        if (byte == 0)
            break;
        title.push_back(char(byte));
    }
    return true;
}

bool readRegionLetter(RomFile &rom, std::uint8_t &letter)
{
    return rom.read(regionOffset, &letter, 1);
}

std::string regionText(std::uint8_t letter)
{
    switch (letter) {
    case 'E':
        return "USA";
    case 'J':
        return "Japan";
    default:
        return {};
    }
}

} // namespace RomHeader
