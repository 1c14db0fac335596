#include "characters/characterrecord.h"
#include "core/romfile.h"
#include "drops/droprecord.h"
#include "monsters/monsterrecord.h"
#include "tests/support/romimage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The writes as "offset:bytes" in hexadecimal, offsets from base: "0:FEFF 2:03".
std::string from(std::uint64_t base, const RomWrites &writes)
{
    std::string text;
    for (const RomWrite &write : writes) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(write.offset - base);
        text += ':';
        for (const std::uint8_t byte : write.bytes) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", byte);
            text += hex;
        }
    }
    return text;
}

template <class Record> Record read(RomFile &rom, int n)
{
    RecordSnapshot snapshot;
    return readRecord<Record>(rom, n, snapshot).value();
}

// Each kind's writes in the order "Apply" makes them, at its own record.
TEST(Records, WriteInSaveOrder)
{
    CharacterRecord c;
    c.hp = -1;
    c.equipment[2] = {261, 0};
    std::string character = "0:00 2:FFFF 4:0000 6:00 7:00 8:00 9:00 10:00 11:00 12:00000000 "
                            "16:0000 18:00 20:0000 22:00 24:0501 25:00 26:0000 27:00 28:0000 29:00";
    EXPECT_EQ(from(CharacterRecord::table.recordOffset(3), recordWrites(3, c)), character);
    c.hand = 2; // once set, the hand byte is written, last
    EXPECT_EQ(from(CharacterRecord::table.recordOffset(3), recordWrites(3, c)),
              character + " 1:02");

    // Only the seven stats of a monster.
    const MonsterStats s{
        .hp = -2, .exp = 0xFEDC, .vesk = 0x1234, .str = 1, .def = 2, .magDef = 3, .magPower = 0xFF};
    EXPECT_EQ(from(MonsterStats::table.recordOffset(100), recordWrites(100, s)),
              "0:FEFFFFFF 4:DCFE 6:3412 9:01 11:02 15:03 22:FF");

    const DropRecord d{-2, 3, {0x144, -1, 0x1A5, 7}};
    EXPECT_EQ(from(DropRecord::table.recordOffset(282), recordWrites(282, d)),
              "0:FEFF 2:03 4:4401 6:FFFF 8:A501 10:0700");
}

// Each table, and the writes of an Apply without edits on record n as read.
using UnchangedApply = RomWrites (*)(RomFile &rom, int n);
const std::pair<const RecordTable &, UnchangedApply> tables[] = {
    {CharacterRecord::table,
     [](RomFile &rom, int n) { return recordWrites(n, read<CharacterRecord>(rom, n)); }},
    {MonsterRecord::table,
     [](RomFile &rom, int n) { return recordWrites(n, read<MonsterRecord>(rom, n).stats); }},
    {DropRecord::table,
     [](RomFile &rom, int n) { return recordWrites(n, read<DropRecord>(rom, n)); }}};

// The tables lie apart inside a Velmora image; every field read and every write
// lies inside its own record; an Apply without edits writes back what the file holds.
TEST(Tables, KeepApartAndEveryRecordWritesOnlyItselfAsRead)
{
    const Bytes image = TestImage::random(5);
    TempRom file(image);
    RomFile rom;
    ASSERT_TRUE(rom.open(file.path()));
    for (std::size_t i = 1; i < std::size(tables); ++i) // in the order they lie
        ASSERT_LE(tables[i - 1].first.end(), tables[i].first.offset) << tables[i].first.name;
    ASSERT_LE(std::rbegin(tables)->first.end(), velmoraImageSize);
    for (const auto &[table, unchangedApply] : tables) {
        for (int n = 0; n < table.count; ++n) {
            const std::uint64_t start = table.recordOffset(n);
            for (const RomWrite &w : unchangedApply(rom, n))
                ASSERT_TRUE(w.offset >= start &&
                            w.offset + w.bytes.size() <= start + table.recordSize &&
                            std::equal(w.bytes.begin(), w.bytes.end(), image.begin() + w.offset))
                    << table.name << " record " << n << " writes at " << w.offset;
        }
    }
}

} // namespace
