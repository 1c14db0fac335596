#pragma once

#include "core/recordtable.h"

#include <cstdint>

// Where each field sits in a monster stat record. The byte at 19 is read but
// never shown; the byte at 27 is padding and is never touched.
namespace MonsterField {

using Field = RecordField;
inline constexpr Field HP = Field::i32("HP", 0);
inline constexpr Field EXP = Field::u16("EXP", 4);
inline constexpr Field Vesk = Field::u16("Vesk", 6);
inline constexpr Field UNK01 = Field::u8("UNK01", 8);
inline constexpr Field STR = Field::u8("STR", 9);
inline constexpr Field UNK02 = Field::u8("UNK02", 10);
inline constexpr Field DEF = Field::u8("DEF", 11);
inline constexpr Field UNK03 = Field::u8("UNK03", 12);
inline constexpr Field UNK04 = Field::u8("UNK04", 13);
inline constexpr Field UNK05 = Field::u8("UNK05", 14);
inline constexpr Field MAGDEF = Field::u8("MAG DEF", 15);
inline constexpr Field UNK06 = Field::u8("UNK06", 16);
inline constexpr Field UNK07 = Field::i16("UNK07", 17);
inline constexpr Field Byte19 = Field::u8("byte 19", 19);
inline constexpr Field UNK09 = Field::u8("UNK09", 20);
inline constexpr Field UNK10 = Field::u8("UNK10", 21);
inline constexpr Field MAGPower = Field::u8("MAG Power", 22);
inline constexpr Field UNK11 = Field::i32("UNK11", 23);

} // namespace MonsterField

// The seven fields "Apply" writes.
struct MonsterStats
{
    static constexpr RecordTable table{"monster stats", 0xF9114, 253, 28};

    // EXP and Vesk are shown unsigned, but "Apply" also takes -32768..-1 and
    // stores them as their 16-bit two's complement.
    static constexpr std::int64_t wordMin = -32768;
    static constexpr std::int64_t wordMax = 65535;

    std::int32_t hp = 0;
    std::uint16_t exp = 0;
    std::uint16_t vesk = 0;
    std::uint8_t str = 0;
    std::uint8_t def = 0;
    std::uint8_t magDef = 0;
    std::uint8_t magPower = 0;

    // In the order "Apply" writes them; no other byte of the record is ever written.
    template <class Self, class Visit> static void eachField(Self &stats, Visit visit)
    {
        namespace F = MonsterField;
        visit(F::HP, stats.hp);
        visit(F::EXP, stats.exp);
        visit(F::Vesk, stats.vesk);
        visit(F::STR, stats.str);
        visit(F::DEF, stats.def);
        visit(F::MAGDEF, stats.magDef);
        visit(F::MAGPower, stats.magPower);
    }
};

// The whole record as the editor shows it.
struct MonsterRecord
{
    static constexpr const RecordTable &table = MonsterStats::table;

    MonsterStats stats;
    // Shown read-only, never written.
    std::uint8_t unk01 = 0, unk02 = 0, unk03 = 0, unk04 = 0, unk05 = 0, unk06 = 0;
    std::int16_t unk07 = 0;
    std::uint8_t byte19 = 0;
    std::uint8_t unk09 = 0, unk10 = 0;
    std::int32_t unk11 = 0;

    // Every field the editor reads: the seven stats, then those shown read-only.
    template <class Self, class Visit> static void eachField(Self &record, Visit visit)
    {
        namespace F = MonsterField;
        MonsterStats::eachField(record.stats, visit);
        visit(F::UNK01, record.unk01);
        visit(F::UNK02, record.unk02);
        visit(F::UNK03, record.unk03);
        visit(F::UNK04, record.unk04);
        visit(F::UNK05, record.unk05);
        visit(F::UNK06, record.unk06);
        visit(F::UNK07, record.unk07);
        visit(F::Byte19, record.byte19);
        visit(F::UNK09, record.unk09);
        visit(F::UNK10, record.unk10);
        visit(F::UNK11, record.unk11);
    }
};
