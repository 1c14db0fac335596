#include "characters/characterrecord.h"
#include "shell/romfile.h"
#include "tests/support/romimage.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// One record, byte by byte: FF FF for HP, EXP 00 00 01 00, R-Hand FF FF, Head 05 01,
// Body 05 00, and 0xEE in the four bytes no field covers.
const Bytes knownRecord = {
    0x2A, 0x01, 0xFF, 0xFF, 0x34, 0x12, 10,   11,   12,   13,   14,   0x63, 0x00, 0x00, 0x01, 0x00,
    0xFF, 0xFF, 0x07, 0xEE, 0x44, 0x01, 0x09, 0xEE, 0x05, 0x01, 0x05, 0x00, 0x80, 0xFF, 0xEE, 0xEE,
};

TEST(CharacterRecord, ReadsEveryFieldAtItsOffsetWidthAndSign)
{
    auto image = TestImage::random(1);
    TestImage::put(image, CharacterTable::recordOffset(14), knownRecord);
    TempRom file(image);
    RomFile rom;
    ASSERT_TRUE(rom.open(file.path()));
    EXPECT_EQ(CharacterTable::recordOffset(0), 0xF2AD8u);
    EXPECT_EQ(CharacterTable::recordOffset(14), 0xF2C98u);
    EXPECT_EQ(CharacterTable::recordOffset(14) + CharacterField::amount[4], 0xF2CB5u);

    CharacterRecord r;
    ASSERT_TRUE(readCharacter(rom, 14, r));
    EXPECT_EQ(r.level, 42);
    EXPECT_EQ(r.hand, 1);
    EXPECT_EQ(r.hp, -1);
    EXPECT_EQ(r.mp, 0x1234);
    EXPECT_EQ(r.stats, (std::array<std::uint8_t, 5>{10, 11, 12, 13, 14}));
    EXPECT_EQ(r.unknown, 0x63);
    EXPECT_EQ(r.exp, 65536);
    const std::pair<int, int> slots[] = {{-1, 7}, {0x144, 9}, {261, 1}, {5, 0}, {-128, 0xFF}};
    for (std::size_t i = 0; i < slotCount; ++i) {
        EXPECT_EQ(r.equipment[i].itemId, slots[i].first) << "slot " << i;
        EXPECT_EQ(r.equipment[i].amount, slots[i].second) << "slot " << i;
    }
}

TEST(CharacterRecord, WritesInSaveOrderTheHandLastAndOnlyWhenSet)
{
    CharacterRecord r;
    r.hp = -1;
    r.equipment[2] = {261, 0};
    const auto at = [](const RomWrites &writes, std::size_t i) {
        return std::pair(writes[i].offset - CharacterTable::recordOffset(3), writes[i].bytes);
    };
    const RomWrites without = characterWrites(3, r);
    const std::vector<std::pair<std::uint64_t, Bytes>> expected = {
        {0, {0}},     {2, {0xFF, 0xFF}}, {4, {0, 0}},  {6, {0}},     {7, {0}},
        {8, {0}},     {9, {0}},          {10, {0}},    {11, {0}},    {12, {0, 0, 0, 0}},
        {16, {0, 0}}, {18, {0}},         {20, {0, 0}}, {22, {0}},    {24, {0x05, 0x01}},
        {25, {0}},    {26, {0, 0}},      {27, {0}},    {28, {0, 0}}, {29, {0}},
    };
    ASSERT_EQ(without.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(at(without, i), expected[i]) << "write " << i;

    r.hand = 2;
    const RomWrites with = characterWrites(3, r);
    ASSERT_EQ(with.size(), expected.size() + 1);
    EXPECT_EQ(at(with, expected.size()), std::pair(std::uint64_t(1), Bytes{2}));
}

TEST(CharacterRecord, ASaveTouchesOnlyTheBytesItsFieldsCover)
{
    TempRom filled(Bytes(TestImage::defaultSize, 0xC1)); // every field 0xC1..., hand included
    RomFile rom;
    CharacterRecord values;
    ASSERT_TRUE(rom.open(filled.path()) && readCharacter(rom, 7, values));
    const auto image = TestImage::pattern();
    auto saved = image;
    for (const RomWrite &write : characterWrites(7, values))
        TestImage::put(saved, write.offset, write.bytes);
    const std::uint64_t r = CharacterTable::recordOffset(7);
    for (std::size_t i = 0; i < image.size(); ++i) {
        const std::size_t field = i - r; // wraps around below the record
        const bool covered = field < 32 && field != 19 && field != 23 && field != 30 && field != 31;
        ASSERT_EQ(saved[i], covered ? 0xC1 : image[i]) << "offset " << i;
    }
}

TEST(CharacterRecord, ReadThenSaveLeavesEveryRecordOfRandomImagesUnchanged)
{
    for (std::uint32_t seed = 100; seed < 112; ++seed) {
        const auto image = TestImage::random(seed);
        TempRom file(image);
        RomFile rom;
        ASSERT_TRUE(rom.open(file.path()));
        auto saved = image; // the writes are put into a copy: the guarded Apply has its own tests
        for (int index = 0; index < CharacterTable::count; ++index) {
            CharacterRecord record;
            ASSERT_TRUE(readCharacter(rom, index, record));
            for (const RomWrite &write : characterWrites(index, record))
                TestImage::put(saved, write.offset, write.bytes);
        }
        ASSERT_EQ(saved, image) << "seed " << seed;
    }
}

} // namespace
