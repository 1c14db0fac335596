#pragma once

#include "core/applywrites.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>
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
};

// A field that "Apply" writes, held in a member of type Value: its width and
// sign follow from Value, and a member of any other type does not compile.
template <class Value> struct Field : RecordField
{
    using Held = Value;
    static constexpr bool written = true;

    constexpr Field(const char *fieldName, std::uint32_t offset)
        : RecordField{fieldName, offset, sizeof(Value), std::is_signed_v<Value>}
    {
    }
};

// A field that is read and shown but never written. Its value is held as a
// plain number whatever its width, so fields of several widths can form one list.
struct ShownField : RecordField
{
    using Held = std::int64_t;
    static constexpr bool written = false;

    template <class Value> static constexpr ShownField of(const char *name, std::uint32_t at)
    {
        return ShownField{{name, at, sizeof(Value), std::is_signed_v<Value>}};
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

// A record kind is a struct that names its table and lists every field it
// reads with the member holding it; the fields "Apply" writes come in the order
// it writes them:
//
//     static constexpr RecordTable table{"drops", ...};
//     template <class Self, class Visit> static void eachField(Self &record, Visit visit)
//     {
//         visit(DropField::unknown, record.unknown);
//         ...
//     }
//
// Shown fields are never written, nor is a member that is an empty std::optional.
namespace RecordFields {

template <class Member, class Held>
inline constexpr bool holds =
    std::is_same_v<Member, Held> || std::is_same_v<Member, std::optional<Held>>;

// Visits every field of the record with its member, each member checked
// against its field's type as the program compiles.
template <class Record, class Visit> void each(Record &record, Visit visit)
{
    std::remove_const_t<Record>::eachField(record, [&visit](const auto &field, auto &member) {
        using Member = std::remove_cvref_t<decltype(member)>;
        using Held = typename std::remove_cvref_t<decltype(field)>::Held;
        static_assert(holds<Member, Held>, "a record member must have its field's type");
        visit(field, member);
    });
}

template <class Held> void set(Held &member, std::int64_t value)
{
    member = Held(value);
}

template <class Held> void set(std::optional<Held> &member, std::int64_t value)
{
    member = Held(value);
}

// A member's number, or nothing for an empty std::optional.
template <class Held> std::optional<std::int64_t> valueOf(const Held &member)
{
    return std::int64_t(member);
}

template <class Held> std::optional<std::int64_t> valueOf(const std::optional<Held> &member)
{
    return member ? std::optional<std::int64_t>(*member) : std::nullopt;
}

template <class Held>
void add(RomWrites &writes, std::uint64_t record, const RecordField &field, const Held &member)
{
    writes.push_back(fieldWrite(record, field, std::int64_t(member)));
}

template <class Held>
void add(RomWrites &writes, std::uint64_t record, const RecordField &field,
         const std::optional<Held> &member)
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
    RecordFields::each(record, [&snapshot](const RecordField &field, auto &member) {
        RecordFields::set(member, fieldValue(snapshot.bytes(), field));
    });
    return record;
}

// The writes of "Apply" for record `index`, in the order its kind lists them;
// the shown fields are left out. An index outside the table is the caller's
// mistake: it would write over the bytes beside the table, so it throws
// std::out_of_range instead.
template <class Record> RomWrites recordWrites(int index, const Record &record)
{
    if (!Record::table.holds(index))
        throw std::out_of_range(std::string(Record::table.name) + " has no record " +
                                std::to_string(index));
    const std::uint64_t at = Record::table.recordOffset(index);
    RomWrites writes;
    RecordFields::each(record, [&writes, at](const auto &field, const auto &member) {
        if constexpr (std::remove_cvref_t<decltype(field)>::written)
            RecordFields::add(writes, at, field, member);
    });
    return writes;
}
