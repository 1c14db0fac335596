#include "catalogue/itemcatalogue.h"
#include "characters/characterrecord.h"
#include "core/applywrites.h"
#include "core/devicename.h"
#include "core/numbertext.h"
#include "drops/droprecord.h"
#include "monsters/monsterrecord.h"
#include "tests/support/flakyrom.h"
#include "tests/support/romimage.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <functional>
#include <iomanip>
#include <map>
#include <sstream>
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
// another program changed since it was loaded, one that was never loaded, one
// whose name no longer names the open file (another program saved a new file
// over it, or deleted it: writing would be lost): nothing is written, and the
// message says why.
TEST(Apply, RefusesAndWritesNothing)
{
    const std::tuple<std::function<void(Opened &)>, ApplyResult::Status, const char *> cases[] = {
        {[](Opened &o) { std::filesystem::resize_file(o.file.path(), 20); },
         ApplyResult::OutsideFile, "does not lie wholly inside the ROM file"},
        {[](Opened &o) { o.file.poke(18, {0x55}); }, ApplyResult::ChangedOnDisk,
         "changed on disk by another program"},
        {[](Opened &o) { o.snapshot = RecordSnapshot(); }, ApplyResult::NotLoaded,
         "could not be read from the ROM file"},
        {[](Opened &o) { // the old file moved aside, a new one put in its place
             std::filesystem::rename(o.file.path(), o.file.folder() / "old.gba");
             std::filesystem::copy_file(o.file.folder() / "old.gba", o.file.path());
         },
         ApplyResult::Replaced, "replaced or removed"},
// Windows refuses to replace an open file, and keeps a deleted one's name until it is closed.
#ifndef _WIN32
        {[](Opened &o) { std::filesystem::remove(o.file.path()); }, ApplyResult::Replaced,
         "replaced or removed"},
#endif
    };
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
TEST(NumberText, RoundsHalfToEvenWithinTheRangeAndRefusesWhatIsNoNumber)
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

// ---- Records ----

// A record's writes as "offset:bytes" in hexadecimal, offsets from the record's: "0:FEFF 2:03".
template <class Record> std::string writesOf(int index, const Record &record)
{
    std::ostringstream text;
    text << std::uppercase << std::setfill('0');
    for (const RomWrite &write : recordWrites(index, record)) {
        text << (text.tellp() > 0 ? " " : "") << std::dec
             << write.offset - Record::table.recordOffset(index) << ':' << std::hex;
        for (const std::uint8_t byte : write.bytes)
            text << std::setw(2) << int(byte);
    }
    return text.str();
}

// Each kind's writes in the order "Apply" makes them, at its own record.
TEST(Records, WriteInSaveOrder)
{
    CharacterRecord c;
    c.hp = -1;
    c.equipment[2] = {261, 0};
    std::string character = "0:00 2:FFFF 4:0000 6:00 7:00 8:00 9:00 10:00 11:00 12:00000000 "
                            "16:0000 18:00 20:0000 22:00 24:0501 25:00 26:0000 27:00 28:0000 29:00";
    EXPECT_EQ(writesOf(3, c), character);
    c.hand = 2; // once set, the hand byte is written, last
    EXPECT_EQ(writesOf(3, c), character + " 1:02");

    // Only the seven stats of a monster.
    const MonsterRecord s{
        .hp = -2, .exp = 0xFEDC, .vesk = 0x1234, .str = 1, .def = 2, .magDef = 3, .magPower = 0xFF};
    EXPECT_EQ(writesOf(100, s), "0:FEFFFFFF 4:DCFE 6:3412 9:01 11:02 15:03 22:FF");
    EXPECT_EQ(writesOf(282, DropRecord{-2, 3, {0x144, -1, 0x1A5, 7}}),
              "0:FEFF 2:03 4:4401 6:FFFF 8:A501 10:0700");
}

// The tables lie apart inside a Velmora image, in order; a record outside its table is
// neither read nor written. (Every record read and written back: the round trips of
// the fuzz targets and of the window tests.)
TEST(Tables, KeepApartAndRefuseIndexesOutside)
{
    const RecordTable *tables[] = {&CharacterRecord::table, &MonsterRecord::table,
                                   &DropRecord::table};
    for (std::size_t i = 1; i < std::size(tables); ++i)
        EXPECT_LE(tables[i - 1]->end(), tables[i]->offset) << tables[i]->name;
    EXPECT_LE(tables[2]->end(), velmoraImageSize);
    TempRom file(TestImage::random(5));
    RomFile rom;
    ASSERT_TRUE(rom.open(file.path()));
    const auto refused = [&rom]<class Record>(Record record) {
        RecordSnapshot snapshot;
        for (const int outside : {-1, Record::table.count}) {
            EXPECT_FALSE(readRecord<Record>(rom, outside, snapshot) || snapshot.isTaken());
            EXPECT_THROW(recordWrites(outside, record), std::out_of_range) << outside;
        }
    };
    refused(CharacterRecord()), refused(MonsterRecord()), refused(DropRecord());
}

// ---- Item catalogue ----

// Below 0x100 the number is the id's two bytes as stored, low byte first: "CD00" at 0xCD.
// An id of no entry has no position, -1 (0xFFFF, nothing) excepted.
TEST(ItemCatalogue, NumbersEachLabelAsStoredAndMapsIdsToPositions)
{
    using namespace ItemCatalogue;
    const std::pair<int, const char *> labels[] = {
        {0x000, "0000 [EMPTY]"}, {0x046, "4600 NONE "},        {0x0CD, "CD00 EMERALD RING "},
        {0x100, "0100 TENT "},   {0x144, "0144 VELMORA SEAL"}, {count, ""},
    };
    for (const auto &[position, text] : labels)
        EXPECT_EQ(label(position), text) << position;
    const std::map<int, std::optional<int>> positions = {
        {-1, -1}, {0, 0}, {0x100, 0x100}, {324, 324}, {325, {}}, {-2, {}}, {-32768, {}}};
    for (const auto &[id, position] : positions)
        EXPECT_EQ(positionForId(id), position) << "id " << id;
    EXPECT_EQ(std::uint16_t(idForPosition(-1)), 0xFFFF);
}

} // namespace
