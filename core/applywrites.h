#pragma once

#include <cstdint>
#include <string>
#include <vector>

class RomFile;

// "Apply" in every editor: the record code lists its writes in the order its
// save procedure gives, and applyWrites() puts them into the file, guarded so
// that it never grows the file, never overwrites a change another program made
// since the record was loaded, and never hides a failed write.

struct RomWrite
{
    std::uint64_t offset = 0;
    std::vector<std::uint8_t> bytes;
};
using RomWrites = std::vector<RomWrite>;

RomWrite write8(std::uint64_t offset, std::uint8_t value);
RomWrite write16(std::uint64_t offset, std::uint16_t value);
RomWrite write32(std::uint64_t offset, std::uint32_t value);

// The bytes of one record as they were when it was loaded (or last applied).
class RecordSnapshot
{
public:
    bool take(RomFile &rom, std::uint64_t offset, std::size_t size);
    bool isTaken() const { return !m_bytes.empty(); }
    std::uint64_t offset() const { return m_offset; }
    std::size_t size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t> &bytes() const { return m_bytes; }
    // The remembered byte at a file offset inside the record.
    bool byteAt(std::uint64_t offset, std::uint8_t &byte) const;
    // Remembers what is on disk now for the bytes the writes cover, after a
    // failed Apply left some of them written.
    void refresh(RomFile &rom, const RomWrites &writes);
    // Remembers the bytes of a write this program made.
    void remember(const RomWrite &write);

private:
    void put(std::uint64_t offset, const std::vector<std::uint8_t> &bytes);

    std::uint64_t m_offset = 0;
    std::vector<std::uint8_t> m_bytes;
};

struct ApplyResult
{
    enum Status
    {
        Written,
        NotLoaded,
        Replaced,
        CheckFailed, // the program could not read what it must check first
        OutsideFile,
        ChangedOnDisk,
        WriteFailed,
        LengthChanged, // by another program while writing: the rest was not written
        ReadBackFailed // written, but the record could not be read again after
    };
    Status status = Written;
    std::string message; // for the user; empty when written

    bool ok() const { return status == Written; }
};

// Checks, writes in order, syncs; on success the snapshot holds the new bytes.
// After each write it checks the file's length again and stops when it changed.
ApplyResult applyWrites(RomFile &rom, RecordSnapshot &snapshot, const RomWrites &writes);
