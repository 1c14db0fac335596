#pragma once

#include <optional>
#include <string>

// The fixed list of item labels through which every item id is shown and
// picked. The item id is the position in the list, nothing else.
namespace ItemCatalogue {

inline constexpr int count = 325;

// "0000 [EMPTY]", "0100 <name> ", ...: label number, space, name, and a trailing
// space at all positions but four.
std::string label(int position);

// The list position for an id read from the ROM: the id itself for 0..324,
// -1 (no selection) for the stored FF FF, nothing for an id without an entry.
std::optional<int> positionForId(int id);

// The id stored for a list position; no selection (-1) is stored as FF FF.
inline int idForPosition(int position)
{
    return position;
}

} // namespace ItemCatalogue
