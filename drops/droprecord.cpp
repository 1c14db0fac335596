#include "drops/droprecord.h"

#include "shell/romfile.h"

std::optional<DropRecord> readDropRecord(RomFile &rom, int index)
{
    const std::uint64_t r = DropTable::recordOffset(index);
    DropRecord record;
    if (!readI16(rom, r + DropTable::int01At, record.int01) ||
        !readU8(rom, r + DropTable::byte03At, record.byte03))
        return std::nullopt;
    for (std::size_t slot = 0; slot < record.items.size(); ++slot) {
        if (!readI16(rom, r + DropTable::itemsAt + 2 * slot, record.items[slot]))
            return std::nullopt;
    }
    return record;
}

RomWrites dropRecordWrites(int index, const DropRecord &record)
{
    const std::uint64_t r = DropTable::recordOffset(index);
    RomWrites writes{write16(r + DropTable::int01At, std::uint16_t(record.int01)),
                     write8(r + DropTable::byte03At, record.byte03)};
    for (std::size_t slot = 0; slot < record.items.size(); ++slot)
        writes.push_back(
            write16(r + DropTable::itemsAt + 2 * slot, std::uint16_t(record.items[slot])));
    return writes;
}
