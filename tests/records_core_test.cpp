#include "characters/characterrecord.h"
#include "core/romfile.h"
#include "drops/droprecord.h"
#include "monsters/monsterrecord.h"
#include "tests/support/romimage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// The writes as "offset:bytes" in hexadecimal, offsets from base: "0:FEFF 2:03".
std::string from(std::uint64_t base, const RomWrites &writes)
{
    std::string text;
    char hex[3];
    for (const RomWrite &write : writes) {
        if (!text.empty()) // appended piece by piece: GCC 12 warns of "+" here (-Wrestrict)
            text += ' ';
        text += std::to_string(write.offset - base);
        text += ':';
        for (const std::uint8_t byte : write.bytes)
            text += (std::snprintf(hex, sizeof hex, "%02X", byte), hex);
    }
    return text;
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
    const MonsterRecord s{
        .hp = -2, .exp = 0xFEDC, .vesk = 0x1234, .str = 1, .def = 2, .magDef = 3, .magPower = 0xFF};
    EXPECT_EQ(from(MonsterRecord::table.recordOffset(100), recordWrites(100, s)),
              "0:FEFFFFFF 4:DCFE 6:3412 9:01 11:02 15:03 22:FF");

    const DropRecord d{-2, 3, {0x144, -1, 0x1A5, 7}};
    EXPECT_EQ(from(DropRecord::table.recordOffset(282), recordWrites(282, d)),
              "0:FEFF 2:03 4:4401 6:FFFF 8:A501 10:0700");
}

// The tables lie apart inside a Velmora image, in order; a record outside its table is
// neither read nor written. (Every record read and written back: the round trips of
// the fuzz targets and of the window tests.)
TEST(Tables, KeepApartAndRefuseIndexesOutside)
{
    const RecordTable *tables[] = {&CharacterRecord::table, &MonsterRecord::table,
                                   &DropRecord::table};
    for (std::size_t i = 1; i < std::size(tables); ++i)
        EXPECT_LE(tables[i - 1]->end(), tables[i]->offset) << tables[i]->name;
    EXPECT_LE(tables[2]->end(), velmoraImageSize);
    TempRom file(TestImage::random(5));
    RomFile rom;
    ASSERT_TRUE(rom.open(file.path()));
    const auto refused = [&rom]<class Record>(Record record) {
        RecordSnapshot snapshot;
        for (const int outside : {-1, Record::table.count}) {
            EXPECT_FALSE(readRecord<Record>(rom, outside, snapshot) || snapshot.isTaken());
            EXPECT_THROW(recordWrites(outside, record), std::out_of_range) << outside;
        }
    };
    refused(CharacterRecord()), refused(MonsterRecord()), refused(DropRecord());
}

} // namespace
