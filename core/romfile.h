#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// The one open ROM file. Every read and write goes straight to the file on
// disk at a 0-based offset; nothing is cached. Other processes may read and
// write the file while it is open. Failures return false and keep the
// operating system's message in errorString().
class RomFile
{
public:
    RomFile() = default;
    virtual ~RomFile();
    RomFile(const RomFile &) = delete;
    RomFile &operator=(const RomFile &) = delete;

    // Opens for reading and writing; a name that does not exist is created empty.
    // Only a regular file (after following links) is a ROM file: a folder, a
    // pipe or a device is refused.
    bool open(const std::filesystem::path &path);
    void close();
    bool isOpen() const;

    // Reads size bytes at offset; bytes past the end of the file read as zero.
    virtual bool read(std::uint64_t offset, std::uint8_t *data, std::size_t size);
    // Writes size bytes at offset; refuses a write that would make the file longer.
    virtual bool write(std::uint64_t offset, const std::uint8_t *data, std::size_t size);
    // Puts everything written so far on the disk.
    virtual bool sync();
    virtual std::optional<std::uint64_t> size();
    enum class Identity
    {
        Same,     // the name still names this very file
        Replaced, // another program saved a new file over the name, or deleted it
        Unknown   // it could not be told; errorString() says why
    };
    Identity identityAtName();

    const std::string &errorString() const { return m_error; }

    static std::optional<std::uint64_t> fileSize(const std::filesystem::path &path,
                                                 std::string *error = nullptr);

protected:
    bool fail(std::string what);

private:
    // The operating system's message for the last failure.
    static std::string systemMessage();
    bool notRegular();
    bool writeAt(std::uint64_t offset, const std::uint8_t *data, std::size_t size);

#ifdef _WIN32
    void *m_handle = nullptr;
#else
    int m_fd = -1;
#endif
    std::filesystem::path m_path;
    std::string m_error;
};
