#include "tools/sampleimage.h"

#include "shell/littleendian.h"

#include <cstring>
#include <random>

namespace {

using Image = std::vector<std::uint8_t>;

constexpr std::size_t imageSize = 0x100000;

void put8(Image &image, std::size_t offset, int value)
{
    image[offset] = std::uint8_t(value);
}

void put16(Image &image, std::size_t offset, int value)
{
    const auto bytes = LittleEndian::fromU16(std::uint16_t(value));
    std::memcpy(&image[offset], bytes.data(), bytes.size());
}

void put32(Image &image, std::size_t offset, std::int64_t value)
{
    const auto bytes = LittleEndian::fromU32(std::uint32_t(value));
    std::memcpy(&image[offset], bytes.data(), bytes.size());
}

void writeHeader(Image &image, SampleImage::Region region)
{
    std::memset(&image[0x04], 0, 0xC0 - 0x04); // logo and header fields, NUL-padded
    put32(image, 0x00, 0xEA00002E);            // branch over the header, as every cartridge starts
    std::memcpy(&image[0xA0], "VELMORA", 7);
    std::memcpy(&image[0xAC], region == SampleImage::Region::Usa ? "AVLE" : "AVLJ", 4);
    std::memcpy(&image[0xB0], "01", 2);
    put8(image, 0xB2, 0x96);
    int sum = 0;
    for (std::size_t i = 0xA0; i <= 0xBC; ++i)
        sum -= image[i];
    put8(image, 0xBD, (sum - 0x19) & 0xFF);
}

void writeCharacters(Image &image, std::mt19937 &random)
{
    for (int n = 0; n < 15; ++n) {
        const std::size_t r = 0xF2AD8 + 32 * std::size_t(n);
        const int level = 1 + n * 2;
        put8(image, r + 0, level);
        put8(image, r + 1, int(random() % 3));
        put16(image, r + 2, 80 + level * 35);
        put16(image, r + 4, 12 + level * 9);
        for (int stat = 6; stat <= 10; ++stat)
            put8(image, r + stat, 5 + level + int(random() % 12));
        put8(image, r + 11, 0);
        put32(image, r + 12, std::int64_t(level) * level * 120);
        put16(image, r + 16, 1 + int(random() % 40)); // a weapon
        put8(image, r + 18, 1);
        put16(image, r + 20, n % 3 ? 0 : 41 + int(random() % 10)); // a shield or nothing
        put8(image, r + 22, n % 3 ? 0 : 1);
        put16(image, r + 24, 81 + int(random() % 20)); // ids below 256: amount byte 0
        put16(image, r + 26, 121 + int(random() % 30));
        put16(image, r + 28, 171 + int(random() % 20));
    }
}

void writeMonsters(Image &image, std::mt19937 &random)
{
    for (int n = 0; n < 253; ++n) {
        const std::size_t r = 0xF9114 + 28 * std::size_t(n);
        put32(image, r + 0, 20 + n * n / 3 + int(random() % 40));
        put16(image, r + 4, 3 + n * 11);
        put16(image, r + 6, 5 + n * 7);
        for (int offset = 8; offset < 23; ++offset)
            put8(image, r + std::size_t(offset), int(random() % (offset % 2 ? 200 : 16)));
        put16(image, r + 17, int(random() % 64));
        put8(image, r + 9, std::min(255, 4 + n));
        put8(image, r + 11, std::min(255, 3 + n * 9 / 10));
        put32(image, r + 23, std::int64_t(random() % 100000));
    }
}

void writeDrops(Image &image, std::mt19937 &random)
{
    for (int n = 0; n < 283; ++n) {
        const std::size_t r = 0xFB0AA + 12 * std::size_t(n);
        put16(image, r + 0, int(random() % 400));
        put8(image, r + 2, int(random() % 4));
        for (int slot = 0; slot < 4; ++slot) {
            const bool empty = random() % 3 == 0;
            put16(image, r + 4 + 2 * std::size_t(slot), empty ? 0 : 1 + int(random() % 324));
        }
    }
}

} // namespace

namespace SampleImage {

std::vector<std::uint8_t> make(Region region)
{
    Image image(imageSize, 0xFF); // erased flash reads FF
    std::mt19937 random(2005);
    writeHeader(image, region);
    writeCharacters(image, random);
    writeMonsters(image, random);
    writeDrops(image, random);
    return image;
}

} // namespace SampleImage
