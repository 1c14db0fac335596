#pragma once

#include "shell/applywrites.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

class RomFile;

// The monster item-drop table: 283 records of 12 bytes, packed with no gap.
namespace DropTable {

inline constexpr std::uint64_t offset = 0xFB0AA;
inline constexpr int count = 283;
inline constexpr std::size_t recordSize = 12;

inline constexpr std::uint64_t recordOffset(int index)
{
    return offset + recordSize * std::uint64_t(index);
}

// Field offsets inside a record. The byte at 3 means nothing to the editor:
// it is neither read nor written.
inline constexpr std::uint64_t int01At = 0;
inline constexpr std::uint64_t byte03At = 2;
inline constexpr std::uint64_t itemsAt = 4; // four 16-bit item ids

} // namespace DropTable

struct DropRecord
{
    std::int16_t int01 = 0;              // a value the game uses for something unknown
    std::uint8_t byte03 = 0;             // the drop chance class
    std::array<std::int16_t, 4> items{}; // item ids; the stored FF FF reads as -1, no item
};

// 0% (0), 32%, 64% and 100% (3). Any other value means the table is not the
// one this editor knows, so such a record is not loaded for editing.
inline bool isChanceClass(int value)
{
    return value >= 0 && value <= 3;
}

// Reads record index one field at a time: INT01, the chance class, then the
// four items. Nothing when a read fails.
std::optional<DropRecord> readDropRecord(RomFile &rom, int index);

// The writes of "Apply" for record index, in order: INT01, the chance class,
// the four items. The chance class is written as given; it is checked on load.
RomWrites dropRecordWrites(int index, const DropRecord &record);
