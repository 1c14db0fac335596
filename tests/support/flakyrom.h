#pragma once

#include "core/romfile.h"

#include <functional>
#include <utility>

// A ROM file on a failing disk: reads fail while readsFail is set (from the first sync
// on with readsFailAfterSync), the write numbered failingWrite (from 1) fails, and so
// does the first sync with syncFails. beforeWrite(n): another program before write n.
// syncs counts the syncs asked for; the file's length cannot be read once write
// sizeFailsAfterWrite is done.
class FlakyRom : public RomFile
{
public:
    bool readsFail = false;
    int failingWrite = 0;
    bool syncFails = false;
    std::function<void(int)> beforeWrite = [](int) {};
    bool readsFailAfterSync = false;
    int syncs = 0;
    int sizeFailsAfterWrite = 0;

    bool read(std::uint64_t offset, std::uint8_t *data, std::size_t size) override
    {
        return readsFail ? fail("Cannot read") : RomFile::read(offset, data, size);
    }
    bool write(std::uint64_t offset, const std::uint8_t *data, std::size_t size) override
    {
        beforeWrite(++m_writes);
        const bool ok =
            m_writes == failingWrite ? fail("Cannot write") : RomFile::write(offset, data, size);
        m_written = m_writes;
        return ok;
    }
    std::optional<std::uint64_t> size() override
    {
        if (sizeFailsAfterWrite > 0 && m_written >= sizeFailsAfterWrite)
            return fail("Cannot stat"), std::nullopt;
        return RomFile::size();
    }
    bool sync() override
    {
        ++syncs;
        readsFail |= readsFailAfterSync;
        return std::exchange(syncFails, false) ? fail("Cannot sync") : RomFile::sync();
    }

private:
    int m_writes = 0;
    int m_written = 0;
};
