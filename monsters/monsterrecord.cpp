#include "monsters/monsterrecord.h"

#include "shell/romfile.h"

namespace {

// Reads one field at a time at its own file position; stops at the first failure.
struct FieldReader
{
    RomFile &rom;
    std::uint64_t base;
    bool ok = true;

    void operator()(std::uint64_t at, std::uint8_t &value)
    {
        ok = ok && readU8(rom, base + at, value);
    }
    void operator()(std::uint64_t at, std::int16_t &value)
    {
        ok = ok && readI16(rom, base + at, value);
    }
    void operator()(std::uint64_t at, std::int32_t &value)
    {
        ok = ok && readI32(rom, base + at, value);
    }
};

} // namespace

std::optional<MonsterRecord> MonsterRecord::read(RomFile &rom, int index)
{
    namespace F = MonsterTable::Field;
    MonsterRecord r;
    MonsterStats &s = r.stats;
    std::int16_t exp = 0;
    std::int16_t vesk = 0;
    FieldReader field{rom, MonsterTable::recordOffset(index)};
    field(F::HP, s.hp);
    field(F::UNK01, r.unk01);
    field(F::STR, s.str);
    field(F::UNK02, r.unk02);
    field(F::DEF, s.def);
    field(F::UNK03, r.unk03);
    field(F::UNK04, r.unk04);
    field(F::UNK05, r.unk05);
    field(F::MAGDEF, s.magDef);
    field(F::UNK06, r.unk06);
    field(F::UNK07, r.unk07);
    field(F::Byte19, r.byte19);
    field(F::UNK09, r.unk09);
    field(F::UNK10, r.unk10);
    field(F::MAGPower, s.magPower);
    field(F::UNK11, r.unk11);
    field(F::EXP, exp);
    field(F::Vesk, vesk);
    if (!field.ok)
        return std::nullopt;
    // Stored as signed 16-bit, shown as 0..65535.
    s.exp = std::uint16_t(exp);
    s.vesk = std::uint16_t(vesk);
    return r;
}

RomWrites monsterWrites(int index, const MonsterStats &stats)
{
    namespace F = MonsterTable::Field;
    const std::uint64_t base = MonsterTable::recordOffset(index);
    return {
        write32(base + F::HP, std::uint32_t(stats.hp)),
        write16(base + F::EXP, stats.exp),
        write16(base + F::Vesk, stats.vesk),
        write8(base + F::STR, stats.str),
        write8(base + F::DEF, stats.def),
        write8(base + F::MAGDEF, stats.magDef),
        write8(base + F::MAGPower, stats.magPower),
    };
}
