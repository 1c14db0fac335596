#include "characters/characterrecord.h"
#include "drops/droprecord.h"
#include "monsters/monsterrecord.h"
#include "shell/romfile.h"
#include "tests/support/romimage.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A record kind as the check sees it: its table, and the writes of an Apply
// without edits on record n as read from the file.
struct Kind
{
    const RecordTable &table;
    std::function<RomWrites(RomFile &rom, int n)> unchangedApply;
};

template <class Record> Record read(RomFile &rom, int n)
{
    RecordSnapshot snapshot;
    return readRecord<Record>(rom, n, snapshot).value();
}

const Kind kinds[] = {
    {CharacterRecord::table,
     [](RomFile &rom, int n) { return recordWrites(n, read<CharacterRecord>(rom, n)); }},
    {MonsterRecord::table,
     [](RomFile &rom, int n) { return recordWrites(n, read<MonsterRecord>(rom, n).stats); }},
    {DropRecord::table,
     [](RomFile &rom, int n) { return recordWrites(n, read<DropRecord>(rom, n)); }},
};

TEST(Tables, LieInsideAVelmoraImageApart)
{
    for (const Kind &a : kinds) {
        EXPECT_LE(a.table.end(), velmoraImageSize) << a.table.name;
        for (const Kind &b : kinds)
            EXPECT_TRUE(&a == &b || a.table.end() <= b.table.offset ||
                        b.table.end() <= a.table.offset)
                << a.table.name << " overlaps " << b.table.name;
    }
}

// Every field read and every write lies inside its own record, and Apply
// without an edit writes back exactly the bytes the file holds.
TEST(Tables, EveryRecordWritesOnlyItselfAndAsRead)
{
    const auto image = TestImage::random(5);
    TempRom file(image);
    RomFile rom;
    ASSERT_TRUE(rom.open(file.path()));
    for (const Kind &kind : kinds) {
        for (int n = 0; n < kind.table.count; ++n) {
            const std::uint64_t start = kind.table.recordOffset(n);
            for (const RomWrite &w : kind.unchangedApply(rom, n)) {
                ASSERT_TRUE(w.offset >= start &&
                            w.offset + w.bytes.size() <= start + kind.table.recordSize)
                    << kind.table.name << " record " << n << " writes at " << w.offset;
                ASSERT_TRUE(std::equal(w.bytes.begin(), w.bytes.end(), image.begin() + w.offset))
                    << kind.table.name << " record " << n << " changes " << w.offset;
            }
        }
    }
}

} // namespace
