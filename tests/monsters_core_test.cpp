#include "monsters/monsterrecord.h"
#include "shell/romfile.h"
#include "tests/support/romimage.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Every field of monster `index` in read order, widened.
std::vector<std::int64_t> fields(RomFile &rom, int index)
{
    RecordSnapshot snapshot;
    const MonsterRecord r = readRecord<MonsterRecord>(rom, index, snapshot).value();
    const MonsterStats &s = r.stats;
    return {s.hp,    s.exp,    s.vesk,  r.unk01, s.str,    r.unk02, s.def,   r.unk03,    r.unk04,
            r.unk05, s.magDef, r.unk06, r.unk07, r.byte19, r.unk09, r.unk10, s.magPower, r.unk11};
}

TEST(MonsterRecord, ReadsEveryFieldAtItsOffsetWidthAndSign)
{
    TempRom file(TestImage::pattern());
    RomFile rom;
    ASSERT_TRUE(rom.open(file.path()));
    // Record 7 holds bytes 1..28, so each value names the bytes it came from.
    Bytes numbered(MonsterRecord::table.recordSize);
    std::iota(numbered.begin(), numbered.end(), 1);
    file.poke(MonsterRecord::table.recordOffset(7), numbered);
    EXPECT_EQ(fields(rom, 7),
              (std::vector<std::int64_t>{0x04030201, 0x0605, 0x0807, 9, 10, 11, 12, 13, 14, 15, 16,
                                         17, 0x1312, 20, 21, 22, 23, 0x1B1A1918}));
    // Table addresses, and the sign of each wide field: bytes, monster, field in read order.
    const std::uint64_t r7 = MonsterRecord::table.recordOffset(7);
    const std::tuple<std::uint64_t, Bytes, int, std::size_t, std::int64_t> cases[] = {
        {0xFACA4, {0x01, 0x00, 0x00, 0x80}, 252, 0, -2147483647},
        {0xF9134, {0x39, 0x30}, 1, 1, 12345},
        {0xF9136, {0x31, 0xD4}, 1, 2, 54321},
        {r7, {0xFF, 0xFF, 0xFF, 0xFF}, 7, 0, -1},
        {r7 + 4, {0x40, 0x9C}, 7, 1, 40000},
        {r7 + 17, {0x00, 0x80}, 7, 12, -32768},
        {r7 + 23, {0xFF, 0xFF, 0xFF, 0x7F}, 7, 17, 2147483647}};
    for (const auto &[at, bytes, monster, field, expected] : cases) {
        file.poke(at, bytes);
        EXPECT_EQ(fields(rom, monster).at(field), expected) << "bytes at " << at;
    }
}

TEST(MonsterRecord, WritesOnlyTheSevenStatsInTheirOrder)
{
    const MonsterStats s{
        .hp = -2, .exp = 0xFEDC, .vesk = 0x1234, .str = 1, .def = 2, .magDef = 3, .magPower = 0xFF};
    using Writes = std::vector<std::pair<std::uint64_t, Bytes>>; // offset in the record, bytes
    const Writes expected = {{0, {0xFE, 0xFF, 0xFF, 0xFF}},
                             {4, {0xDC, 0xFE}},
                             {6, {0x34, 0x12}},
                             {9, {1}},
                             {11, {2}},
                             {15, {3}},
                             {22, {0xFF}}};
    Writes writes;
    for (const RomWrite &write : recordWrites(100, s))
        writes.emplace_back(write.offset - MonsterStats::table.recordOffset(100), write.bytes);
    EXPECT_EQ(writes, expected);
}

} // namespace
