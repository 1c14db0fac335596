#include "characters/characterrecord.h"
#include "drops/droprecord.h"
#include "monsters/monsterrecord.h"
#include "shell/romfile.h"
#include "tests/support/romimage.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Writes = std::vector<std::pair<std::uint64_t, Bytes>>; // offset from a base, bytes

Writes from(std::uint64_t base, const RomWrites &writes)
{
    Writes relative;
    for (const RomWrite &write : writes)
        relative.emplace_back(write.offset - base, write.bytes);
    return relative;
}

template <class Record> Record read(RomFile &rom, int n)
{
    RecordSnapshot snapshot;
    return readRecord<Record>(rom, n, snapshot).value();
}

template <class Record> Record readFrom(const Bytes &image, int n)
{
    TempRom file(image);
    RomFile rom;
    EXPECT_TRUE(rom.open(file.path()));
    return read<Record>(rom, n);
}

TEST(CharacterRecord, ReadsEveryFieldAtItsOffsetWidthAndSign)
{
    // Record 14 (0xF2C98): HP FF FF, EXP 00 00 01 00, Head 05 01, Body 05 00; 0xEE: no field.
    auto image = TestImage::random(1);
    TestImage::put(image, 0xF2C98,
                   {0x2A, 0x01, 0xFF, 0xFF, 0x34, 0x12, 10,   11,   12,   13,   14,
                    0x63, 0x00, 0x00, 0x01, 0x00, 0xFF, 0xFF, 0x07, 0xEE, 0x44, 0x01,
                    0x09, 0xEE, 0x05, 0x01, 0x05, 0x00, 0x80, 0xFF, 0xEE, 0xEE});
    const CharacterRecord r = readFrom<CharacterRecord>(image, 14);
    EXPECT_EQ(std::tuple(r.level, r.hand, r.hp, r.mp, r.unknown, r.exp),
              std::tuple(42, 1, -1, 0x1234, 0x63, 65536));
    EXPECT_EQ(r.stats, (std::array<std::uint8_t, 5>{10, 11, 12, 13, 14}));
    const std::pair<int, int> slots[] = {{-1, 7}, {0x144, 9}, {261, 1}, {5, 0}, {-128, 0xFF}};
    for (std::size_t i = 0; i < slotCount; ++i)
        EXPECT_EQ(std::pair(int(r.equipment[i].itemId), int(r.equipment[i].amount)), slots[i]);
}

TEST(CharacterRecord, WritesInSaveOrderTheHandLastAndOnlyWhenSet)
{
    CharacterRecord r;
    r.hp = -1;
    r.equipment[2] = {261, 0};
    Writes expected = {{0, {0}},     {2, {0xFF, 0xFF}},  {4, {0, 0}},        {6, {0}},
                       {7, {0}},     {8, {0}},           {9, {0}},           {10, {0}},
                       {11, {0}},    {12, {0, 0, 0, 0}}, {16, {0, 0}},       {18, {0}},
                       {20, {0, 0}}, {22, {0}},          {24, {0x05, 0x01}}, {25, {0}},
                       {26, {0, 0}}, {27, {0}},          {28, {0, 0}},       {29, {0}}};
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(from(CharacterRecord::table.recordOffset(3), recordWrites(3, r)), expected);
        r.hand = 2; // once set, the hand byte is written, last
        expected.emplace_back(1, Bytes{2});
    }
}

// Every field of a monster record in read order, widened.
std::vector<std::int64_t> fields(const MonsterRecord &r)
{
    const MonsterStats &s = r.stats;
    return {s.hp,    s.exp,    s.vesk,  r.unk01, s.str,    r.unk02, s.def,   r.unk03,    r.unk04,
            r.unk05, s.magDef, r.unk06, r.unk07, r.byte19, r.unk09, r.unk10, s.magPower, r.unk11};
}

// The window test shows every field but byte 19 from known bytes; here the
// table's addresses, byte 19 and a negative UNK11: bytes, monster, field.
TEST(MonsterRecord, ReadsAtTheTablesAddressesWithTheirSigns)
{
    Bytes image = TestImage::pattern();
    const std::tuple<std::uint64_t, Bytes, int, std::size_t, std::int64_t> cases[] = {
        {0xFACA4, {0x01, 0x00, 0x00, 0x80}, 252, 0, -2147483647},
        {0xF9134, {0x39, 0x30}, 1, 1, 12345},
        {0xF9136, {0x31, 0xD4}, 1, 2, 54321},
        {MonsterRecord::table.recordOffset(7) + 19, {0xC3}, 7, 13, 0xC3},
        {MonsterRecord::table.recordOffset(7) + 23, {0x00, 0x00, 0x00, 0x80}, 7, 17, -2147483648}};
    for (const auto &[at, bytes, monster, field, expected] : cases) {
        TestImage::put(image, at, bytes);
        EXPECT_EQ(fields(readFrom<MonsterRecord>(image, monster)).at(field), expected) << at;
    }
}

TEST(MonsterRecord, WritesOnlyTheSevenStatsInTheirOrder)
{
    const MonsterStats s{
        .hp = -2, .exp = 0xFEDC, .vesk = 0x1234, .str = 1, .def = 2, .magDef = 3, .magPower = 0xFF};
    const Writes expected = {{0, {0xFE, 0xFF, 0xFF, 0xFF}},
                             {4, {0xDC, 0xFE}},
                             {6, {0x34, 0x12}},
                             {9, {1}},
                             {11, {2}},
                             {15, {3}},
                             {22, {0xFF}}};
    EXPECT_EQ(from(MonsterStats::table.recordOffset(100), recordWrites(100, s)), expected);
}

TEST(DropRecord, WritesEveryFieldButByte3InOrderAtTheRecordsPlace)
{
    const DropRecord r{-2, 3, {0x144, -1, 0x1A5, 7}};
    const Writes expected = {{0, {0xFE, 0xFF}}, {2, {3}},          {4, {0x44, 0x01}},
                             {6, {0xFF, 0xFF}}, {8, {0xA5, 0x01}}, {10, {7, 0}}};
    for (const auto &[index, at] : {std::pair{141, 0xFB746}, {282, 0xFBDE2}})
        EXPECT_EQ(from(at, recordWrites(index, r)), expected) << index;
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
