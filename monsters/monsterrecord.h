#pragma once

#include "core/recordtable.h"

#include <array>
#include <cstdint>

// Where each field sits in a monster stat record, named as the window labels it.
namespace MonsterField {

inline constexpr Field<std::int32_t> hp{"HP", 0};
inline constexpr Field<std::uint16_t> exp{"EXP", 4};
inline constexpr Field<std::uint16_t> vesk{"Vesk", 6};
inline constexpr Field<std::uint8_t> str{"STR", 9};
inline constexpr Field<std::uint8_t> def{"DEF", 11};
inline constexpr Field<std::uint8_t> magDef{"MAG DEF", 15};
inline constexpr Field<std::uint8_t> magPower{"MAG Power", 22};

// The ten fields of unknown meaning, shown read-only, top to bottom; each box
// is named after its field. The byte at 19 is in no field and never shown;
// the byte at 27 is padding.
inline constexpr std::array<ShownField, 10> unknowns = {
    ShownField::of<std::uint8_t>("UNK01", 8),  ShownField::of<std::uint8_t>("UNK02", 10),
    ShownField::of<std::uint8_t>("UNK03", 12), ShownField::of<std::uint8_t>("UNK04", 13),
    ShownField::of<std::uint8_t>("UNK05", 14), ShownField::of<std::uint8_t>("UNK06", 16),
    ShownField::of<std::int16_t>("UNK07", 17), ShownField::of<std::uint8_t>("UNK09", 20),
    ShownField::of<std::uint8_t>("UNK10", 21), ShownField::of<std::int32_t>("UNK11", 23)};

} // namespace MonsterField

// One monster's stat record: seven stats that "Apply" writes and the fields
// it only shows.
struct MonsterRecord
{
    static constexpr RecordTable table{"monster stats", 0xF9114, 253, 28};

    std::int32_t hp = 0;
    std::uint16_t exp = 0;
    std::uint16_t vesk = 0;
    std::uint8_t str = 0;
    std::uint8_t def = 0;
    std::uint8_t magDef = 0;
    std::uint8_t magPower = 0;
    std::array<std::int64_t, MonsterField::unknowns.size()> unknowns{};

    // The seven stats in the order "Apply" writes them; no other byte of the
    // record is ever written.
    template <class Self, class Visit> static void eachField(Self &record, Visit visit)
    {
        namespace F = MonsterField;
        visit(F::hp, record.hp);
        visit(F::exp, record.exp);
        visit(F::vesk, record.vesk);
        visit(F::str, record.str);
        visit(F::def, record.def);
        visit(F::magDef, record.magDef);
        visit(F::magPower, record.magPower);
        for (std::size_t i = 0; i < F::unknowns.size(); ++i)
            visit(F::unknowns[i], record.unknowns[i]);
    }
};
