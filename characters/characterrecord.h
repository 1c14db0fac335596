#pragma once

#include "shell/applywrites.h"

#include <array>
#include <cstdint>
#include <optional>

class RomFile;

// The playable characters' statistics and equipment: one fixed table of
// 32-byte records. Multi-byte fields are little-endian and signed.
namespace CharacterTable {

inline constexpr std::uint64_t offset = 0xF2AD8;
inline constexpr int count = 15;
inline constexpr std::size_t recordSize = 32;

constexpr std::uint64_t recordOffset(int index)
{
    return offset + recordSize * std::uint64_t(index);
}

} // namespace CharacterTable

// Equipment slots in the order the record holds them.
enum class Slot
{
    RightHand,
    LeftHand,
    Head,
    Body,
    Arms
};
inline constexpr int slotCount = 5;

// Head, Body and Arms keep their amount in the high byte of the item id.
constexpr bool amountSharesIdByte(Slot slot)
{
    return slot >= Slot::Head;
}

// Field offsets inside a record. Bytes 19, 23, 30 and 31 belong to no field.
namespace CharacterField {

inline constexpr int level = 0;    // 8-bit
inline constexpr int hand = 1;     // 8-bit: 0 right-handed, 1 left-handed, 2 ambidextrous
inline constexpr int hp = 2;       // 16-bit
inline constexpr int mp = 4;       // 16-bit
inline constexpr int stats = 6;    // five 8-bit statistics: STR, AGI, STAM, INT, SPIR
inline constexpr int unknown = 11; // 8-bit
inline constexpr int exp = 12;     // 32-bit
// The 16-bit item id and the 8-bit amount of each slot. For Head, Body and Arms
// the amount byte is also the high byte of the item id.
inline constexpr std::array<int, slotCount> itemId = {16, 20, 24, 26, 28};
inline constexpr std::array<int, slotCount> amount = {18, 22, 25, 27, 29};

} // namespace CharacterField

struct Equipment
{
    std::int16_t itemId = 0;
    std::uint8_t amount = 0;
};

struct CharacterRecord
{
    std::uint8_t level = 0;
    // Always set by a read; when unset, "Apply" leaves the byte as it is.
    std::optional<std::uint8_t> hand;
    std::int16_t hp = 0;
    std::int16_t mp = 0;
    std::array<std::uint8_t, 5> stats{}; // STR, AGI, STAM, INT, SPIR
    std::uint8_t unknown = 0;
    std::int32_t exp = 0;
    std::array<Equipment, slotCount> equipment{};

    Equipment &slot(Slot which) { return equipment[std::size_t(which)]; }
    const Equipment &slot(Slot which) const { return equipment[std::size_t(which)]; }
};

// Reads record index (0..14) field by field, in the order the editor loads it.
// False when a read fails; the file's message is in rom.errorString().
bool readCharacter(RomFile &rom, int index, CharacterRecord &record);

// The writes of "Apply", in order: LV, HP, MP, the five statistics, UNK, EXP,
// each slot's item id then its amount, and last the hand when it is set.
RomWrites characterWrites(int index, const CharacterRecord &record);
