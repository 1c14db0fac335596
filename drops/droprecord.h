#pragma once

#include "core/recordtable.h"

#include <array>
#include <cstdint>

// Where each field sits in a drop record, named as the window announces it.
// The byte at 3 means nothing to the editor: it is neither read nor written.
namespace DropField {

// A value the game uses for something unknown.
inline constexpr Field<std::int16_t> unknown{"Unknown value", 0};
inline constexpr Field<std::uint8_t> chanceClass{"Drop chance class", 2};
inline constexpr std::array<Field<std::int16_t>, 4> items = {
    {{"Drop item 1", 4}, {"Drop item 2", 6}, {"Drop item 3", 8}, {"Drop item 4", 10}}};

} // namespace DropField

// One monster item-drop record.
struct DropRecord
{
    static constexpr RecordTable table{"drops", 0xFB0AA, 283, 12};

    std::int16_t unknown = 0;
    std::uint8_t chanceClass = 0;
    std::array<std::int16_t, 4> items{}; // item ids; the stored FF FF reads as -1, no item

    // In the order "Apply" writes them. The chance class is written as given; it
    // is checked on load.
    template <class Self, class Visit> static void eachField(Self &record, Visit visit)
    {
        visit(DropField::unknown, record.unknown);
        visit(DropField::chanceClass, record.chanceClass);
        for (std::size_t slot = 0; slot < record.items.size(); ++slot)
            visit(DropField::items[slot], record.items[slot]);
    }
};

// 0% (0), 32%, 64% and 100% (3). Any other value means the table is not the
// one this editor knows, so such a record is not loaded for editing.
inline bool isChanceClass(int value)
{
    return value >= 0 && value <= 3;
}
