#include "catalogue/itemcatalogue.h"
#include "drops/droprecord.h"
#include "shell/romfile.h"
#include "tests/support/romimage.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Reads record index of image, then applies the writes for edit(record).
template<class Edit>
Bytes applied(const Bytes &image, int index, Edit edit)
{
    TempRom file(image);
    RomFile rom;
    EXPECT_TRUE(rom.open(file.path()));
    RecordSnapshot snapshot;
    snapshot.take(rom, DropTable::recordOffset(index), DropTable::recordSize);
    DropRecord record = readDropRecord(rom, index).value();
    edit(record);
    const ApplyResult result = applyWrites(rom, snapshot, dropRecordWrites(index, record));
    EXPECT_TRUE(result.ok()) << result.message;
    return file.bytes();
}

TEST(DropTable, LiesWhereTheGameKeepsIt)
{
    EXPECT_EQ(DropTable::recordOffset(0), 0xFB0AAu);
    EXPECT_EQ(DropTable::recordOffset(282), 0xFBDE2u);
    EXPECT_EQ(DropTable::recordOffset(DropTable::count), 0xFBDEEu);
}

TEST(DropRecord, ApplyWritesEveryFieldByteButByte3AndNothingElse)
{
    const Bytes before = TestImage::pattern();
    for (const int index : {0, 141, 282}) {
        const Bytes after = applied(before, index, [](DropRecord &record) {
            record.int01 = std::int16_t(~record.int01); // every field byte changes
            record.byte03 = std::uint8_t(~record.byte03);
            for (std::int16_t &item : record.items)
                item = std::int16_t(~item);
        });
        std::set<std::uint64_t> changed;
        for (std::uint64_t i = 0; i < after.size(); ++i)
            if (after[i] != before[i])
                changed.insert(i - DropTable::recordOffset(index));
        EXPECT_EQ(changed, (std::set<std::uint64_t>{0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11}));
        EXPECT_EQ(after.size(), before.size());
    }
}

TEST(DropRecord, ReadsSignedFieldsAndWritesThemBackAsStored)
{
    struct Case
    {
        Bytes stored; // INT01, class, byte 3, Item01
        std::int16_t int01, item1;
        std::optional<int> position;
    };
    const Case cases[] = {
        {{0x00, 0x80, 1, 0xAB, 0x01, 0x00}, -32768, 1, 1},
        {{0xFF, 0xFF, 3, 0xAB, 0xFF, 0xFF}, -1, -1, -1},
        {{0x34, 0x12, 2, 0xAB, 0x00, 0x01}, 0x1234, 0x100, 0x100},
        {{0x01, 0x00, 0, 0xAB, 0xA5, 0x01}, 1, 0x1A5, std::nullopt},
    };
    for (const Case &c : cases) {
        Bytes image = TestImage::pattern();
        TestImage::put(image, DropTable::recordOffset(7), c.stored);
        const Bytes after = applied(image, 7, [&](DropRecord &record) {
            EXPECT_EQ(record.int01, c.int01);
            EXPECT_EQ(record.byte03, c.stored[2]);
            EXPECT_EQ(record.items[0], c.item1);
            EXPECT_EQ(ItemCatalogue::positionForId(record.items[0]), c.position);
        });
        EXPECT_EQ(after, image);
    }
    EXPECT_EQ(ItemCatalogue::label(0x100).substr(0, 4), "0100");
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
        for (int index = 0; index < DropTable::count; ++index) {
            RecordSnapshot snapshot;
            snapshot.take(rom, DropTable::recordOffset(index), DropTable::recordSize);
            const DropRecord record = readDropRecord(rom, index).value();
            ASSERT_TRUE(isChanceClass(record.byte03));
            ASSERT_TRUE(applyWrites(rom, snapshot, dropRecordWrites(index, record)).ok());
        }
        EXPECT_EQ(file.bytes(), image) << "seed " << seed;
    }
}

} // namespace
