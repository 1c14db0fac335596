#include "core/applywrites.h"
#include "core/devicename.h"
#include "core/numbertext.h"
#include "tests/support/flakyrom.h"
#include "tests/support/romimage.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <functional>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readBack(RomFile &rom, std::uint64_t offset, std::size_t size)
{
    Bytes bytes(size, 0xEE);
    EXPECT_TRUE(rom.read(offset, bytes.data(), size)) << rom.errorString();
    return bytes;
}

// ---- RomFile ----

// Under a non-ASCII name, with the bytes a text-mode stream would translate.
TEST(RomFile, ReadsAnyWidthZeroPastTheEndAndWritesInPlace)
{
    const Bytes bytes = {0x0A, 0x0D, 0x1A, 0x00, 0x05, 0x06, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0x7F};
    TempRom file(bytes, std::filesystem::path(u8"Velmöra ヴェル.gba"));
    RomFile rom;
    ASSERT_TRUE(rom.open(file.path())) << rom.errorString();
    EXPECT_EQ(RomFile::fileSize(file.path()), bytes.size());
    const std::tuple<std::uint64_t, std::size_t, Bytes> reads[] = {
        {0, 12, bytes}, {1, 2, {0x0D, 0x1A}},  {10, 4, {0xFF, 0x7F, 0, 0}},
        {12, 1, {0}},   {0x100000, 2, {0, 0}},
    };
    for (const auto &[offset, size, expected] : reads)
        EXPECT_EQ(readBack(rom, offset, size), expected) << "offset " << offset;

    const std::array<std::uint8_t, 4> lineEnds{0x0D, 0x0A, 0x0D, 0x0A};
    EXPECT_TRUE(rom.write(8, lineEnds.data(), 4));
    EXPECT_FALSE(rom.write(9, lineEnds.data(), 4) ||
                 rom.write(12, lineEnds.data(), 1)); // never grows
    EXPECT_FALSE(rom.errorString().empty());
    EXPECT_TRUE(rom.read(20, nullptr, 0) && rom.write(20, nullptr, 0)); // no bytes: nothing done
    file.poke(0, {0x42}); // another program's change is seen at once
    EXPECT_EQ(readBack(rom, 0, 1), Bytes{0x42});
    ASSERT_TRUE(rom.sync());
    rom.close();
    EXPECT_EQ(file.bytes(),
              (Bytes{0x42, 0x0D, 0x1A, 0x00, 5, 6, 0x00, 0x80, 0x0D, 0x0A, 0x0D, 0x0A}));
}

// ---- Apply ----

// A 64-byte file, open, and its record at 16..31 as loaded.
struct Opened
{
    TempRom file{TestImage::pattern(64)};
    FlakyRom rom;
    RecordSnapshot snapshot;
    Opened() { EXPECT_TRUE(rom.open(file.path()) && snapshot.take(rom, 16, 16)); }
};

// A record that does not lie wholly inside the file (the file would grow), one
// another program changed since it was loaded, one that was never loaded: nothing
// is written, and the message says why.
TEST(Apply, RefusesAndWritesNothing)
{
    const std::tuple<std::function<void(Opened &)>, ApplyResult::Status, const char *> cases[] = {
        {[](Opened &o) { std::filesystem::resize_file(o.file.path(), 20); },
         ApplyResult::OutsideFile, "does not lie wholly inside the ROM file"},
        {[](Opened &o) { o.file.poke(18, {0x55}); }, ApplyResult::ChangedOnDisk,
         "changed on disk by another program"},
        {[](Opened &o) { o.snapshot = RecordSnapshot(); }, ApplyResult::NotLoaded,
         "could not be read from the ROM file"}};
    for (const auto &[change, status, why] : cases) {
        Opened o;
        change(o);
        const Bytes before = o.file.bytes();
        const ApplyResult result = applyWrites(o.rom, o.snapshot, {write8(16, 1), write16(18, 2)});
        EXPECT_EQ(result.status, status);
        EXPECT_NE(result.message.find(why), std::string::npos) << result.message;
        EXPECT_EQ(o.file.bytes(), before) << why;
    }
}

// Another program saves a new file over the name, or deletes it: the open file
// is no longer the one at the name, and writing into it would be lost.
TEST(Apply, RefusesWhenTheNameNoLongerNamesTheOpenFile)
{
    const std::function<void(const TempRom &)> changes[] = {
        [](const TempRom &file) { // the old file moved aside, a new one put in its place
            std::filesystem::rename(file.path(), file.folder() / "old.gba");
            std::filesystem::copy_file(file.folder() / "old.gba", file.path());
        },
// Windows refuses to replace an open file, and keeps a deleted one's name until it is closed.
#ifndef _WIN32
        [](const TempRom &file) { std::filesystem::remove(file.path()); },
#endif
    };
    for (const auto &change : changes) {
        Opened o;
        ASSERT_TRUE(applyWrites(o.rom, o.snapshot, {write8(16, 1)}).ok());
        change(o.file);
        const Bytes atName = o.file.bytes();
        const ApplyResult result = applyWrites(o.rom, o.snapshot, {write8(16, 2)});
        EXPECT_EQ(result.status, ApplyResult::Replaced);
        EXPECT_NE(result.message.find("replaced or removed"), std::string::npos);
        EXPECT_EQ(o.file.bytes(), atName);
    }
}

// The writes go in order (the later wins where two overlap, as with a shared amount
// byte); a byte Apply does not write may change freely. Applying again finishes the
// record after a write or sync that failed part-way, and is a no-op after a whole
// Apply: this program's own writes are never taken for another program's.
TEST(Apply, WritesInOrderAndFinishesTheRecordAfterAFailedWriteOrSync)
{
    for (const int failing : {2, 3, 0, -1}) { // the write that fails; 0: the sync; -1: none
        Opened o;
        o.rom.failingWrite = failing;
        o.rom.syncFails = failing == 0;
        o.file.poke(17, {0xAA});
        const RomWrites writes = {write8(16, 1), write16(18, 0x0302), write8(19, 9),
                                  write32(20, 0x07060504)};
        EXPECT_EQ(applyWrites(o.rom, o.snapshot, writes).status,
                  failing < 0 ? ApplyResult::Written : ApplyResult::WriteFailed);
        const ApplyResult again = applyWrites(o.rom, o.snapshot, writes);
        EXPECT_TRUE(again.ok()) << "failing " << failing << ": " << again.message;
        Bytes expected = TestImage::pattern(64);
        TestImage::put(expected, 16, {1, 0xAA, 2, 9, 4, 5, 6, 7});
        EXPECT_EQ(o.file.bytes(), expected) << "failing " << failing;
    }
}

// Another program shortens or lengthens the file during Apply: Apply stops after
// the write that met the change, says how many fields it wrote, and puts them on
// the disk. Applied again, the record is finished where it still lies in the file:
// the program's own bytes are not taken for another program's change.
TEST(Apply, StopsWhenTheLengthChangesWhileItWritesAndFinishesAfter)
{
    const RomWrites writes = {write8(16, 1), write16(18, 0x0302), write8(30, 4)};
    // Before which write the length changes, to what, and how many fields are written.
    const std::tuple<int, std::uintmax_t, std::size_t> cases[] = {
        {1, 20, 1}, {2, 40, 2}, {2, 19, 1}, {3, 100, 3}};
    for (const auto &[before, length, written] : cases) {
        Opened o;
        o.rom.beforeWrite = [&, before = before, length = length](int n) {
            if (n == before)
                std::filesystem::resize_file(o.file.path(), length);
        };
        const ApplyResult result = applyWrites(o.rom, o.snapshot, writes);
        EXPECT_EQ(result.status, ApplyResult::LengthChanged);
        EXPECT_NE(result.message.find(std::to_string(written) + " of 3 fields were written"),
                  std::string::npos)
            << result.message;
        EXPECT_EQ(o.rom.syncs, 1) << "length " << length;
        Bytes expected = TestImage::pattern(64);
        expected.resize(length);
        for (std::size_t i = 0; i < written; ++i)
            TestImage::put(expected, writes[i].offset, writes[i].bytes);
        EXPECT_EQ(o.file.bytes(), expected) << "length " << length;
        const ApplyResult again = applyWrites(o.rom, o.snapshot, writes);
        EXPECT_EQ(again.status, length < 32 ? ApplyResult::OutsideFile : ApplyResult::Written)
            << again.message;
        if (length >= 32)
            for (const RomWrite &write : writes)
                TestImage::put(expected, write.offset, write.bytes);
        EXPECT_EQ(o.file.bytes(), expected) << "length " << length;
    }
}

// What this program could not read or check is named as its own failure, with
// the system's reason, never as another program's change.
TEST(Apply, NamesItsOwnFailedChecks)
{
    Opened o;
    o.rom.readsFail = true;
    ApplyResult result = applyWrites(o.rom, o.snapshot, {write8(16, 1)});
    EXPECT_EQ(result.status, ApplyResult::CheckFailed);
    EXPECT_NE(result.message.find("could not be read back from the ROM file"), std::string::npos);
    EXPECT_NE(result.message.find("\n\nCannot read: "), std::string::npos) << result.message;
    EXPECT_EQ(o.file.bytes(), TestImage::pattern(64));
    Opened written; // written, but not read back: the record is no longer known
    written.rom.readsFailAfterSync = true;
    result = applyWrites(written.rom, written.snapshot, {write8(16, 1)});
    EXPECT_EQ(result.status, ApplyResult::ReadBackFailed);
    EXPECT_NE(result.message.find("\n\nCannot read: "), std::string::npos) << result.message;
    EXPECT_FALSE(written.snapshot.isTaken());
    Opened unknown; // the length cannot be read after a write: Apply stops, what it wrote synced
    unknown.rom.sizeFailsAfterWrite = 1;
    result = applyWrites(unknown.rom, unknown.snapshot, {write8(16, 1), write8(17, 2)});
    EXPECT_EQ(result.status, ApplyResult::CheckFailed);
    EXPECT_NE(result.message.find("length could not be checked after a write, so Apply stopped "
                                  "after 1 of 2 fields"),
              std::string::npos)
        << result.message;
    EXPECT_EQ(unknown.rom.syncs, 1);
#ifndef _WIN32
    o.rom.readsFail = false;
    std::filesystem::rename(o.file.path(), o.file.folder() / "aside.gba");
    std::filesystem::create_symlink(o.file.path().filename(), o.file.path()); // a loop: no answer
    result = applyWrites(o.rom, o.snapshot, {write8(16, 1)});
    EXPECT_EQ(result.status, ApplyResult::CheckFailed);
    EXPECT_NE(result.message.find("could not be checked by its name"), std::string::npos);
    EXPECT_NE(result.message.find(std::generic_category().message(ELOOP)), std::string::npos)
        << result.message;
#endif
}

// ---- Windows device names ----

// What Windows would open as a device is told from the name before it is opened.
TEST(RomFile, RefusesWindowsDeviceNamesBeforeOpening)
{
    // clang-format off
    const char16_t *const devices[] = {u"NUL", u"con", u"C:\\roms\\Aux.gba", u"d:/x/lpt9.tar.gz",
        u"COM1 . .", u"C:nul", u"CONOUT$", u"prn .txt", u"\\\\.\\pipe\\rom", u"//./COM1",
        u"COM\u00B9", u"\\\\?\\GLOBALROOT\\Device\\Null", u"\\\\?\\COM1", u"\\\\?\\pipe\\x",
        u"\\\\?\\PhysicalDrive0", u"\\\\?\\C:", u"\\\\.\\C:", u"\\??\\PhysicalDrive0",
        u"\\\\?\\Volume{0c1ae3e4-0000-0000-0000-100000000000}", u"\\\\.\\C:\\roms\\CON"};
    const char16_t *const files[] = {u"COM0", u"COM10", u"CONSOLE.gba", u"NUL\\rom.gba",
        u"velmora.gba", u"\\\\?\\C:\\roms\\CON", u"\\\\server\\share\\a.gba",
        u"\\\\?\\UNC\\server\\share\\a.gba", u"\\\\.\\d:\\a.gba",
        u"\\\\?\\Volume{0c1ae3e4-0000-0000-0000-100000000000}\\a.gba"};
    // clang-format on
    for (std::size_t i = 0; i < std::size(devices); ++i)
        EXPECT_TRUE(namesWindowsDevice(devices[i])) << "device " << i;
    for (std::size_t i = 0; i < std::size(files); ++i)
        EXPECT_FALSE(namesWindowsDevice(files[i])) << "file " << i;
#ifdef _WIN32
    // A pipe served here: refused by its name, it is never opened, so never connected.
    const std::wstring pipe = L"velmora-test-" + std::to_wstring(GetCurrentProcessId());
    HANDLE server = CreateNamedPipeW((L"\\\\.\\pipe\\" + pipe).c_str(), PIPE_ACCESS_DUPLEX,
                                     PIPE_NOWAIT, 1, 0, 0, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    RomFile rom;
    for (const std::wstring &name :
         {L"\\\\?\\pipe\\" + pipe, L"\\\\.\\pipe\\" + pipe, std::wstring(L"LPT3.gba")}) {
        EXPECT_FALSE(rom.open(name));
        EXPECT_EQ(rom.errorString(),
                  "Cannot open the file for reading and writing: not a regular file");
    }
    EXPECT_FALSE(ConnectNamedPipe(server, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PIPE_LISTENING)); // no client came
    CloseHandle(server);
#endif
}

// ---- Number text ----

// The rounding, the range, and texts that are not numbers (fuzzed as well, on Linux).
TEST(NumberText, RoundsHalfToEvenWithinTheRange)
{
    using Range = std::pair<std::int64_t, std::int64_t>;
    const Range byte{0, 255}, int32{INT32_MIN, INT32_MAX};
    const std::optional<std::int64_t> no;
    const std::tuple<const char *, Range, std::optional<std::int64_t>> cases[] = {
        {"2.5", byte, 2},     {"3.5", byte, 4},          {"2.5000001", byte, 3},
        {" .5 ", byte, 0},    {"-0.4", byte, 0},         {"007", byte, 7},
        {"255.5", byte, no},  {"-2.5", int32, -2},       {"-1", byte, no},
        {"1 2", byte, no},    {"2147483648", int32, no}, {"0x10", byte, no},
        {"1,000", int32, no}, {"1e3", int32, no},        {"", byte, no},
        {"-", byte, no}};
    for (const auto &[text, range, expected] : cases)
        EXPECT_EQ(NumberText::toValue(text, range.first, range.second), expected) << text;
}

} // namespace
