#include "drops/droprecord.h"
#include "shell/romfile.h"
#include "tests/support/romimage.h"

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;
using Writes = std::vector<std::pair<std::uint64_t, Bytes>>; // offset in the record, bytes

TEST(DropRecord, WritesEveryFieldButByte3InOrderAtTheRecordsPlace)
{
    const DropRecord r{-2, 3, {0x144, -1, 0x1A5, 7}};
    const Writes expected = {{0, {0xFE, 0xFF}}, {2, {3}},          {4, {0x44, 0x01}},
                             {6, {0xFF, 0xFF}}, {8, {0xA5, 0x01}}, {10, {7, 0}}};
    for (const auto &[index, at] : {std::pair{141, 0xFB746}, {282, 0xFBDE2}}) {
        Writes writes;
        for (const RomWrite &write : recordWrites(index, r))
            writes.emplace_back(write.offset - at, write.bytes);
        EXPECT_EQ(writes, expected) << index;
    }
}

TEST(DropRecord, ReadsSignedFields)
{
    TempRom file(TestImage::pattern());
    RomFile rom;
    ASSERT_TRUE(rom.open(file.path()));
    // INT01, class, byte 3, then the four items.
    file.poke(DropRecord::table.recordOffset(7),
              {0x00, 0x80, 1, 0xAB, 0x01, 0x00, 0xFF, 0xFF, 0x00, 0x01, 0xA5, 0x01});
    file.poke(DropRecord::table.recordOffset(8),
              {0x34, 0x12, 3, 0xAB, 0xFF, 0x7F, 0x00, 0x80, 0, 0, 0xFE, 0xFF});
    RecordSnapshot snapshot;
    const DropRecord r7 = readRecord<DropRecord>(rom, 7, snapshot).value();
    const DropRecord r8 = readRecord<DropRecord>(rom, 8, snapshot).value();
    using Items = std::array<std::int16_t, 4>;
    EXPECT_EQ(std::tuple(r7.int01, r7.byte03, r7.items),
              std::tuple(-32768, 1, Items{1, -1, 0x100, 0x1A5}));
    EXPECT_EQ(std::tuple(r8.int01, r8.byte03, r8.items),
              std::tuple(0x1234, 3, Items{32767, -32768, 0, -2}));
}
