// The core under coverage-guided fuzzing (libFuzzer): one program, the target named by
// VELMORA_FUZZ (records, numbers). Each checks its properties and
// aborts when one breaks, so a wrong result counts, not only a crash.
#include "characters/characterrecord.h"
#include "core/numbertext.h"
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
    ~MemFile() { close(fd); }
    std::uint64_t size() const { return std::uint64_t(lseek(fd, 0, SEEK_END)); }
    void resize(std::uint64_t size) const { EXPECT(ftruncate(fd, off_t(size)) == 0); }
    void put(std::uint64_t at, const Bytes &b) const
    {
        EXPECT(pwrite(fd, b.data(), b.size(), off_t(at)) == ssize_t(b.size()));
    }
    Bytes read(std::uint64_t at, std::size_t size) const // zero past the end
    {
        Bytes bytes(size);
        EXPECT(pread(fd, bytes.data(), size, off_t(at)) >= 0);
        return bytes;
    }
};

// A record of each kind read from an image that may end anywhere near it, written
// back as read, then with any values while another program may change the file's
// length before a write. (An index outside the table: the records' own test.)
template <class Record> void record(FuzzedDataProvider &in)
{
    constexpr RecordTable table = Record::table;
    const int index = in.ConsumeIntegralInRange(0, table.count - 1);
    const std::uint64_t at = table.recordOffset(index), end = at + table.recordSize, base = at - 8;
    const std::uint64_t size = at + in.ConsumeIntegralInRange(-4, int(table.recordSize) + 4);
    MemFile file, model; // model: the file from base on, as Apply should leave it
    file.resize(size);
    file.put(at - 4, in.ConsumeBytes<std::uint8_t>(size - at + 4));
    model.put(0, file.read(base, size - base));
    FlakyRom rom;
    RecordSnapshot snapshot;
    EXPECT(rom.open("/proc/self/fd/" + std::to_string(file.fd)));
    std::optional<Record> record = readRecord<Record>(rom, index, snapshot);
    const auto asInFile = [&](const Record &record) {
        const RomWrites writes = recordWrites(index, record);
        return std::all_of(writes.begin(), writes.end(), [&](const RomWrite &w) {
            return w.bytes == file.read(w.offset, w.bytes.size());
        });
    };
    EXPECT(record && asInFile(*record));
    std::vector<std::pair<RecordField, std::int64_t>> fields; // each write's field and value
    RecordFields::each(*record, [&](const auto &field, auto &member) {
        if constexpr (std::remove_cvref_t<decltype(field)>::written) {
            fields.emplace_back(field, in.ConsumeIntegralInRange(field.minimum(), field.maximum()));
            RecordFields::set(member, fields.back().second);
        }
    });
    const int changeBefore = in.ConsumeIntegralInRange(0, 40);
    const std::uint64_t length = end + in.ConsumeIntegralInRange(-8, 8);
    rom.beforeWrite = [&](int n) {
        if (n == changeBefore)
            file.resize(length);
    };
    auto status = end <= size ? ApplyResult::Written : ApplyResult::OutsideFile;
    const RomWrites writes = recordWrites(index, *record);
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const RomWrite &w = writes[i];
        const auto &[field, value] = fields[i];
        EXPECT(w.offset == at + field.at && w.offset + w.bytes.size() <= end &&
               fieldValue(w.bytes, {field.name, 0, field.width, field.isSigned}) == value);
        if (status != ApplyResult::Written)
            continue;
        if (int(i) + 1 == changeBefore) {
            model.resize(length - base);
            status = length == size ? status : ApplyResult::LengthChanged;
        }
        if (w.offset + w.bytes.size() <= model.size() + base)
            model.put(w.offset - base, w.bytes);
    }
    EXPECT(applyWrites(rom, snapshot, writes).status == status);
    EXPECT(file.read(base, end + 8 - base) == model.read(0, end + 8 - base) &&
           file.size() == model.size() + base);
    EXPECT(asInFile(readRecord<Record>(rom, index, snapshot).value())); // or it throws
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::map<std::string, std::vector<void (*)(FuzzedDataProvider &)>> targets = {
        {"records", {record<CharacterRecord>, record<MonsterRecord>, record<DropRecord>}},
        {"numbers", {numbers}}};
    static const char *const name = std::getenv("VELMORA_FUZZ");
    static const auto target = targets.find(name ? name : "");
    EXPECT(target != targets.end() && "VELMORA_FUZZ names records or numbers");
    FuzzedDataProvider in(data, size);
    target->second[in.ConsumeIntegralInRange<std::size_t>(0, target->second.size() - 1)](in);
    return 0;
}
