// The ROM file on Windows: positioned reads and writes on a handle shared with
// other programs, which may read, write, rename or delete the file meanwhile.
#include "core/romfile.h"

#include "core/devicename.h"

#include <cstring>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

std::string RomFile::systemMessage()
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

namespace {

OVERLAPPED at(std::uint64_t offset)
{
    OVERLAPPED overlapped{};
    overlapped.Offset = DWORD(offset & 0xFFFFFFFFu);
    overlapped.OffsetHigh = DWORD(offset >> 32);
    return overlapped;
}

// A regular file on a file system has a file index and is neither a folder
// nor a device; a disk, volume, console or pipe handle is none of that, even
// where Windows calls its type a disk.
bool isRegularFile(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) &&
           !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) &&
           (info.nFileIndexHigh | info.nFileIndexLow) != 0;
}

} // namespace

bool RomFile::open(const std::filesystem::path &path)
{
    close();
    m_error.clear();
    if (namesWindowsDevice(path)) // refused before opening touches the device
        return notRegular();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
        return notRegular();
    // No lock: other programs may read, write, rename or delete the file meanwhile.
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return fail("Cannot open the file for reading and writing");
    // A link, or another program meanwhile, may have led the name to something else.
    if (!isRegularFile(handle)) {
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
    if (size == 0)
        return true; // nothing to do, and data may be null (an empty vector's)
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
