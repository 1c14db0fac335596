#include "characters/characterrecord.h"
#include "shell/romfile.h"
#include "tests/support/romimage.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(CharacterRecord, ReadsEveryFieldAtItsOffsetWidthAndSign)
{
    // Record 14 (0xF2C98): HP FF FF, EXP 00 00 01 00, Head 05 01, Body 05 00; 0xEE: no field.
    auto image = TestImage::random(1);
    TestImage::put(image, 0xF2C98,
                   {0x2A, 0x01, 0xFF, 0xFF, 0x34, 0x12, 10,   11,   12,   13,   14,
                    0x63, 0x00, 0x00, 0x01, 0x00, 0xFF, 0xFF, 0x07, 0xEE, 0x44, 0x01,
                    0x09, 0xEE, 0x05, 0x01, 0x05, 0x00, 0x80, 0xFF, 0xEE, 0xEE});
    TempRom file(image);
    RomFile rom;
    RecordSnapshot snapshot;
    ASSERT_TRUE(rom.open(file.path()));
    const CharacterRecord r = readRecord<CharacterRecord>(rom, 14, snapshot).value();
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
    std::vector<std::pair<std::uint64_t, Bytes>> expected = {
        {0, {0}},     {2, {0xFF, 0xFF}}, {4, {0, 0}},  {6, {0}},     {7, {0}},
        {8, {0}},     {9, {0}},          {10, {0}},    {11, {0}},    {12, {0, 0, 0, 0}},
        {16, {0, 0}}, {18, {0}},         {20, {0, 0}}, {22, {0}},    {24, {0x05, 0x01}},
        {25, {0}},    {26, {0, 0}},      {27, {0}},    {28, {0, 0}}, {29, {0}}};
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<std::pair<std::uint64_t, Bytes>> writes;
        for (const RomWrite &write : recordWrites(3, r))
            writes.emplace_back(write.offset - CharacterRecord::table.recordOffset(3), write.bytes);
        EXPECT_EQ(writes, expected);
        r.hand = 2; // once set, the hand byte is written, last
        expected.emplace_back(1, Bytes{2});
    }
}

} // namespace
