#include "catalogue/itemcatalogue.h"
#include "drops/droprecord.h"
#include "shell/romfile.h"
#include "tests/support/romimage.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A random image whose drop records all hold a valid chance class.
Bytes imageWithValidClasses(std::uint32_t seed)
{
    Bytes image = TestImage::random(seed);
    for (int n = 0; n < DropTable::count; ++n)
        image[DropTable::recordOffset(n) + 2] &= 3;
    return image;
}

TEST(DropTable, LiesWhereTheGameKeepsIt)
{
    EXPECT_EQ(DropTable::recordOffset(0), 0xFB0AAu);
    EXPECT_EQ(DropTable::recordOffset(282), 0xFBDE2u);
    EXPECT_EQ(DropTable::recordOffset(DropTable::count), 0xFBDEEu);
}

TEST(DropRecord, ApplyWritesEveryFieldByteButByte3AndNothingElse)
{
    for (const int index : {0, 141, 282}) {
        TempRom file(TestImage::pattern());
        RomFile rom;
        ASSERT_TRUE(rom.open(file.path()));
        const std::uint64_t r = DropTable::recordOffset(index);
        RecordSnapshot snapshot;
        ASSERT_TRUE(snapshot.take(rom, r, DropTable::recordSize));
        // Every field byte differs from the byte it replaces.
        const Bytes before = file.bytes();
        DropRecord record = readDropRecord(rom, index).value();
        record.int01 = std::int16_t(~record.int01);
        record.byte03 = std::uint8_t(~record.byte03);
        for (std::int16_t &item : record.items)
            item = std::int16_t(~item);
        ASSERT_TRUE(applyWrites(rom, snapshot, dropRecordWrites(index, record)).ok());

        std::set<std::uint64_t> changed;
        const Bytes after = file.bytes();
        ASSERT_EQ(after.size(), before.size());
        for (std::uint64_t i = 0; i < after.size(); ++i)
            if (after[i] != before[i])
                changed.insert(i - r);
        EXPECT_EQ(changed, (std::set<std::uint64_t>{0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11}))
            << "record " << index;
    }
}

TEST(DropRecord, ReadsSignedFieldsAndWritesThemBackAsStored)
{
    struct Case
    {
        Bytes stored; // the 12 bytes of record 7
        std::int16_t int01;
        std::int16_t item1;
        std::optional<int> item1Position;
    };
    const Case cases[] = {
        {{0x00, 0x80, 1, 0xAB, 0x01, 0x00, 0, 0, 0, 0, 0, 0}, -32768, 1, 1},
        {{0xFF, 0xFF, 3, 0xAB, 0xFF, 0xFF, 5, 0, 6, 0, 7, 0}, -1, -1, -1},
        {{0x34, 0x12, 2, 0xAB, 0x00, 0x01, 0, 0, 0, 0, 0, 0}, 0x1234, 0x100, 0x100},
        {{0x01, 0x00, 0, 0xAB, 0xA5, 0x01, 0, 0, 0, 0, 0, 0}, 1, 0x1A5, std::nullopt},
    };
    for (const Case &c : cases) {
        Bytes image = TestImage::pattern();
        TestImage::put(image, DropTable::recordOffset(7), c.stored);
        TempRom file(image);
        RomFile rom;
        ASSERT_TRUE(rom.open(file.path()));
        const auto record = readDropRecord(rom, 7);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->int01, c.int01);
        EXPECT_EQ(record->byte03, c.stored[2]);
        EXPECT_EQ(record->items[0], c.item1);
        EXPECT_EQ(ItemCatalogue::positionForId(record->items[0]), c.item1Position);

        Bytes written(DropTable::recordSize, 0);
        for (const RomWrite &write : dropRecordWrites(7, *record))
            for (std::size_t i = 0; i < write.bytes.size(); ++i)
                written.at(write.offset - DropTable::recordOffset(7) + i) = write.bytes[i];
        written[3] = c.stored[3];
        EXPECT_EQ(written, c.stored);
    }
    EXPECT_EQ(ItemCatalogue::label(0x100).substr(0, 4), "0100");
}

TEST(DropRecord, ChanceClassesAreZeroToThree)
{
    for (int value = 0; value < 256; ++value)
        EXPECT_EQ(isChanceClass(value), value <= 3) << value;
}

TEST(DropRecord, ApplyingEveryRecordUnchangedLeavesTheFileIdentical)
{
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        const Bytes image = imageWithValidClasses(seed);
        TempRom file(image);
        RomFile rom;
        ASSERT_TRUE(rom.open(file.path()));
        for (int index = 0; index < DropTable::count; ++index) {
            RecordSnapshot snapshot;
            ASSERT_TRUE(snapshot.take(rom, DropTable::recordOffset(index), DropTable::recordSize));
            const auto record = readDropRecord(rom, index);
            ASSERT_TRUE(record && isChanceClass(record->byte03));
            const ApplyResult result = applyWrites(rom, snapshot, dropRecordWrites(index, *record));
            ASSERT_TRUE(result.ok()) << result.message;
        }
        EXPECT_EQ(file.bytes(), image) << "seed " << seed;
    }
}

TEST(DropRecord, ARecordPastTheEndOfAShortFileIsNotWritten)
{
    const Bytes image(DropTable::recordOffset(282) + 6, 0x11);
    TempRom file(image);
    RomFile rom;
    ASSERT_TRUE(rom.open(file.path()));
    RecordSnapshot snapshot;
    snapshot.take(rom, DropTable::recordOffset(282), DropTable::recordSize);
    const auto record = readDropRecord(rom, 282);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->items[1], 0); // past the end reads as zero
    const ApplyResult result = applyWrites(rom, snapshot, dropRecordWrites(282, *record));
    EXPECT_EQ(result.status, ApplyResult::OutsideFile);
    EXPECT_EQ(file.bytes(), image);
}

} // namespace
