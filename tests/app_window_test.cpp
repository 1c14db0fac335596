// Each editor window on its own, then what all windows must do alike, checked
// over every one of them, in the application as the program makes it.
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

namespace {

using Bytes = std::vector<std::uint8_t>;

// Hundreds of Apply syncs: keep the test images where a sync costs nothing.
const bool imagesInMemory = QFile::exists("/dev/shm") && qputenv("TMPDIR", "/dev/shm");

// image with bytes put into records of one kind: the record, the byte in it, the bytes.
template <class Record>
Bytes withRecords(std::initializer_list<std::tuple<int, int, Bytes>> changes,
                  Bytes image = TestImage::pattern())
{
    for (const auto &[index, at, bytes] : changes)
        TestImage::put(image, Record::table.recordOffset(index) + at, bytes);
    return image;
}

// LV 5, right-handed, HP -1, MP 4660, STR..SPIR 20..24, UNK 99, EXP 65536; R-Hand
// entry 1 (1), L-Hand 0x29 (1), Head 0x52, Body 0x88, Arms 0xB5; 0xEE where no field lies.
const Bytes plainCharacter = {5,    0,    0xFF, 0xFF, 0x34, 0x12, 20,   21,   22,   23,   24,
                              99,   0x00, 0x00, 0x01, 0,    0x01, 0x00, 0x01, 0xEE, 0x29, 0x00,
                              0x01, 0xEE, 0x52, 0x00, 0x88, 0x00, 0xB5, 0x00, 0xEE, 0xEE};

// A drop record's controls: INT01, the chance class and its four options, the four
// item boxes, shown as "-1 2 0 0 1 0 5 -1 7 0".
const QStringList dropRecord = QStringLiteral("INT01TXT Byte03TXT Item01OPT Item02OPT Item03OPT "
                                              "Item04OPT Item01CBO Item02CBO Item03CBO Item04CBO")
                                   .split(' ');
const QStringList chance = dropRecord.mid(1, 5), itemBoxes = dropRecord.mid(6);

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

// Every record applied as loaded goes back as it came. After a refusal over another
// program's change, a click, Enter or Space on the record shown loads what the file
// holds; "Apply" then writes what is typed, twice as once. Enter in a box neither
// applies nor closes; Esc and "Cancel" close unwritten. A record that cannot be read
// shows nothing, "Apply" off until a read succeeds (only the Monster Stat Editor says so).
template <class Form> void roundTripsAndReloads(const NumberField &f, int failedReadMessages)
{
    EditorWindow<Form, FlakyRom> e(editable());
    for (int row = 0; row < e.list()->count(); ++row, e.apply())
        e.select(row);
    const auto last = e.original.begin() + std::ptrdiff_t(f.lastRecord);
    QCOMPARE(e.get(f.box)->text(),
             QString::number(fieldValue(Bytes(last, last + f.table.recordSize), f.field)));
    QVERIFY(e.desktop.messages.isEmpty());
    QCOMPARE(e.file.bytes(), e.original);

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
    e.type(f.box, "9");
    QTest::keyClick(e.get(f.box), Qt::Key_Return);
    QVERIFY(e.window.isVisible());
    QTest::keyClick(e.get(f.box), Qt::Key_Escape);
    QVERIFY(!e.window.isVisible());
    QCOMPARE(e.file.bytes(), expected);
    e.window.show();

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

    // ---- The Character Stat Editor (Form3) ----

    void showsEachRecordAppliesWhatIsTypedAndRefusesBadTexts()
    {
        EditorWindow<Form3> e(withRecords<CharacterRecord>(
            {{0, 0, plainCharacter}, {14, 0, plainCharacter}, {14, 0, {99}}, {14, 29, {7}}}));
        QCOMPARE(e.shown({"LVTXT", "HPTXT", "MPTXT", "STRTXT", "SPIRTXT", "UNKTXT", "EXPTXT",
                          "RHAMTTXT", "LHCBO", "RHOPT", "NameTXT"}),
                 "5 -1 4660 20 24 99 65536 1 41 1 ");
        e.set({"LVTXT", "12"});
        e.select(14); // drops the edit
        QCOMPARE(e.shown({"LVTXT", "ArmAMTTXT"}), "99 7");
        e.set({"LVTXT", "007", "HPTXT", "-2", "EXPTXT", "2.5", "RHAMTTXT", "12"});
        QTest::mouseClick(e.get<QRadioButton>("LROPT"), Qt::LeftButton);
        e.apply();
        QVERIFY(e.desktop.messages.isEmpty() && e.shown({"LVTXT"}) == "007"); // nothing reloaded
        const Bytes applied = withRecords<CharacterRecord>(
            {{14, 0, {7, 2, 0xFE, 0xFF}}, {14, 12, {2, 0, 0, 0, 1, 0, 12}}}, e.original);
        QCOMPARE(e.file.bytes(), applied);

        e.set({"SPIRTXT", "9", "STRTXT", "300", "HPTXT", "-", "EXPTXT", "99999999999", "RHAMTTXT",
               "256", "UNKTXT", "x"});
        e.apply(); // nothing written, not even the good SPIR; set texts are not cut to the limits
        QCOMPARE(e.desktop.messages.size(), 1);
        const QString text = e.desktop.messages.last().text;
        for (const char *label : {"STR:", "HP:", "EXP:", "R-Hand amount:", "Unknown:"})
            QVERIFY2(text.contains(label) && !text.contains("SPIR:"), qPrintable(text));
        QCOMPARE(e.file.bytes(), applied);
    }

    void keepsUnlistedIdsAndUnknownHandBytesUntilTheUserPicksAndAmountsFollowItems()
    {
        EditorWindow<Form3> e(withRecords<CharacterRecord>({{0, 0, plainCharacter},
                                                            {0, 1, {7}}, // hand 7, unknown
                                                            {0, 16, {0xA5, 0x01}},
                                                            {0, 20, {0xFE, 0xFF}},
                                                            {0, 24, {0xFF, 0xFF}}}));
        auto *right = e.get<QComboBox>("RHCBO");
        QCOMPARE(right->placeholderText(), "(stored id 0x1A5: not in the list)");
        QCOMPARE(e.get<QComboBox>("LHCBO")->toolTip(), "(stored id 0xFFFE: not in the list)");
        QCOMPARE(e.shown({"RHCBO", "HeadCBO", "LHOPT", "RHOPT", "LROPT"}), "421 -1 0 0 0");
        e.apply();
        QCOMPARE(e.file.bytes(), e.original);
        right->setFocus();
        QTest::keyClick(right, Qt::Key_Down);
        QString hands; // each option turned on as a screen reader does, then applied
        for (const char *option : {"LHOPT", "LROPT", "RHOPT"}) {
            toggleAccessibly(e.get<QWidget>(option));
            e.apply();
            hands += QString::number(e.file.bytes()[CharacterRecord::table.recordOffset(0) + 1]);
        }
        QCOMPARE(hands, "120");
        const Bytes picked =
            withRecords<CharacterRecord>({{0, 1, {0}}, {0, 16, {0, 0}}}, e.original);
        QCOMPARE(e.file.bytes(), picked);
        // Disabled amounts follow the picked item; Tab skips them.
        for (const char *box : {"HeadCBO", "BodyCBO", "ArmCBO"}) {
            e.get<QComboBox>(box)->setFocus();
            QTest::keyClick(e.get<QComboBox>(box), Qt::Key_End); // 0x144, whose high byte is 1
        }
        QCOMPARE(e.shown({"HeadAMTTXT", "BodyAMTTXT", "ArmAMTTXT"}), "1 1 1");
        e.apply();
        QCOMPARE(e.file.bytes(),
                 withRecords<CharacterRecord>({{0, 24, {0x44, 1, 0x44, 1, 0x44, 1}}}, picked));
        e.select(1);
        e.select(0);
        QCOMPARE(e.shown({"HeadCBO", "ArmCBO", "ArmAMTTXT"}), "324 324 1");
        QVERIFY(QTest::qWaitForWindowActive(&e.window));
        e.get<QListWidget>("CharLST")->setFocus();
        // Name and the Head, Body and Arms amounts are disabled; the options are one stop.
        QCOMPARE(e.tabWalk(22).join(' '),
                 "CharLST LVTXT EXPTXT HPTXT MPTXT STRTXT AGITXT STAMTXT INTLTXT "
                 "SPIRTXT RHCBO RHAMTTXT LHCBO LHAMTTXT HeadCBO BodyCBO ArmCBO "
                 "RHOPT CancelCMD ApplyCMD UNKTXT CharLST");
    }

    // ---- The Monster Stat Editor (Form4) ----

    // Every capped box caps what is typed above its field's maximum; HP has no cap.
    // What does not convert is refused, all together; a negative number goes
    // into an unsigned word as stored.
    void capsTypingRefusesWhatDoesNotConvertAndWritesNegativeWords()
    {
        EditorWindow<Form4> e(TestImage::pattern());
        e.select(5);
        const std::tuple<const char *, QString, QString> typed[] = {
            {"STRTXT", "256", "255"},         {"STRTXT", "255", "255"},
            {"DEFTXT", "300", "255"},         {"MAGPowerTXT", "300", "255"},
            {"MAGDEFTXT", "256", "255"},      {"EXPTXT", "70000", "65535"},
            {"EXPTXT", "65535.5", "65535"},   {"VeskTXT", "99999", "65535"},
            {"HPTXT", "99999999", "99999999"}};
        for (const auto &[name, text, result] : typed) {
            e.type(name, text);
            QCOMPARE(e.get(name)->text(), result);
        }
        e.get("DEFTXT")->setText("300"); // set by the program, not typed
        QCOMPARE(e.get("DEFTXT")->text(), "255");
        e.set({"HPTXT", "", "EXPTXT", "-40000", "VeskTXT", "-", "STRTXT", "-1", "DEFTXT", "abc",
               "MAGPowerTXT", "1e3", "MAGDEFTXT", "12"});
        e.apply(); // left alone in the boxes, all refused together here
        QCOMPARE(e.desktop.messages.size(), 1);
        const auto &message = e.desktop.messages.first();
        QVERIFY(message.title == "Velmora Editor" && message.icon == QMessageBox::Warning);
        for (const char *label : {"HP:", "EXP:", "Vesk:", "STR:", "DEF:", "MAG Power:"})
            QVERIFY2(message.text.contains(label), label);
        QVERIFY(!message.text.contains("MAG DEF:"));
        QCOMPARE(e.file.bytes(), e.original);
        e.set({"HPTXT", "007", "EXPTXT", "-1", "VeskTXT", "-300", "STRTXT", "3.5", "DEFTXT", "0",
               "MAGPowerTXT", "200", "MAGDEFTXT", "17"});
        e.apply();
        Bytes expected = e.original; // HP, EXP and Vesk, then STR, DEF, MAG DEF and MAG Power
        const std::uint64_t at = MonsterRecord::table.recordOffset(5);
        TestImage::put(expected, at, {7, 0, 0, 0, 0xFF, 0xFF, 0xD4, 0xFE});
        for (const auto &[field, value] : {std::pair{9, 4}, {11, 0}, {15, 17}, {22, 200}})
            expected[at + field] = std::uint8_t(value);
        QCOMPARE(e.file.bytes(), expected);
        e.select(6);
        e.select(5);
        QCOMPARE(e.shown({"HPTXT", "EXPTXT", "VeskTXT", "STRTXT"}), "7 65535 65236 4");
    }

    // Nothing is selected on opening, nor after a Ctrl+click on the selected
    // monster: no box shows a value and "Apply" is off.
    void opensEmptyWorksFromTheKeyboardAndEmptiesOnDeselect()
    {
        const Bytes widest = {0x00, 0x00, 0x00, 0x80, 0x40, 0x9C, 0xFF, 0xFF, 1,
                              0xFF, 2,    3,    4,    5,    6,    7,    8,    0x00,
                              0x80, 9,    10,   11,   12,   0xFF, 0xFF, 0xFF, 0x7F};
        EditorWindow<Form4> e(withRecords<MonsterRecord>({{1, 0, widest}}));
        auto *list = e.get<QListWidget>("MonsterLST");
        QVERIFY(e.get<QProgressBar>("pbar")->isHidden() && e.showsNoRecord());
        e.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e.window));
        QTest::keyClick(list, Qt::Key_Down);    // selects monster 1
        QCOMPARE(e.tabWalk(21, true).join(' '), // from the list, with the text shown
                 "MonsterLST= HPTXT=-2147483648 EXPTXT=40000 VeskTXT=65535 STRTXT=255 DEFTXT=3 "
                 "MAGPowerTXT=12 MAGDEFTXT=7 UNK01TXT=1 UNK02TXT=2 UNK03TXT=4 "
                 "UNK04TXT=5 UNK05TXT=6 UNK06TXT=8 UNK07TXT=-32768 UNK09TXT=10 "
                 "UNK10TXT=11 UNK11TXT=2147483647 ApplyCMD=Apply CancelCMD=Cancel MonsterLST=");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(1)).center());
        QVERIFY(list->selectedItems().isEmpty() && e.showsNoRecord());
    }

    // ---- The Monster Item Editor (Form5) ----

    void showsEachRecordAndWritesOnlyOnApplyFromMouseOrKeyboard()
    {
        const Bytes first = {0x39, 0x30, 2, 0x77, 0x01, 0, 0x00, 0x01, 0, 0, 0xFF, 0xFF};
        EditorWindow<Form5> e(withRecords<DropRecord>(
            {{0, 0, first}, {1, 0, {0, 0, 0}}, {2, 0, {0, 0, 1}}, {4, 0, {0, 0, 3}}}));
        QCOMPARE(e.shown(dropRecord),
                 "12345 2 0 0 1 0 1 256 0 -1"); // record 0, selected on opening
        QVERIFY(QTest::qWaitForWindowActive(&e.window));
        QCOMPARE(e.tabWalk(11).join(' '), "ItemLST INT01TXT Item03OPT " + itemBoxes.join(' ') +
                                              " ApplyCMD CancelCMD ItemLST INT01TXT");

        Bytes expected = e.file.bytes(); // then edits, all dropped by selecting another record
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(e.shown(chance), "3 0 0 0 1");
        e.type("INT01TXT", "77");
        e.get<QWidget>(itemBoxes[2])->setProperty("currentIndex", 5);
        for (const auto &[row, shown] :
             {std::pair{1, "0 1 0 0 0"}, {2, "1 0 1 0 0"}, {4, "3 0 0 0 1"}}) {
            e.select(row);
            QCOMPARE(e.shown(chance), shown);
        }
        for (int option = 0; option < 4; ++option) { // each as a screen reader turns it on
            toggleAccessibly(e.get<QWidget>(chance[1 + option]));
            e.get<QWidget>("ApplyCMD")->setFocus(); // and Enter on "Apply"
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            expected[DropRecord::table.recordOffset(4) + 2] = std::uint8_t(option);
            QCOMPARE(e.file.bytes(), expected);
        }
    }

    void refusedClassWarnsAndClosesUnwritten()
    {
        EditorWindow<Form5> e(withRecords<DropRecord>({{0, 0, {0, 0, 0}}, {30, 0, {0, 0, 4}}}));
        e.select(30);
        QCOMPARE(e.desktop.messages.size(), 1);
        const QString text = e.desktop.messages[0].text;
        QCOMPARE(text, "You have loaded a NON US ROM or put in a value more than 3 in this offset, "
                       "please correct this or restore the US ROM.");
        QCOMPARE(e.shown(chance.mid(1)), "0 0 0 0");
        QVERIFY(!e.window.isVisible() && e.file.bytes() == e.original);

        e.file.poke(DropRecord::table.recordOffset(0) + 2, {9}); // class 9, then open again
        bool shown = false;
        QTimer closer; // should the window open after all, it is seen and closed again
        closer.callOnTimeout([&] { shown |= QApplication::activeModalWidget() != nullptr; });
        closer.callOnTimeout(&QApplication::closeAllWindows);
        closer.start(1);
        openEditor<Form5>(nullptr, e.rom, e.desktop);
        QVERIFY(!shown && e.desktop.messages.size() == 2 && e.desktop.messages[1].text == text);
    }

    void applyKeepsUnlistedItemsAndRefusesBadValues()
    {
        EditorWindow<Form5> e(
            withRecords<DropRecord>({{0, 0, {0x00, 0x80, 0, 0, 3, 0, 0xA5, 0x01, 4, 0, 0xFE, 0xFF}},
                                     {1, 0, {0, 0, 1, 0, 7, 0, 8, 0, 9, 0, 10, 0}}}));
        QCOMPARE(e.shown(dropRecord), "-32768 0 1 0 0 0 3 421 4 -2"); // more than the user may type
        Bytes expected = e.file.bytes();
        e.apply();                   // writes them back whole, as the first refusal below shows
        e.type("INT01TXT", "40000"); // which texts are numbers: the core's tests
        e.apply();
        QVERIFY(e.desktop.messages.size() == 1 && e.file.bytes() == expected &&
                e.desktop.messages.takeFirst().text.contains("-32768 to 32767"));
        e.select(1);
        QCOMPARE(e.shown(dropRecord), "0 1 0 1 0 0 7 8 9 10");
        e.select(0); // a picked entry replaces an unlisted id
        e.get<QWidget>(itemBoxes[1])->setFocus();
        QTest::keyClick(e.get<QWidget>(itemBoxes[1]), Qt::Key_End);
        e.apply();
        TestImage::put(expected, DropRecord::table.recordOffset(0) + 6, {0x44, 0x01});
        QCOMPARE(e.file.bytes(), expected);
    }

    // ---- All windows ----

    // Every window over records with ordinary values, with an item id that has
    // no entry (0xFF05) and an unknown hand byte, and with the widest numbers:
    // each shown value is heard with its control's name. Tab into a record list
    // names the record shown; into an option group, the chosen option with its
    // state, in one step: the last focus event a screen reader gets is about them.
    void everyShownValueIsHeardAndTabbingInNamesTheShownRecordAndTheChosenOption()
    {
        namespace C = CharacterField;
        const std::uint64_t c = CharacterRecord::table.recordOffset(0),
                            m = MonsterRecord::table.recordOffset(3),
                            d = DropRecord::table.recordOffset(1);
        QStringList unheard;
        const Bytes images[] = {
            editable({{c + C::hand.at, {0}}}),
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
            monsters.select(3);
            EditorWindow<Form5> drops(image);
            drops.select(1); // chance class 1
            TempRom file(image);
            FakeDesktop desktop;
            desktop.fileAnswers << qPath(file.path());
            Form2 main(desktop, standardFeatures());
            main.start();
            const About about(desktop);
            const Form1 splash(desktop, [] {});
            for (const QWidget *window : std::initializer_list<const QWidget *>{
                     &characters.window, &monsters.window, &drops.window, &main, &about, &splash})
                unheard += unheardValues(*window);
            if (&image != images) // the first, right-handed: the stops below
                continue;
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

    // Each editor's title and its list's last record, and how many characters
    // each box takes from the keyboard; each number box shows its widest text
    // whole (also scaled to 200%: ctest), an item box every unlisted id.
    void titlesTypingLimitsAndWidestTexts()
    {
        EditorWindow<Form3> characters(editable());
        EditorWindow<Form4> monsters(editable());
        monsters.select(0);
        EditorWindow<Form5> drops(editable());
        const std::pair<QDialog *, QStringList> widest[] = {
            {&characters.window, {"EXPTXT=-2147483648", "HPTXT=-32768", "ArmAMTTXT=255"}},
            {&monsters.window,
             {"HPTXT=-2147483648", "EXPTXT=65535", "VeskTXT=65535", "STRTXT=255", "UNK07TXT=-32768",
              "UNK11TXT=-2147483648"}},
            {&drops.window, {"INT01TXT=-32768"}}};
        QStringList seen;
        for (const auto &[window, boxes] : widest) {
            for (const QString &box : boxes)
                QVERIFY2(showsWhole(window->findChild<QLineEdit *>(box.section('=', 0, 0)),
                                    box.section('=', 1)),
                         qPrintable(box));
            const QListWidget *list = window->findChild<QListWidget *>();
            seen << window->windowTitle() + " (" + list->item(list->count() - 1)->text() + ')';
            for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
                if (box->isEnabled() && !box->isReadOnly() && !box->isHidden()) {
                    box->selectAll();
                    QTest::keyClicks(box, QString(13, '0'));
                    seen << box->objectName() + '=' + QString::number(box->text().size());
                }
            }
        }
        QCOMPARE(seen.join(' '),
                 "Character Stats Editor (Charcter 15) LVTXT=6 EXPTXT=8 HPTXT=4 MPTXT=4 STRTXT=3 "
                 "AGITXT=3 STAMTXT=3 INTLTXT=3 SPIRTXT=3 RHAMTTXT=2 LHAMTTXT=2 UNKTXT=3 "
                 "Monster Stats Editor (Monster #: 252) HPTXT=8 EXPTXT=8 VeskTXT=5 STRTXT=3 "
                 "DEFTXT=3 MAGPowerTXT=3 MAGDEFTXT=3 Monster Item Editor (Index #: 282) "
                 "INT01TXT=5");
        QVERIFY(showsEveryUnlistedIdWhole(characters.get<ItemBox>("RHCBO")));
        QVERIFY(showsEveryUnlistedIdWhole(drops.get<ItemBox>("Item01CBO")));
    }

    void everyEditorRoundTripsReloadsAndShowsNoRecordItCouldNotRead()
    {
        roundTripsAndReloads<Form3>(level, 0);
        roundTripsAndReloads<Form4>(strength, 1);
        roundTripsAndReloads<Form5>(int01, 0);
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
