#include "tools/sampleimage.h"

#include "characters/characterrecord.h"
#include "drops/droprecord.h"
#include "monsters/monsterrecord.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <random>

namespace {

using Image = std::vector<std::uint8_t>;

void put(Image &image, const RomWrites &writes)
{
    for (const RomWrite &write : writes)
        std::copy(write.bytes.begin(), write.bytes.end(), image.begin() + write.offset);
}

// Each record goes in the way "Apply" would write it.
template <class Record> void putRecord(Image &image, int index, const Record &record)
{
    put(image, recordWrites(index, record));
}

void writeHeader(Image &image, SampleImage::Region region)
{
    std::memset(&image[0x04], 0, 0xC0 - 0x04); // logo and header fields, NUL-padded
    put(image, {write32(0x00, 0xEA00002E)});   // branch over the header, as every cartridge starts
    std::memcpy(&image[0xA0], "VELMORA", 7);
    std::memcpy(&image[0xAC], region == SampleImage::Region::Usa ? "AVLE" : "AVLJ", 4);
    std::memcpy(&image[0xB0], "01", 2);
    image[0xB2] = 0x96;
    int sum = 0;
    for (std::size_t i = 0xA0; i <= 0xBC; ++i)
        sum -= image[i];
    image[0xBD] = std::uint8_t((sum - 0x19) & 0xFF);
}

void writeCharacters(Image &image, std::mt19937 &random)
{
    for (int n = 0; n < CharacterRecord::table.count; ++n) {
        CharacterRecord c;
        c.level = std::uint8_t(1 + n * 2);
        c.hand = std::uint8_t(random() % 3);
        c.hp = std::int16_t(80 + c.level * 35);
        c.mp = std::int16_t(12 + c.level * 9);
        for (std::uint8_t &stat : c.stats)
            stat = std::uint8_t(5 + c.level + int(random() % 12));
        c.exp = c.level * c.level * 120;
        const bool shield = n % 3 == 0;
        const int ids[slotCount] = {1 + int(random() % 40), // a weapon
                                    shield ? 41 + int(random() % 10) : 0, 81 + int(random() % 20),
                                    121 + int(random() % 30), 171 + int(random() % 20)};
        for (std::size_t i = 0; i < slotCount; ++i)
            c.equipment[i] = {std::int16_t(ids[i]), std::uint8_t(ids[i] >> 8)};
        c.equipment[0].amount = 1;
        c.equipment[1].amount = shield ? 1 : 0;
        putRecord(image, n, c);
    }
}

void writeMonsters(Image &image, std::mt19937 &random)
{
    for (int n = 0; n < MonsterRecord::table.count; ++n) {
        MonsterRecord m;
        m.hp = 20 + n * n / 3 + int(random() % 40);
        m.exp = std::uint16_t(3 + n * 11);
        m.vesk = std::uint16_t(5 + n * 7);
        std::array<std::uint8_t, 23> b{}; // bytes 8..22, small values at the even ones
        for (std::size_t at = 8; at < b.size(); ++at)
            b[at] = std::uint8_t(random() % (at % 2 ? 200 : 16));
        // The fields "Apply" never writes go in as they are: UNK01..UNK06, UNK09 and
        // UNK10 from b, UNK07 and UNK11 drawn below, and the byte at 19.
        for (std::size_t i = 0; i < m.unknowns.size(); ++i)
            if (MonsterField::unknowns[i].at < b.size())
                m.unknowns[i] = b[MonsterField::unknowns[i].at];
        m.magDef = b[15];
        m.magPower = b[22];
        m.unknowns[6] = std::int16_t(random() % 64);
        m.str = std::uint8_t(std::min(255, 4 + n));
        m.def = std::uint8_t(std::min(255, 3 + n * 9 / 10));
        m.unknowns[9] = std::int32_t(random() % 100000);
        const std::uint64_t record = MonsterRecord::table.recordOffset(n);
        for (std::size_t i = 0; i < m.unknowns.size(); ++i)
            put(image, {fieldWrite(record, MonsterField::unknowns[i], m.unknowns[i])});
        image[record + 19] = b[19];
        putRecord(image, n, m);
    }
}

void writeDrops(Image &image, std::mt19937 &random)
{
    for (int n = 0; n < DropRecord::table.count; ++n) {
        DropRecord d;
        d.unknown = std::int16_t(random() % 400);
        d.chanceClass = std::uint8_t(random() % 4);
        for (std::int16_t &item : d.items)
            item = std::int16_t(random() % 3 == 0 ? 0 : 1 + int(random() % 324));
        putRecord(image, n, d);
    }
}

} // namespace

namespace SampleImage {

std::vector<std::uint8_t> make(Region region)
{
    Image image(velmoraImageSize, 0xFF); // erased flash reads FF
    std::mt19937 random(2005);
    writeHeader(image, region);
    writeCharacters(image, random);
    writeMonsters(image, random);
    writeDrops(image, random);
    return image;
}

} // namespace SampleImage
