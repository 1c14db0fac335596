#include "drops/droprecord.h"
#include "shell/romfile.h"
#include "tests/support/romimage.h"

#include <gtest/gtest.h>

#include <set>

using Bytes = std::vector<std::uint8_t>;

ApplyResult applyRecord(RomFile &rom, int index, auto edit)
{
    RecordSnapshot snapshot;
    snapshot.take(rom, DropTable::recordOffset(index), DropTable::recordSize);
    DropRecord record = readDropRecord(rom, index).value();
    edit(record);
    return applyWrites(rom, snapshot, dropRecordWrites(index, record));
}

Bytes applied(const Bytes &image, int index, auto edit)
{
    TempRom file(image);
    RomFile rom;
    EXPECT_TRUE(rom.open(file.path()));
    EXPECT_TRUE(applyRecord(rom, index, edit).ok());
    return file.bytes();
}

TEST(DropRecord, ApplyWritesEveryFieldByteButByte3AtTheRecordsPlace)
{
    const Bytes before = TestImage::pattern();
    for (const auto &[index, offset] : {std::pair{0, 0xFB0AA}, {141, 0xFB746}, {282, 0xFBDE2}}) {
        const Bytes after = applied(before, index, [](DropRecord &r) {
            r.int01 = std::int16_t(~r.int01);
            r.byte03 = std::uint8_t(~r.byte03);
            for (std::int16_t &item : r.items)
                item = std::int16_t(~item);
        });
        ASSERT_EQ(after.size(), before.size());
        std::set<int> changed;
        for (std::size_t i = 0; i < after.size(); ++i)
            if (after[i] != before[i])
                changed.insert(int(i) - offset);
        EXPECT_EQ(changed, (std::set<int>{0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11})) << index;
    }
}

TEST(DropRecord, ReadsSignedFieldsAndWritesThemBackAsStored)
{
    // Stored INT01, class, byte 3, Item01; then INT01 and Item01 as read.
    const std::tuple<Bytes, std::int16_t, std::int16_t> cases[] = {
        {{0x00, 0x80, 1, 0xAB, 0x01, 0x00}, -32768, 1},
        {{0xFF, 0xFF, 3, 0xAB, 0xFF, 0xFF}, -1, -1},
        {{0x34, 0x12, 2, 0xAB, 0x00, 0x01}, 0x1234, 0x100},
        {{0x01, 0x00, 0, 0xAB, 0xA5, 0x01}, 1, 0x1A5}};
    for (const auto &[stored, int01, item1] : cases) {
        Bytes image = TestImage::pattern();
        TestImage::put(image, DropTable::recordOffset(7), stored);
        const auto check = [&](DropRecord &r) {
            EXPECT_EQ(std::tuple(r.int01, r.byte03, r.items[0]),
                      std::tuple(int01, stored[2], item1));
        };
        EXPECT_EQ(applied(image, 7, check), image);
    }
}

TEST(DropRecord, ApplyingEveryRecordUnchangedLeavesTheFileIdentical)
{
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        Bytes image = TestImage::random(seed);
        for (int n = 0; n < DropTable::count; ++n)
            image[DropTable::recordOffset(n) + 2] &= 3;
        TempRom file(image);
        RomFile rom;
        ASSERT_TRUE(rom.open(file.path()));
        for (int n = 0; n < DropTable::count; ++n)
            ASSERT_TRUE(applyRecord(rom, n, [](DropRecord &) {}).ok());
        EXPECT_EQ(file.bytes(), image) << "seed " << seed;
    }
}
