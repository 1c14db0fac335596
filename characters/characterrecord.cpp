#include "characters/characterrecord.h"

#include "shell/romfile.h"

namespace {

// Reads one field after another and stops at the first that fails.
class FieldReader
{
public:
    FieldReader(RomFile &rom, std::uint64_t record) : m_rom(rom), m_record(record) {}

    void u8(int field, std::uint8_t &value)
    {
        m_ok = m_ok && readU8(m_rom, m_record + field, value);
    }
    void i16(int field, std::int16_t &value)
    {
        m_ok = m_ok && readI16(m_rom, m_record + field, value);
    }
    void i32(int field, std::int32_t &value)
    {
        m_ok = m_ok && readI32(m_rom, m_record + field, value);
    }
    bool ok() const { return m_ok; }

private:
    RomFile &m_rom;
    std::uint64_t m_record;
    bool m_ok = true;
};

} // namespace

bool readCharacter(RomFile &rom, int index, CharacterRecord &record)
{
    using namespace CharacterField;
    FieldReader read(rom, CharacterTable::recordOffset(index));
    std::uint8_t handByte = 0;
    read.u8(level, record.level);
    read.u8(hand, handByte);
    read.i16(hp, record.hp);
    read.i16(mp, record.mp);
    for (std::size_t i = 0; i < record.stats.size(); ++i)
        read.u8(stats + int(i), record.stats[i]);
    read.u8(unknown, record.unknown);
    read.i32(exp, record.exp);
    for (std::size_t i = 0; i < slotCount; ++i) {
        read.i16(itemId[i], record.equipment[i].itemId);
        read.u8(amount[i], record.equipment[i].amount);
    }
    record.hand = handByte;
    return read.ok();
}

RomWrites characterWrites(int index, const CharacterRecord &record)
{
    using namespace CharacterField;
    const std::uint64_t r = CharacterTable::recordOffset(index);
    RomWrites writes;
    writes.reserve(21);
    writes.push_back(write8(r + level, record.level));
    writes.push_back(write16(r + hp, std::uint16_t(record.hp)));
    writes.push_back(write16(r + mp, std::uint16_t(record.mp)));
    for (std::size_t i = 0; i < record.stats.size(); ++i)
        writes.push_back(write8(r + stats + i, record.stats[i]));
    writes.push_back(write8(r + unknown, record.unknown));
    writes.push_back(write32(r + exp, std::uint32_t(record.exp)));
    // The id first and the amount second: where the two share a byte, the amount wins.
    for (std::size_t i = 0; i < slotCount; ++i) {
        writes.push_back(write16(r + itemId[i], std::uint16_t(record.equipment[i].itemId)));
        writes.push_back(write8(r + amount[i], record.equipment[i].amount));
    }
    if (record.hand)
        writes.push_back(write8(r + hand, *record.hand));
    return writes;
}
