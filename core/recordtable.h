#pragma once

#include "core/applywrites.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

class RomFile;

// Every record kind describes its table once, as data: where the table lies in
// the file and where each field sits in a record. Reading a record and listing
// the writes of "Apply" both follow that description, the same way for all kinds.

// A Velmora image is 1 MiB (8 Mbit); every table lies inside it.
inline constexpr std::uint64_t velmoraImageSize = 0x100000;

// One field: its offset inside the record, its width in bytes (low byte first)
// and whether those bytes hold a signed number.
struct RecordField
{
    const char *name;
    std::uint32_t at;
    std::uint32_t width;
    bool isSigned;

    // The numbers the field can hold.
    constexpr std::int64_t minimum() const
    {
        return isSigned ? -(std::int64_t(1) << (8 * width - 1)) : 0;
    }
    constexpr std::int64_t maximum() const
    {
        return (std::int64_t(1) << (8 * width - (isSigned ? 1 : 0))) - 1;
    }

    static constexpr RecordField u8(const char *name, std::uint32_t at)
    {
        return {name, at, 1, false};
    }
    static constexpr RecordField u16(const char *name, std::uint32_t at)
    {
        return {name, at, 2, false};
    }
    static constexpr RecordField i16(const char *name, std::uint32_t at)
    {
        return {name, at, 2, true};
    }
    static constexpr RecordField i32(const char *name, std::uint32_t at)
    {
        return {name, at, 4, true};
    }
};

// `count` records of `recordSize` bytes, back to back from `offset`.
struct RecordTable
{
    const char *name;
    std::uint64_t offset;
    int count;
    std::uint32_t recordSize;

    constexpr std::uint64_t recordOffset(int index) const
    {
        return offset + std::uint64_t(index) * recordSize;
    }
    constexpr std::uint64_t end() const { return recordOffset(count); }
    constexpr bool holds(int index) const { return index >= 0 && index < count; }
};

// The field's value in the bytes of one record.
std::int64_t fieldValue(const std::vector<std::uint8_t> &record, const RecordField &field);
// The write that stores value in the field of the record at recordOffset.
RomWrite fieldWrite(std::uint64_t recordOffset, const RecordField &field, std::int64_t value);

// A record kind is a struct that names its table and lists each field with the
// member holding it, in the order "Apply" writes them:
//
//     static constexpr RecordTable table{"drops", ...};
//     template <class Self, class Visit> static void eachField(Self &record, Visit visit)
//     {
//         visit(DropField::INT01, record.int01);
//         ...
//     }
//
// A member that is an empty std::optional is not written.
namespace RecordFields {

// The member that holds a field has the field's width and sign and takes its
// value as it is, so the description and the struct cannot disagree. A mistake
// here is this program's own; the table check reads every record of every kind.
template <class Member> void set(Member &member, const RecordField &field, std::int64_t value)
{
    if (sizeof(Member) != field.width || std::is_signed_v<Member> != field.isSigned ||
        !std::in_range<Member>(value))
        throw std::logic_error(std::string(field.name) + " is held in a member of another type");
    member = Member(value);
}

template <class Member>
void set(std::optional<Member> &member, const RecordField &field, std::int64_t value)
{
    Member held{};
    set(held, field, value);
    member = held;
}

template <class Member>
void add(RomWrites &writes, std::uint64_t record, const RecordField &field, const Member &member)
{
    writes.push_back(fieldWrite(record, field, std::int64_t(member)));
}

template <class Member>
void add(RomWrites &writes, std::uint64_t record, const RecordField &field,
         const std::optional<Member> &member)
{
    if (member)
        add(writes, record, field, *member);
}

} // namespace RecordFields

// Reads record `index` in one read, which the snapshot keeps for Apply's check,
// and takes every field from those bytes, so what is shown and what Apply
// compares against cannot differ. Nothing, and no snapshot, when the read fails
// or the table has no record `index`.
template <class Record>
std::optional<Record> readRecord(RomFile &rom, int index, RecordSnapshot &snapshot)
{
    if (!Record::table.holds(index)) {
        snapshot = RecordSnapshot();
        return std::nullopt;
    }
    if (!snapshot.take(rom, Record::table.recordOffset(index), Record::table.recordSize))
        return std::nullopt;
    Record record;
    Record::eachField(record, [&snapshot](const RecordField &field, auto &member) {
        RecordFields::set(member, field, fieldValue(snapshot.bytes(), field));
    });
    return record;
}

// The writes of "Apply" for record `index`, in the order its kind lists them.
// An index outside the table is the caller's mistake: it would write over
// the bytes beside the table, so it throws std::out_of_range instead.
template <class Record> RomWrites recordWrites(int index, const Record &record)
{
    if (!Record::table.holds(index))
        throw std::out_of_range(std::string(Record::table.name) + " has no record " +
                                std::to_string(index));
    const std::uint64_t at = Record::table.recordOffset(index);
    RomWrites writes;
    Record::eachField(record, [&writes, at](const RecordField &field, const auto &member) {
        RecordFields::add(writes, at, field, member);
    });
    return writes;
}
