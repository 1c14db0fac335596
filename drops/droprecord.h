#pragma once

#include "core/recordtable.h"

#include <array>
#include <cstdint>

// Where each field sits in a drop record. The byte at 3 means nothing to the
// editor: it is neither read nor written.
namespace DropField {

using Field = RecordField;
inline constexpr Field INT01 = Field::i16("INT01", 0);
inline constexpr Field Byte03 = Field::u8("Byte03", 2); // the drop chance class
inline constexpr std::array<Field, 4> items = {Field::i16("Item01", 4), Field::i16("Item02", 6),
                                               Field::i16("Item03", 8), Field::i16("Item04", 10)};

} // namespace DropField

// One monster item-drop record.
struct DropRecord
{
    static constexpr RecordTable table{"drops", 0xFB0AA, 283, 12};

    std::int16_t int01 = 0;              // a value the game uses for something unknown
    std::uint8_t byte03 = 0;             // the drop chance class
    std::array<std::int16_t, 4> items{}; // item ids; the stored FF FF reads as -1, no item

    // In the order "Apply" writes them. The chance class is written as given; it
    // is checked on load.
    template <class Self, class Visit> static void eachField(Self &record, Visit visit)
    {
        visit(DropField::INT01, record.int01);
        visit(DropField::Byte03, record.byte03);
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
