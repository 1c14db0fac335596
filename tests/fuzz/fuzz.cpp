// The core under coverage-guided fuzzing (libFuzzer): one program, the target named by
// VELMORA_FUZZ (records, numbers, romfile). Each checks its properties and
// aborts when one breaks, so a wrong result counts, not only a crash.
#include "characters/characterrecord.h"
#include "core/fieldcheck.h"
#include "core/numbertext.h"
#include "core/romheader.h"
#include "drops/droprecord.h"
#include "monsters/monsterrecord.h"
#include "tests/support/flakyrom.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <regex>
#include <sys/mman.h>
#include <unistd.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Aborts, naming the property, when it does not hold.
#define EXPECT(holds)                                                                              \
    ((holds) ? void()                                                                              \
             : (std::fprintf(stderr, "Broken (line %d): %s\n", __LINE__, #holds), std::abort()))

// A file in memory, opened by its /proc/self/fd name: a regular file never on the disk.
struct MemFile
{
    int fd = memfd_create("rom", 0);
    explicit MemFile(const Bytes &bytes) { put(0, bytes); }
    ~MemFile() { close(fd); }
    std::string name() const { return "/proc/self/fd/" + std::to_string(fd); }
    std::uint64_t size() const { return std::uint64_t(lseek(fd, 0, SEEK_END)); }
    void resize(std::uint64_t size) const { EXPECT(ftruncate(fd, off_t(size)) == 0); }
    void put(std::uint64_t at, const Bytes &bytes) const
    {
        EXPECT(pwrite(fd, bytes.data(), bytes.size(), off_t(at)) == ssize_t(bytes.size()));
    }
    Bytes read(std::uint64_t at, std::size_t size) const // zero past the end
    {
        Bytes bytes(size);
        EXPECT(pread(fd, bytes.data(), size, off_t(at)) >= 0);
        return bytes;
    }
    Bytes bytes() const { return read(0, size()); }
};

// A record of each kind read from an image that may end anywhere near it, written
// back as read, then as its fields' texts say while another program may change the
// file's length before a write; an index outside the table is refused.
template <class Record> void record(FuzzedDataProvider &in)
{
    constexpr RecordTable table = Record::table;
    const int index = in.ConsumeIntegralInRange(-1, table.count);
    const std::uint64_t at = table.recordOffset(index), end = at + table.recordSize;
    const int last = in.ConsumeIntegralInRange(-4, int(table.recordSize) + 4); // of the file
    MemFile file({});
    file.resize(at + last);
    file.put(at - 4, in.ConsumeBytes<std::uint8_t>(std::size_t(last + 4)));
    const std::uint64_t base = at - 8, span = table.recordSize + 16, size = file.size();
    const Bytes before = file.read(base, span); // the bytes around the record
    FlakyRom rom;
    RecordSnapshot snapshot;
    EXPECT(rom.open(file.name()));
    std::optional<Record> record = readRecord<Record>(rom, index, snapshot);
    if (!table.holds(index)) {
        EXPECT(!record && !snapshot.isTaken());
        try {
            recordWrites(index, Record());
            EXPECT(!"a record outside its table written");
        } catch (const std::out_of_range &) {
        }
        return;
    }
    const auto inFile = [&](const RomWrites &writes) {
        return std::all_of(writes.begin(), writes.end(), [&](const RomWrite &w) {
            return w.bytes == file.read(w.offset, w.bytes.size());
        });
    };
    EXPECT(record && inFile(recordWrites(index, *record)));
    FieldCheck check;
    std::ptrdiff_t refused = 0;
    std::vector<std::pair<RecordField, std::int64_t>> fields;
    RecordFields::each(*record, [&](const auto &field, auto &member) {
        if constexpr (std::remove_cvref_t<decltype(field)>::written) {
            const std::string text = in.ConsumeRandomLengthString(24);
            const auto value = NumberText::toValue(text, field.minimum(), field.maximum());
            EXPECT(check.take(field.name, text, field.minimum(), field.maximum()) ==
                   value.value_or(0));
            refused += !value;
            if (value)
                RecordFields::set(member, *value);
            fields.emplace_back(field, value ? *value : fieldValue(snapshot.bytes(), field));
        }
    });
    const std::string message = check.message();
    EXPECT(check.ok() == !refused &&
           std::count(message.begin(), message.end(), '\n') == refused + 1);
    const int changeBefore = in.ConsumeIntegralInRange(0, 40);
    const std::uint64_t length = end + in.ConsumeIntegralInRange(-8, 8);
    rom.beforeWrite = [&](int n) {
        if (n == changeBefore)
            file.resize(length);
    };
    const RomWrites writes = recordWrites(index, *record);
    Bytes expected = before;
    std::uint64_t expectedSize = size;
    auto status = end <= size ? ApplyResult::Written : ApplyResult::OutsideFile;
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const RomWrite &w = writes[i];
        const auto &[field, value] = fields[i];
        EXPECT(w.offset == at + field.at && w.offset + w.bytes.size() <= end &&
               fieldValue(w.bytes, {field.name, 0, field.width, field.isSigned}) == value);
        if (status != ApplyResult::Written)
            continue;
        if (int(i) + 1 == changeBefore)
            std::fill(expected.begin() + std::ptrdiff_t((expectedSize = length) - base),
                      expected.end(), 0);
        if (w.offset + w.bytes.size() <= expectedSize)
            std::copy(w.bytes.begin(), w.bytes.end(),
                      expected.begin() + std::ptrdiff_t(w.offset - base));
        if (expectedSize != size)
            status = ApplyResult::LengthChanged;
    }
    EXPECT(applyWrites(rom, snapshot, writes).status == status);
    EXPECT(file.read(base, span) == expected && file.size() == expectedSize);
    const std::optional<Record> again = readRecord<Record>(rom, index, snapshot);
    EXPECT(again && inFile(recordWrites(index, *again)));
}

// Number text: what converts lies in the range, is a number by a reference pattern and
// reads back as itself; a shown value reads back as itself exactly when in the range.
void numbers(FuzzedDataProvider &in)
{
    const auto [min, max] =
        std::minmax({in.ConsumeIntegral<std::int64_t>(), in.ConsumeIntegral<std::int64_t>()});
    const std::int64_t shown = in.ConsumeIntegralInRange(-999999999999999999, 999999999999999999);
    const std::string text = in.ConsumeRemainingBytesAsString();
    const auto value = NumberText::toValue(text, min, max);
    EXPECT(!value || (*value >= min && *value <= max &&
                      NumberText::toValue(NumberText::fromValue(*value), min, max) == value));
    static const std::regex number("[ \t]*[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)[ \t]*");
    const auto any = NumberText::toValue(text, INT64_MIN, INT64_MAX);
    EXPECT(text.size() > 18 || any.has_value() == std::regex_match(text, number));
    EXPECT(!any || *any <= 0 || NumberText::isAbove(text, *any - 1));
    EXPECT(NumberText::toValue(NumberText::fromValue(shown), min, max) ==
           (shown >= min && shown <= max ? std::optional(shown) : std::nullopt));
}

// The ROM file and Apply against a model of the file, through reads, writes, another
// program's changes of bytes and length, and its name re-pointed or removed; and the
// header fields of the file of any length this makes.
void romfile(FuzzedDataProvider &in)
{
    MemFile file(in.ConsumeBytes<std::uint8_t>(64)), model(file.bytes());
    const int name = dup(file.fd); // the name the file is opened by
    bool named = true;
    RomFile rom;
    RecordSnapshot snapshot;
    Bytes remembered; // what the snapshot should hold
    std::uint64_t rememberedAt = 0;
    std::string title;
    std::uint8_t letter = 0;
    EXPECT(rom.open("/proc/self/fd/" + std::to_string(name)));
    while (in.remaining_bytes() > 0) {
        const std::uint64_t at = in.ConsumeIntegralInRange(0, 192),
                            end = rememberedAt + remembered.size();
        Bytes bytes = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(0, 8));
        const bool inside = at + bytes.size() <= model.size();
        switch (in.ConsumeIntegralInRange(0, 6)) {
        case 0:
            EXPECT(rom.read(at, bytes.data(), bytes.size()) &&
                   bytes == model.read(at, bytes.size()));
            break;
        case 1:
            EXPECT(rom.write(at, bytes.data(), bytes.size()) == (inside || bytes.empty()));
            if (inside)
                model.put(at, bytes);
            break;
        case 2: // another program writes, or changes the length
            file.put(at, bytes), model.put(at, bytes);
            break;
        case 3:
            file.resize(at), model.resize(at);
            break;
        case 4: // a record loaded
            EXPECT(snapshot.take(rom, at, bytes.size()));
            remembered = model.read(rememberedAt = at, bytes.size());
            break;
        case 5: { // and applied with one write
            const bool same =
                bytes.empty() ||
                (at >= rememberedAt && at + bytes.size() <= end &&
                 model.read(at, bytes.size()) ==
                     Bytes(remembered.begin() + std::ptrdiff_t(at - rememberedAt),
                           remembered.begin() + std::ptrdiff_t(at - rememberedAt + bytes.size())));
            const auto status = !snapshot.isTaken()             ? ApplyResult::NotLoaded
                                : !named                        ? ApplyResult::Replaced
                                : !inside || end > model.size() ? ApplyResult::OutsideFile
                                : !same                         ? ApplyResult::ChangedOnDisk
                                                                : ApplyResult::Written;
            EXPECT(applyWrites(rom, snapshot, {{at, bytes}}).status == status);
            if (status == ApplyResult::Written)
                model.put(at, bytes), remembered = model.read(rememberedAt, remembered.size());
            break;
        }
        default: // the name re-pointed to another file, or removed
            named = false;
            bytes.empty() ? close(name) : dup2(MemFile(bytes).fd, name);
        }
        EXPECT(file.bytes() == model.bytes() && rom.size() == model.size());
        EXPECT((rom.identityAtName() == RomFile::Identity::Same) == named);
        const Bytes header = model.read(RomHeader::titleOffset, RomHeader::titleLength);
        EXPECT(RomHeader::readTitle(rom, title) &&
               title == std::string(header.begin(), std::find(header.begin(), header.end(), 0)));
        EXPECT(RomHeader::readRegionLetter(rom, letter) &&
               letter == model.read(RomHeader::regionOffset, 1)[0]);
    }
    close(name);
}

void records(FuzzedDataProvider &in)
{
    void (*const kinds[])(FuzzedDataProvider &) = {record<CharacterRecord>, record<MonsterRecord>,
                                                   record<DropRecord>};
    kinds[in.ConsumeIntegralInRange(0, 2)](in);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::map<std::string, void (*)(FuzzedDataProvider &)> targets = {
        {"records", records}, {"numbers", numbers}, {"romfile", romfile}};
    static const char *const name = std::getenv("VELMORA_FUZZ");
    const auto target = targets.find(name ? name : "");
    EXPECT(target != targets.end() && "VELMORA_FUZZ names records, numbers or romfile");
    FuzzedDataProvider in(data, size);
    target->second(in);
    return 0;
}
