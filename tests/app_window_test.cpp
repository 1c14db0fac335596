// What all windows must do alike, checked over every one of them.
#include "characters/Form3.h"
#include "drops/Form5.h"
#include "drops/droprecord.h"
#include "monsters/Form4.h"
#include "shell/About.h"
#include "shell/Form2.h"
#include "tests/support/editorwindow.h"

#include <QtWidgets>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A known image in which every drop record holds a chance class the editor takes.
Bytes editable(std::initializer_list<std::pair<std::uint64_t, Bytes>> changes = {})
{
    Bytes image = TestImage::pattern();
    for (int index = 0; index < DropRecord::table.count; ++index)
        image[DropRecord::table.recordOffset(index) + DropField::Byte03.at] =
            std::uint8_t(index % 4);
    for (const auto &[offset, bytes] : changes)
        TestImage::put(image, offset, bytes);
    return image;
}

QList<QAbstractButton *> checkables(const QWidget &window)
{
    QList<QAbstractButton *> found;
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>())
        if (button->isCheckable())
            found << button;
    return found;
}

// Each checkable control of an editor turned on as a screen reader does, then
// "Apply": "name=byte" with the byte at `at` it wrote.
template <class Form> QStringList toggledAndApplied(const Bytes &image, std::uint64_t at)
{
    EditorWindow<Form> e(image);
    e.select(0);
    QStringList written;
    for (QAbstractButton *option : checkables(e.window)) {
        toggleAccessibly(option);
        e.apply();
        written << option->objectName() + '=' + QString::number(e.file.bytes()[at]);
    }
    return written;
}

// A ROM file whose reads fail while `failing` is set, as on a failing disk.
class FailingRom : public RomFile
{
public:
    bool failing = false;
    bool read(std::uint64_t offset, std::uint8_t *data, std::size_t size) override
    {
        return failing ? fail("Cannot read from the file") : RomFile::read(offset, data, size);
    }
};

// After "Apply" is refused over another program's change, a click on the
// record shown, Enter or Space on it loads what the file holds.
template <class Form> void reloadsTheShownRecord(const char *box, std::uint64_t at, Bytes tail)
{
    EditorWindow<Form> e(editable());
    e.select(1);
    QListWidget *list = e.list();
    const std::function<void()> ways[] = {[&] {
                                              QTest::mouseClick(
                                                  list->viewport(), Qt::LeftButton, {},
                                                  list->visualItemRect(list->item(1)).center());
                                          },
                                          [&] { QTest::keyClick(list, Qt::Key_Return); },
                                          [&] { QTest::keyClick(list, Qt::Key_Space); }};
    std::uint8_t value = 40;
    for (const auto &way : ways) {
        Bytes poked = {++value};
        poked.insert(poked.end(), tail.begin(), tail.end());
        e.file.poke(at, poked);
        e.type(box, "7");
        e.apply();
        way();
        QCOMPARE(e.get(box)->text(), QString::number(value));
    }
    const Bytes onDisk = e.file.bytes();
    e.apply(); // writes what it shows, which is what the file holds
    QCOMPARE(e.desktop.messages.size(), 3);
    QVERIFY(e.desktop.messages.last().text.contains("changed on disk"));
    QCOMPARE(e.file.bytes(), onDisk);
    QCOMPARE(list->currentRow(), 1);
}

// A record that cannot be read shows nothing of the one before, and "Apply"
// stays off until a read succeeds.
template <class Form> void failedReadShowsNoOtherRecord(int messages)
{
    EditorWindow<Form, FailingRom> e(editable());
    e.select(1);
    e.rom.failing = true;
    e.select(2);
    for (const QLineEdit *box : e.window.template findChildren<QLineEdit *>())
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    for (const QComboBox *box : e.window.template findChildren<QComboBox *>())
        QVERIFY(box->currentIndex() < 0 && box->placeholderText().isEmpty());
    for (const QAbstractButton *option : checkables(e.window))
        QVERIFY(!option->isChecked());
    auto *apply = e.template get<QPushButton>("ApplyCMD");
    QVERIFY(!apply->isEnabled());
    QCOMPARE(e.desktop.messages.size(), messages);
    e.rom.failing = false;
    QTest::keyClick(e.list(), Qt::Key_Space); // the same record, read again
    const auto boxes = e.window.template findChildren<QLineEdit *>();
    QVERIFY(apply->isEnabled() && std::any_of(boxes.begin(), boxes.end(), [](QLineEdit *box) {
                return !box->text().isEmpty();
            }));
    apply->click();
    QCOMPARE(e.file.bytes(), e.original);
}

} // namespace

class AppWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void everyCheckableControlActsWhenAScreenReaderTogglesIt()
    {
        TempRom file(editable());
        FakeDesktop desktop;
        desktop.fileAnswers.push_back(QString::fromStdU16String(file.path().u16string()));
        Form2 main(desktop, {});
        main.start();
        auto *tree = main.findChild<QTreeWidget *>();
        QCOMPARE(checkables(main), {main.findChild<QCheckBox *>("ExpandCHK")});
        QStringList expanded;
        for (int i = 0; i < 2; ++i) {
            toggleAccessibly(checkables(main).first());
            expanded << QString::number(tree->topLevelItem(2)->isExpanded()) +
                            QString::number(tree->topLevelItem(4)->isExpanded());
        }
        QCOMPARE(expanded, QStringList({"00", "11"}));

        // Each editor's options, from a record that has another one on.
        const std::uint64_t hand = CharacterRecord::table.recordOffset(0) + CharacterField::hand.at;
        QCOMPARE(toggledAndApplied<Form3>(editable({{hand, {2}}}), hand),
                 QStringList({"LHOPT=1", "RHOPT=0", "LROPT=2"}));
        const std::uint64_t chance = DropRecord::table.recordOffset(0) + DropField::Byte03.at;
        QCOMPARE(toggledAndApplied<Form5>(editable({{chance, {3}}}), chance),
                 QStringList({"Item01OPT=0", "Item02OPT=1", "Item03OPT=2", "Item04OPT=3"}));
        QCOMPARE(toggledAndApplied<Form4>(editable(), 0), QStringList());
        QCOMPARE(checkables(About(desktop)), {});
    }

    void everyEditorReloadsTheShownRecord()
    {
        reloadsTheShownRecord<Form3>("LVTXT", CharacterRecord::table.recordOffset(1), {});
        reloadsTheShownRecord<Form4>(
            "STRTXT", MonsterRecord::table.recordOffset(1) + MonsterField::STR.at, {});
        reloadsTheShownRecord<Form5>("INT01TXT", DropRecord::table.recordOffset(1), {0});
    }

    void everyEditorShowsNothingOfAnotherRecordAfterAFailedRead()
    {
        failedReadShowsNoOtherRecord<Form3>(0); // their loads end without a word
        failedReadShowsNoOtherRecord<Form5>(0);
        failedReadShowsNoOtherRecord<Form4>(1);
    }
};

QTEST_MAIN(AppWindowTest)
#include "app_window_test.moc"
