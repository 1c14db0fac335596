#include "shell/romfile.h"

#include <cstring>
#include <system_error>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
std::string systemMessage()
{
    const DWORD code = GetLastError();
    wchar_t *buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    std::string text;
    if (length > 0) {
        const int bytes =
            WideCharToMultiByte(CP_UTF8, 0, buffer, int(length), nullptr, 0, nullptr, nullptr);
        text.resize(std::size_t(bytes));
        WideCharToMultiByte(CP_UTF8, 0, buffer, int(length), text.data(), bytes, nullptr, nullptr);
        LocalFree(buffer);
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text.empty() ? "system error " + std::to_string(code) : text;
}

OVERLAPPED at(std::uint64_t offset)
{
    OVERLAPPED overlapped{};
    overlapped.Offset = DWORD(offset & 0xFFFFFFFFu);
    overlapped.OffsetHigh = DWORD(offset >> 32);
    return overlapped;
}
#else
std::string systemMessage()
{
    return std::generic_category().message(errno);
}
#endif

} // namespace

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

#ifdef _WIN32

bool RomFile::open(const std::filesystem::path &path)
{
    close();
    m_error.clear();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return notRegular();
    // No lock: other programs may read, write, rename or delete the file meanwhile.
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return fail("Cannot open the file for reading and writing");
    // A device or pipe name (NUL, COM1, \\.\pipe\...) opens something that is no file.
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return notRegular();
    }
    m_handle = handle;
    m_path = path;
    return true;
}

RomFile::Identity RomFile::identityAtName()
{
    BY_HANDLE_FILE_INFORMATION opened{};
    FILE_STANDARD_INFO standard{};
    if (!m_handle || !GetFileInformationByHandle(static_cast<HANDLE>(m_handle), &opened) ||
        !GetFileInformationByHandleEx(static_cast<HANDLE>(m_handle), FileStandardInfo, &standard,
                                      sizeof standard)) {
        fail("Cannot identify the open file");
        return Identity::Unknown;
    }
    // Deleted while open: the name goes when the last handle closes, and the file with it.
    if (standard.DeletePending)
        return Identity::Replaced;
    HANDLE named =
        CreateFileW(m_path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (named == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        fail("Cannot find the file by its name");
        return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? Identity::Replaced
                                                                            : Identity::Unknown;
    }
    BY_HANDLE_FILE_INFORMATION atName{};
    const bool known = GetFileInformationByHandle(named, &atName);
    CloseHandle(named);
    if (!known) {
        fail("Cannot identify the file by its name");
        return Identity::Unknown;
    }
    const bool same = opened.dwVolumeSerialNumber == atName.dwVolumeSerialNumber &&
                      opened.nFileIndexHigh == atName.nFileIndexHigh &&
                      opened.nFileIndexLow == atName.nFileIndexLow;
    return same ? Identity::Same : Identity::Replaced;
}

void RomFile::close()
{
    if (m_handle)
        CloseHandle(static_cast<HANDLE>(m_handle));
    m_handle = nullptr;
}

bool RomFile::isOpen() const
{
    return m_handle != nullptr;
}

std::optional<std::uint64_t> RomFile::size()
{
    LARGE_INTEGER size{};
    if (!m_handle || !GetFileSizeEx(static_cast<HANDLE>(m_handle), &size)) {
        fail("Cannot read the file size");
        return std::nullopt;
    }
    return std::uint64_t(size.QuadPart);
}

bool RomFile::read(std::uint64_t offset, std::uint8_t *data, std::size_t size)
{
    std::memset(data, 0, size);
    OVERLAPPED overlapped = at(offset);
    DWORD done = 0;
    if (!m_handle ||
        (!ReadFile(static_cast<HANDLE>(m_handle), data, DWORD(size), &done, &overlapped) &&
         GetLastError() != ERROR_HANDLE_EOF))
        return fail("Cannot read from the file");
    return true;
}

bool RomFile::writeAt(std::uint64_t offset, const std::uint8_t *data, std::size_t size)
{
    OVERLAPPED overlapped = at(offset);
    DWORD done = 0;
    if (!WriteFile(static_cast<HANDLE>(m_handle), data, DWORD(size), &done, &overlapped) ||
        done != size)
        return fail("Cannot write to the file");
    return true;
}

bool RomFile::sync()
{
    if (!m_handle || !FlushFileBuffers(static_cast<HANDLE>(m_handle)))
        return fail("Cannot put the changes on the disk");
    return true;
}

std::optional<std::uint64_t> RomFile::fileSize(const std::filesystem::path &path,
                                               std::string *error)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        if (error)
            *error = systemMessage();
        return std::nullopt;
    }
    return (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

#else

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

#endif

bool RomFile::write(std::uint64_t offset, const std::uint8_t *data, std::size_t size)
{
    const auto length = this->size();
    if (!length)
        return false;
    if (offset + size > *length) {
        m_error = "The write lies outside the file.";
        return false;
    }
    return writeAt(offset, data, size);
}
