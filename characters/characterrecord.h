#pragma once

#include "core/recordtable.h"

#include <array>
#include <cstdint>
#include <optional>

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

// Where each field sits in a character record, named as the window labels it.
// Bytes 19, 23, 30 and 31 belong to no field.
namespace CharacterField {

inline constexpr Field<std::uint8_t> level{"LV", 0};
// The primary hand: 0 right-handed, 1 left-handed, 2 ambidextrous.
inline constexpr Field<std::uint8_t> hand{"Primary Hand", 1};
inline constexpr Field<std::int16_t> hp{"HP", 2};
inline constexpr Field<std::int16_t> mp{"MP", 4};
inline constexpr std::array<Field<std::uint8_t>, 5> stats = {
    {{"STR", 6}, {"AGI", 7}, {"STAM", 8}, {"INT", 9}, {"SPIR", 10}}};
inline constexpr Field<std::uint8_t> unknown{"Unknown", 11};
inline constexpr Field<std::int32_t> exp{"EXP", 12};
// Each slot's item id and amount. For Head, Body and Arms the amount byte is
// also the high byte of the item id.
inline constexpr std::array<Field<std::int16_t>, slotCount> itemId = {
    {{"R-Hand", 16}, {"L-Hand", 20}, {"Head", 24}, {"Body", 26}, {"Arms", 28}}};
inline constexpr std::array<Field<std::uint8_t>, slotCount> amount = {{{"R-Hand amount", 18},
                                                                       {"L-Hand amount", 22},
                                                                       {"Head amount", 25},
                                                                       {"Body amount", 27},
                                                                       {"Arms amount", 29}}};

} // namespace CharacterField

struct Equipment
{
    std::int16_t itemId = 0;
    std::uint8_t amount = 0;
};

// The playable characters' statistics and equipment.
struct CharacterRecord
{
    static constexpr RecordTable table{"characters", 0xF2AD8, 15, 32};

    std::uint8_t level = 0;
    // Always set by a read; when unset, "Apply" leaves the byte as it is.
    std::optional<std::uint8_t> hand;
    std::int16_t hp = 0;
    std::int16_t mp = 0;
    std::array<std::uint8_t, 5> stats{}; // STR, AGI, STAM, INT, SPIR
    std::uint8_t unknown = 0;
    std::int32_t exp = 0;
    std::array<Equipment, slotCount> equipment{};

    // In the order "Apply" writes them: LV, HP, MP, the five statistics, UNK,
    // EXP, each slot's item id then its amount (where the two share a byte, the
    // amount wins), and last the hand.
    template <class Self, class Visit> static void eachField(Self &record, Visit visit)
    {
        namespace F = CharacterField;
        visit(F::level, record.level);
        visit(F::hp, record.hp);
        visit(F::mp, record.mp);
        for (std::size_t i = 0; i < F::stats.size(); ++i)
            visit(F::stats[i], record.stats[i]);
        visit(F::unknown, record.unknown);
        visit(F::exp, record.exp);
        for (std::size_t i = 0; i < slotCount; ++i) {
            visit(F::itemId[i], record.equipment[i].itemId);
            visit(F::amount[i], record.equipment[i].amount);
        }
        visit(F::hand, record.hand);
    }
};
