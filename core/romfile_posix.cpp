// The ROM file on Linux and other POSIX systems: positioned reads and writes.
#include "core/romfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

std::string RomFile::systemMessage()
{
    return std::generic_category().message(errno);
}

bool RomFile::open(const std::filesystem::path &path)
{
    close();
    m_error.clear();
    struct stat info
    {
    };
    // Looked at before the open, as opening a device or a pipe may itself act.
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return notRegular();
    // Non-blocking, so a pipe put there meanwhile cannot hang the open; a regular file ignores it.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
        return fail("Cannot open the file for reading and writing");
    // Another program may have put something else at the name meanwhile.
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return notRegular();
    }
    m_fd = fd;
    m_path = path;
    return true;
}

RomFile::Identity RomFile::identityAtName()
{
    struct stat opened
    {
    };
    struct stat atName
    {
    };
    if (m_fd < 0 || fstat(m_fd, &opened) != 0) {
        fail("Cannot identify the open file");
        return Identity::Unknown;
    }
    if (::stat(m_path.c_str(), &atName) != 0) {
        const bool gone = errno == ENOENT || errno == ENOTDIR;
        fail("Cannot find the file by its name");
        return gone ? Identity::Replaced : Identity::Unknown;
    }
    const bool same = opened.st_dev == atName.st_dev && opened.st_ino == atName.st_ino;
    return same ? Identity::Same : Identity::Replaced;
}

void RomFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool RomFile::isOpen() const
{
    return m_fd >= 0;
}

std::optional<std::uint64_t> RomFile::size()
{
    struct stat info
    {
    };
    if (m_fd < 0 || fstat(m_fd, &info) != 0) {
        fail("Cannot read the file size");
        return std::nullopt;
    }
    return std::uint64_t(info.st_size);
}

bool RomFile::read(std::uint64_t offset, std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return true; // nothing to do, and data may be null (an empty vector's)
    std::memset(data, 0, size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(m_fd, data + done, size - done, off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail("Cannot read from the file");
        if (got == 0)
            break; // past the end: the rest stays zero
        done += std::size_t(got);
    }
    return true;
}

bool RomFile::writeAt(std::uint64_t offset, const std::uint8_t *data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t put = ::pwrite(m_fd, data + done, size - done, off_t(offset + done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return fail("Cannot write to the file");
        done += std::size_t(put);
    }
    return true;
}

bool RomFile::sync()
{
    if (m_fd < 0 || ::fsync(m_fd) != 0)
        return fail("Cannot put the changes on the disk");
    return true;
}

std::optional<std::uint64_t> RomFile::fileSize(const std::filesystem::path &path,
                                               std::string *error)
{
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0) {
        if (error)
            *error = systemMessage();
        return std::nullopt;
    }
    return std::uint64_t(info.st_size);
}
