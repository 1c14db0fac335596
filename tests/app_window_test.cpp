// What all windows must do alike, checked over every one of them, in the
// application as the program makes it.
#include "app/application.h"
#include "app/features.h"
#include "characters/Form3.h"
#include "drops/Form5.h"
#include "drops/droprecord.h"
#include "monsters/Form4.h"
#include "shell/About.h"
#include "shell/Form1.h"
#include "shell/Form2.h"
#include "tests/support/editorwindow.h"
#include "tests/support/flakyrom.h"
#include "tests/support/toldevents.h"

#include <QSignalSpy>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Hundreds of Apply syncs: keep the test images where a sync costs nothing.
const bool imagesInMemory = QFile::exists("/dev/shm") && qputenv("TMPDIR", "/dev/shm");

// A random image in which every drop record holds a chance class the editor takes.
Bytes editable(std::initializer_list<std::pair<std::uint64_t, Bytes>> changes = {})
{
    Bytes image = TestImage::random(1);
    for (int index = 0; index < DropRecord::table.count; ++index)
        image[DropRecord::table.recordOffset(index) + DropField::chanceClass.at] =
            std::uint8_t(index % 4);
    for (const auto &[offset, bytes] : changes)
        TestImage::put(image, offset, bytes);
    return image;
}

// A number box of an editor and the field of record 1 it shows; where the game
// keeps the table's last record, known from its layout, not from the table.
struct NumberField
{
    const char *box;
    const RecordTable &table;
    RecordField field;
    std::uint64_t lastRecord;
    void put(Bytes &image, int record, std::int64_t value) const
    {
        const RomWrite write = fieldWrite(table.recordOffset(record), field, value);
        TestImage::put(image, write.offset, write.bytes);
    }
};
const NumberField level{"LVTXT", CharacterRecord::table, CharacterField::level, 0xF2C98};
const NumberField strength{"STRTXT", MonsterRecord::table, MonsterField::str, 0xFACA4};
const NumberField int01{"INT01TXT", DropRecord::table, DropField::unknown, 0xFBDE2};

// Every record selected and applied as loaded: long numbers, unlisted items and
// unknown codes all go back as they came. Then an edit: Enter in its box neither
// applies nor closes, Esc closes without writing.
template <class Form> void appliesEveryRecordUnchanged(const NumberField &f)
{
    EditorWindow<Form> e(editable());
    for (int row = 0; row < e.list()->count(); ++row, e.apply())
        e.select(row);
    const auto last = e.original.begin() + std::ptrdiff_t(f.lastRecord);
    QCOMPARE(e.get(f.box)->text(),
             QString::number(fieldValue(Bytes(last, last + f.table.recordSize), f.field)));
    QVERIFY(e.desktop.messages.isEmpty());
    QCOMPARE(e.file.bytes(), e.original);
    e.type(f.box, "7");
    QTest::keyClick(e.get(f.box), Qt::Key_Return);
    QVERIFY(e.window.isVisible());
    QTest::keyClick(e.get(f.box), Qt::Key_Escape);
    QVERIFY(!e.window.isVisible());
    QCOMPARE(e.file.bytes(), e.original);
}

// After "Apply" is refused over another program's change, a click on the
// record shown, Enter or Space on it loads what the file holds; "Apply" then
// writes what is typed, twice as once. A record that cannot be read shows
// nothing of the one before, and "Apply" stays off until a read succeeds (the
// Monster Stat Editor alone says so). "Cancel" closes without writing.
template <class Form> void showsTheRecordTheFileHolds(const NumberField &f, int failedReadMessages)
{
    EditorWindow<Form, FlakyRom> e(editable());
    e.select(1);
    QListWidget *list = e.list();
    const QPoint shown = list->visualItemRect(list->item(1)).center();
    const std::function<void()> ways[] = {
        [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, shown); },
        [&] { QTest::keyClick(list, Qt::Key_Return); },
        [&] { QTest::keyClick(list, Qt::Key_Space); }};
    int value = 40;
    Bytes expected = e.original, outside = e.original;
    for (const auto &way : ways) {
        f.put(outside, 1, ++value);
        e.file.poke(0, outside);
        e.type(f.box, "7");
        e.apply();
        way();
        QCOMPARE(e.get(f.box)->text(), QString::number(value));
    }
    QVERIFY(e.desktop.messages.size() == 3 &&
            e.desktop.messages.takeLast().text.contains("changed on disk"));
    e.type(f.box, "7");
    e.apply();
    e.apply();
    f.put(expected, 1, 7);
    QCOMPARE(e.file.bytes(), expected);

    e.rom.readsFail = true;
    e.select(2);
    QVERIFY(e.showsNoRecord());
    e.rom.readsFail = false;
    QTest::keyClick(list, Qt::Key_Space); // the same record, read again
    QVERIFY(!e.get(f.box)->text().isEmpty() && e.template get<QWidget>("ApplyCMD")->isEnabled());
    e.apply();
    QCOMPARE(e.desktop.messages.size(), 2 + failedReadMessages);
    e.rom.readsFailAfterSync = true; // written, but not read back: shown as a failed read
    e.type(f.box, "8");
    e.apply();
    const QString readBack = e.desktop.messages.value(2 + failedReadMessages).text;
    QVERIFY2(readBack.contains("could not be read back") && readBack.contains("Cannot read: ") &&
                 e.showsNoRecord(),
             qPrintable(readBack));
    f.put(expected, 2, 8);
    e.type(f.box, "7");
    QTest::mouseClick(e.template get<QPushButton>("CancelCMD"), Qt::LeftButton);
    QVERIFY(!e.window.isVisible());
    QCOMPARE(e.file.bytes(), expected);
}

} // namespace

class AppWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // Made with Qt's own options on its command line (main() below), the program
    // took none of them: nothing is red, reversed or in another style.
    void initTestCase()
    {
        QVERIFY(qApp->styleSheet().isEmpty() && QApplication::style()->name() != "windows");
        QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
    }

    // Every window over records with ordinary values, with an item id that has
    // no entry (0xFF05) and an unknown hand byte, and with the widest numbers.
    void everyShownValueIsHeardWithItsControlsName()
    {
        namespace C = CharacterField;
        const std::uint64_t c = CharacterRecord::table.recordOffset(0),
                            m = MonsterRecord::table.recordOffset(0),
                            d = DropRecord::table.recordOffset(0);
        QStringList unheard;
        const Bytes images[] = {
            editable(),
            editable({{c + C::hand.at, {7}},
                      {c + C::itemId[0].at, {0x05, 0xFF}},
                      {c + C::itemId[1].at, {0x01, 0x00}},
                      {c + C::itemId[4].at, {0x05, 0xFF}},
                      {d + DropField::items[0].at, {5, 0xFF, 1, 0, 0x44, 1, 0, 0}}}),
            editable({{c + C::hp.at, {0, 0x80}},
                      {c + C::exp.at, {0, 0, 0, 0x80}},
                      {m + MonsterField::hp.at, {0, 0, 0, 0x80}},
                      {m + MonsterField::unknowns[9].at, {0, 0, 0, 0x80}},
                      {d + DropField::unknown.at, {0, 0x80}}})};
        for (const Bytes &image : images) {
            EditorWindow<Form3> characters(image);
            EditorWindow<Form4> monsters(image);
            monsters.select(0);
            EditorWindow<Form5> drops(image);
            for (const QWidget *window : std::initializer_list<const QWidget *>{
                     &characters.window, &monsters.window, &drops.window})
                unheard += unheardValues(*window);
        }
        TempRom file(images[0]);
        FakeDesktop desktop;
        desktop.fileAnswers.push_back(QString::fromStdU16String(file.path().u16string()));
        Form2 main(desktop, standardFeatures());
        main.start();
        const About about(desktop);
        const Form1 splash(desktop, [] {});
        for (const QWidget *window : std::initializer_list<const QWidget *>{&main, &about, &splash})
            unheard += unheardValues(*window);
        QVERIFY2(unheard.isEmpty(), qPrintable(unheard.join('\n')));

        // What a screen reader was told stands until it is told of a change:
        // an item box says so of a new placeholder, as of a new entry.
        ItemBox box;
        const ToldEvents told;
        for (const int id : {0x1A5, 0x1A6, 3, -1, -1, 0x1A5, -1}) {
            box.setItemId(id);
            const QString shown =
                box.currentIndex() >= 0 ? box.currentText() : box.placeholderText();
            const auto notices = told.of(QAccessible::ValueChanged);
            QCOMPARE(notices.isEmpty() ? "(none)" : notices.last().name, shown);
        }
        QVERIFY(box.itemId() == -1 && box.currentIndex() == -1 && box.placeholderText().isEmpty());
    }

    // Tab into a record list names the record shown; into an option group, the
    // chosen option with its state, in one step: the last focus event a screen
    // reader gets is about them.
    void tabbingInNamesTheShownRecordAndTheChosenOption()
    {
        namespace C = CharacterField;
        const Bytes image = editable({{CharacterRecord::table.recordOffset(0) + C::hand.at, {0}}});
        EditorWindow<Form3> characters(image);
        EditorWindow<Form4> monsters(image);
        monsters.select(3);
        EditorWindow<Form5> drops(image);
        drops.select(1); // chance class 1
        TempRom file(image);
        FakeDesktop desktop;
        desktop.fileAnswers.push_back(QString::fromStdU16String(file.path().u16string()));
        Form2 main(desktop, standardFeatures());
        main.start();
        const std::tuple<QWidget *, const char *, QString> stops[] = {
            // the window, the control Tab leaves, what the last focus event names
            {&characters.window, "UNKTXT", "Charcter 1"},
            {&characters.window, "ArmCBO", "Right Handed"},
            {&monsters.window, "CancelCMD", "Monster #: 3"},
            {&drops.window, "CancelCMD", "Index #: 1"},
            {&drops.window, "INT01TXT", "32% Chance"},
            {&main, "ExpandCHK", "Program Version Information"}};
        for (const auto &[window, from, named] : stops) {
            QApplication::setActiveWindow(window);
            QVERIFY(QTest::qWaitForWindowActive(window));
            window->findChild<QWidget *>(from)->setFocus();
            const ToldEvents told;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::qWait(1);
            const auto focus = told.of(QAccessible::Focus);
            QVERIFY2(
                !focus.isEmpty() && focus.last().name == named,
                qPrintable(QString(from) + ": " + (focus.isEmpty() ? "-" : focus.last().name)));
            QVERIFY(!qobject_cast<QRadioButton *>(focus.last().object) || focus.last().checked);
        }
    }

    // Each editor's title, and how many characters each box takes from the keyboard.
    void titlesAndTypingLimits()
    {
        EditorWindow<Form3> characters(editable());
        EditorWindow<Form4> monsters(editable());
        monsters.select(0);
        EditorWindow<Form5> drops(editable());
        QStringList seen;
        for (QDialog *window :
             {static_cast<QDialog *>(&characters.window), static_cast<QDialog *>(&monsters.window),
              static_cast<QDialog *>(&drops.window)}) {
            seen << window->windowTitle();
            for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
                if (box->isEnabled() && !box->isReadOnly() && !box->isHidden()) {
                    box->selectAll();
                    QTest::keyClicks(box, QString(13, '0'));
                    seen << box->objectName() + '=' + QString::number(box->text().size());
                }
            }
        }
        QCOMPARE(seen.join(' '),
                 "Character Stats Editor LVTXT=6 EXPTXT=8 HPTXT=4 MPTXT=4 STRTXT=3 AGITXT=3 "
                 "STAMTXT=3 INTLTXT=3 SPIRTXT=3 RHAMTTXT=2 LHAMTTXT=2 UNKTXT=3 "
                 "Monster Stats Editor HPTXT=8 EXPTXT=8 VeskTXT=5 STRTXT=3 DEFTXT=3 "
                 "MAGPowerTXT=3 MAGDEFTXT=3 Monster Item Editor INT01TXT=5");
    }

    void everyEditorRoundTripsReloadsAndShowsNoRecordItCouldNotRead()
    {
        appliesEveryRecordUnchanged<Form3>(level);
        appliesEveryRecordUnchanged<Form4>(strength);
        appliesEveryRecordUnchanged<Form5>(int01);
        showsTheRecordTheFileHolds<Form3>(level, 0);
        showsTheRecordTheFileHolds<Form4>(strength, 1);
        showsTheRecordTheFileHolds<Form5>(int01, 0);
    }
};

int main(int argc, char **argv)
{
    QTemporaryFile sheet;
    if (!sheet.open() || sheet.write("* { background: red; }") < 0 || !sheet.flush())
        return 1;
    QByteArray sheetName = sheet.fileName().toLocal8Bit();
    char stylesheet[] = "-stylesheet", geometry[] = "-qwindowgeometry", size[] = "10x10+0+0",
         reverse[] = "-reverse", style[] = "-style", windows[] = "windows";
    char *options[] = {argv[0], stylesheet, sheetName.data(), geometry, size,
                       reverse, style,      windows};
    const auto app = makeApplication(int(std::size(options)), options);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true); // as QTEST_MAIN does
    AppWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "app_window_test.moc"
