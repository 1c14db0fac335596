#include "core/recordtable.h"

#include "core/littleendian.h"

#include <stdexcept>
#include <string>

std::int64_t fieldValue(const std::vector<std::uint8_t> &record, const RecordField &field)
{
    // A field described outside its record is this program's mistake; the table check catches it.
    if (field.at + field.width > record.size())
        throw std::out_of_range(std::string(field.name) + " lies outside its record");
    const std::uint64_t value = LittleEndian::toUnsigned(record.data() + field.at, field.width);
    const std::uint64_t signBit = std::uint64_t(1) << (8 * field.width - 1);
    if (field.isSigned && (value & signBit) != 0)
        return std::int64_t(value) - std::int64_t(2 * signBit); // two's complement
    return std::int64_t(value);
}

RomWrite fieldWrite(std::uint64_t recordOffset, const RecordField &field, std::int64_t value)
{
    return {recordOffset + field.at, LittleEndian::fromUnsigned(std::uint64_t(value), field.width)};
}
