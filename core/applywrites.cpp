#include "core/applywrites.h"

#include "core/littleendian.h"
#include "core/romfile.h"

#include <optional>

namespace {

ApplyResult refused(ApplyResult::Status status, std::string message)
{
    return {status, std::move(message)};
}

// The whole record, and every write, must lie inside the file.
bool liesInside(const RecordSnapshot &record, const RomWrites &writes, std::uint64_t fileSize)
{
    if (record.offset() + record.size() > fileSize)
        return false;
    for (const RomWrite &write : writes) {
        if (write.offset + write.bytes.size() > fileSize)
            return false;
    }
    return true;
}

// Whether the bytes the writes cover are still those remembered at load;
// nothing when they cannot be read back.
std::optional<bool> unchangedSince(RomFile &rom, const RecordSnapshot &snapshot,
                                   const RomWrites &writes)
{
    for (const RomWrite &write : writes) {
        std::vector<std::uint8_t> now(write.bytes.size());
        if (!rom.read(write.offset, now.data(), now.size()))
            return std::nullopt;
        for (std::size_t i = 0; i < now.size(); ++i) {
            std::uint8_t then = 0;
            if (!snapshot.byteAt(write.offset + i, then) || then != now[i])
                return false;
        }
    }
    return true;
}

// The file's length changed during Apply (or could not be checked): the rest is
// not written. What was written goes onto the disk and is remembered as this
// program's own, so the next Apply compares against what the file holds.
ApplyResult stoppedByLength(RomFile &rom, RecordSnapshot &snapshot, const RomWrites &writes,
                            std::size_t done, bool lastWriteOk, bool lengthKnown)
{
    const std::size_t written = done + (lastWriteOk ? 1 : 0);
    std::string reason = lengthKnown ? std::string() : "\n\n" + rom.errorString();
    for (std::size_t i = 0; i < written; ++i)
        snapshot.remember(writes[i]);
    if (!lastWriteOk) // it may have written part of its bytes
        snapshot.refresh(rom, {writes[done]});
    if (!rom.sync())
        reason += "\n\nWhat was written could not be put on the disk: " + rom.errorString();
    const std::string stopped = "so Apply stopped after " + std::to_string(written) + " of " +
                                std::to_string(writes.size()) +
                                " fields were written. Select the record again to reload it.";
    if (!lengthKnown)
        return refused(ApplyResult::CheckFailed,
                       "The ROM file's length could not be checked after a write, " + stopped +
                           reason);
    return refused(ApplyResult::LengthChanged,
                   "The ROM file's length was changed on disk by another program during Apply, " +
                       stopped + reason);
}

} // namespace

RomWrite write8(std::uint64_t offset, std::uint8_t value)
{
    return {offset, {value}};
}

RomWrite write16(std::uint64_t offset, std::uint16_t value)
{
    return {offset, LittleEndian::fromUnsigned(value, 2)};
}

RomWrite write32(std::uint64_t offset, std::uint32_t value)
{
    return {offset, LittleEndian::fromUnsigned(value, 4)};
}

bool RecordSnapshot::take(RomFile &rom, std::uint64_t offset, std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    if (!rom.read(offset, bytes.data(), bytes.size())) {
        m_bytes.clear();
        return false;
    }
    m_offset = offset;
    m_bytes = std::move(bytes);
    return true;
}

void RecordSnapshot::refresh(RomFile &rom, const RomWrites &writes)
{
    for (const RomWrite &write : writes) {
        std::vector<std::uint8_t> now(write.bytes.size());
        if (rom.read(write.offset, now.data(), now.size()))
            put(write.offset, now); // else the next Apply reads again and says what it finds
    }
}

void RecordSnapshot::remember(const RomWrite &write)
{
    put(write.offset, write.bytes);
}

void RecordSnapshot::put(std::uint64_t offset, const std::vector<std::uint8_t> &bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (offset + i >= m_offset && offset + i - m_offset < m_bytes.size())
            m_bytes[offset + i - m_offset] = bytes[i];
    }
}

bool RecordSnapshot::byteAt(std::uint64_t offset, std::uint8_t &byte) const
{
    if (offset < m_offset || offset - m_offset >= m_bytes.size())
        return false;
    byte = m_bytes[offset - m_offset];
    return true;
}

ApplyResult applyWrites(RomFile &rom, RecordSnapshot &snapshot, const RomWrites &writes)
{
    if (!snapshot.isTaken())
        return refused(ApplyResult::NotLoaded,
                       "This record could not be read from the ROM file, so nothing was "
                       "written. Select the record again to reload it.");
    switch (rom.identityAtName()) {
    case RomFile::Identity::Same:
        break;
    case RomFile::Identity::Replaced:
        return refused(ApplyResult::Replaced,
                       "The ROM file was replaced or removed on disk since it was opened, so "
                       "nothing was written. Open it again (File > Open ROM File).");
    case RomFile::Identity::Unknown:
        return refused(
            ApplyResult::CheckFailed,
            "The ROM file could not be checked by its name, so nothing was written.\n\n" +
                rom.errorString());
    }
    const auto size = rom.size();
    if (!size)
        return refused(ApplyResult::WriteFailed,
                       "Nothing was written to the ROM file.\n\n" + rom.errorString());
    if (!liesInside(snapshot, writes, *size))
        return refused(ApplyResult::OutsideFile,
                       "This record does not lie wholly inside the ROM file, so nothing was "
                       "written. The file is shorter than a Velmora image.");
    const std::optional<bool> unchanged = unchangedSince(rom, snapshot, writes);
    if (!unchanged)
        return refused(ApplyResult::CheckFailed,
                       "This record could not be read back from the ROM file to check it, so "
                       "nothing was written.\n\n" +
                           rom.errorString());
    if (!*unchanged)
        return refused(ApplyResult::ChangedOnDisk,
                       "This record was changed on disk by another program since it was "
                       "loaded, so nothing was written. Select the record again to reload it.");
    for (std::size_t done = 0; done < writes.size(); ++done) {
        const RomWrite &write = writes[done];
        const bool ok = rom.write(write.offset, write.bytes.data(), write.bytes.size());
        // No write call checks the length and writes in one step, so another program
        // may shorten the file in between, and the write lengthen it again: what
        // follows a change of length is not written blind.
        const auto now = rom.size();
        if (now != size)
            return stoppedByLength(rom, snapshot, writes, done, ok, now.has_value());
        if (!ok) {
            // Part of the record may be written: that is this program's change,
            // not another's, so "Apply" again may finish it.
            snapshot.refresh(rom, writes);
            return refused(ApplyResult::WriteFailed,
                           "Writing to the ROM file failed; the record may be only partly "
                           "written. Press Apply again to finish it.\n\n" +
                               rom.errorString());
        }
    }
    if (!rom.sync()) {
        snapshot.refresh(rom, writes);
        return refused(ApplyResult::WriteFailed,
                       "The changes could not be put on the disk.\n\n" + rom.errorString());
    }
    // Remember what is on disk now, so a second Apply is not taken for an outside change.
    if (!snapshot.take(rom, snapshot.offset(), snapshot.size()))
        return refused(ApplyResult::ReadBackFailed,
                       "The record was written, but it could not be read back from the ROM "
                       "file. Select the record again to reload it.\n\n" +
                           rom.errorString());
    return {};
}
