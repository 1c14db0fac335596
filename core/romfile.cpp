#include "core/romfile.h"

// What the two platforms share; each has its own file for the rest
// (romfile_posix.cpp, romfile_windows.cpp).

RomFile::~RomFile()
{
    close();
}

bool RomFile::fail(std::string what)
{
    m_error = std::move(what) + ": " + systemMessage();
    return false;
}

bool RomFile::notRegular()
{
    m_error = "Cannot open the file for reading and writing: not a regular file";
    return false;
}

bool RomFile::write(std::uint64_t offset, const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return true; // nothing to do, and data may be null (an empty vector's)
    const auto length = this->size();
    if (!length)
        return false;
    if (offset + size > *length) {
        m_error = "The write lies outside the file.";
        return false;
    }
    return writeAt(offset, data, size);
}
