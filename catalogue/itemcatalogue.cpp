#include "catalogue/itemcatalogue.h"

#include "catalogue/itemnames.h"

#include <cstdio>

namespace ItemCatalogue {

std::string label(int position)
{
    if (position < 0 || position >= count)
        return {};
    char number[8];
    if (position < 0x100) // the id's two bytes as stored, low byte first
        std::snprintf(number, sizeof number, "%02X00", position);
    else
        std::snprintf(number, sizeof number, "%04X", position);
    std::string text = std::string(number) + " " + itemNames[position];
    if (position != 0x000 && position != 0x0E0 && position != 0x0F0 && position != 0x144)
        text += ' ';
    return text;
}

std::optional<int> positionForId(int id)
{
    if (id >= -1 && id < count)
        return id;
    return std::nullopt;
}

} // namespace ItemCatalogue
