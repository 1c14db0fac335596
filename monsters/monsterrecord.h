#pragma once

#include "shell/applywrites.h"

#include <cstdint>
#include <optional>

class RomFile;

// The monster stat table: 253 records of 28 bytes, back to back.
namespace MonsterTable {

inline constexpr std::uint64_t offset = 0xF9114;
inline constexpr int count = 253;
inline constexpr std::size_t recordSize = 28;

constexpr std::uint64_t recordOffset(int index)
{
    return offset + std::uint64_t(index) * recordSize;
}

// Where each field sits inside a record. The byte at 19 is read but never
// shown; the byte at 27 is padding and is never touched.
namespace Field {
inline constexpr std::uint64_t HP = 0;        // signed 32-bit
inline constexpr std::uint64_t EXP = 4;       // unsigned 16-bit
inline constexpr std::uint64_t Vesk = 6;      // unsigned 16-bit
inline constexpr std::uint64_t UNK01 = 8;     // byte
inline constexpr std::uint64_t STR = 9;       // byte
inline constexpr std::uint64_t UNK02 = 10;    // byte
inline constexpr std::uint64_t DEF = 11;      // byte
inline constexpr std::uint64_t UNK03 = 12;    // byte
inline constexpr std::uint64_t UNK04 = 13;    // byte
inline constexpr std::uint64_t UNK05 = 14;    // byte
inline constexpr std::uint64_t MAGDEF = 15;   // byte
inline constexpr std::uint64_t UNK06 = 16;    // byte
inline constexpr std::uint64_t UNK07 = 17;    // signed 16-bit
inline constexpr std::uint64_t Byte19 = 19;   // byte, not shown
inline constexpr std::uint64_t UNK09 = 20;    // byte
inline constexpr std::uint64_t UNK10 = 21;    // byte
inline constexpr std::uint64_t MAGPower = 22; // byte
inline constexpr std::uint64_t UNK11 = 23;    // signed 32-bit
} // namespace Field

// EXP and Vesk are shown unsigned, but "Apply" also takes -32768..-1 and stores
// them as their 16-bit two's complement.
inline constexpr std::int64_t wordMin = -32768;
inline constexpr std::int64_t wordMax = 65535;

} // namespace MonsterTable

// The seven fields "Apply" writes.
struct MonsterStats
{
    std::int32_t hp = 0;
    std::uint16_t exp = 0;
    std::uint16_t vesk = 0;
    std::uint8_t str = 0;
    std::uint8_t def = 0;
    std::uint8_t magDef = 0;
    std::uint8_t magPower = 0;
};

struct MonsterRecord
{
    MonsterStats stats;
    // Shown read-only, never written.
    std::uint8_t unk01 = 0, unk02 = 0, unk03 = 0, unk04 = 0, unk05 = 0, unk06 = 0;
    std::int16_t unk07 = 0;
    std::uint8_t byte19 = 0;
    std::uint8_t unk09 = 0, unk10 = 0;
    std::int32_t unk11 = 0;

    // Reads monster `index` field by field, EXP and Vesk last; nothing when a read fails.
    static std::optional<MonsterRecord> read(RomFile &rom, int index);
};

// What "Apply" writes for monster `index`, in order: HP, EXP, Vesk, STR, DEF,
// MAG DEF, MAG Power. No other byte of the record is ever written.
RomWrites monsterWrites(int index, const MonsterStats &stats);
