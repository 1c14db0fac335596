#include "characters/Form3.h"
#include "shell/romfile.h"
#include "tests/support/boxes.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/romimage.h"

#include <QTest>
#include <QtWidgets>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Changes = std::initializer_list<std::tuple<int, int, Bytes>>; // record, field, bytes

// LV 5, right-handed, HP 300, MP 50, STR..SPIR 20..24, EXP 3000; R-Hand entry 1 (1),
// L-Hand 0x29 (1), Head 0x52, Body 0x88, Arms 0xB5; 0xEE where no field lies.
const Bytes plain = {5,    0,    0x2C, 0x01, 0x32, 0x00, 20,   21,   22,   23,   24,
                     0,    0xB8, 0x0B, 0,    0,    0x01, 0x00, 0x01, 0xEE, 0x29, 0x00,
                     0x01, 0xEE, 0x52, 0x00, 0x88, 0x00, 0xB5, 0x00, 0xEE, 0xEE};

Bytes changed(Changes changes, Bytes image = TestImage::pattern())
{
    for (const auto &[index, field, bytes] : changes)
        TestImage::put(image, CharacterTable::recordOffset(index) + field, bytes);
    return image;
}

struct Editor
{
    explicit Editor(const Bytes &image) : original(image), file(image) { window.show(); }
    template <class T = QLineEdit> T *get(QString n) const { return window.findChild<T *>(n); }
    QString text(const QStringList &names) const // the boxes' texts, a space between two
    {
        QStringList shown;
        for (const QString &name : names)
            shown << get(name)->text();
        return shown.join(' ');
    }
    void type(const QStringList &edits) const // box, text, box, text, ...
    {
        for (qsizetype i = 0; i + 1 < edits.size(); i += 2)
            get(edits[i])->setText(edits[i + 1]);
    }
    int hand() const { return get<QRadioButton>("RHOPT")->group()->checkedId(); } // -1: none
    void select(int row) const { get<QListWidget>("CharLST")->setCurrentRow(row); }
    void apply() const { QTest::mouseClick(get<QPushButton>("ApplyCMD"), Qt::LeftButton); }

    Bytes original;
    TempRom file;
    RomFile rom;
    bool opened = rom.open(file.path()); // before the window loads "Charcter 1"
    FakeDesktop desktop;
    Form3 window{rom, desktop};
};

} // namespace

class Form3Test : public QObject
{
    Q_OBJECT

private slots:
    void loadsEverySelectionAppliesOnceAndCancelWritesNothing()
    {
        Editor e(changed({{0, 0, plain}, {14, 0, plain}, {14, 0, {99}}, {14, 29, {7}}}));
        QCOMPARE(e.get<QListWidget>("CharLST")->currentItem()->text(), "Charcter 1");
        QCOMPARE(e.get<QListWidget>("CharLST")->item(14)->text(), "Charcter 15");
        QCOMPARE(e.text({"LVTXT", "HPTXT", "MPTXT", "STRTXT", "SPIRTXT", "EXPTXT", "RHAMTTXT",
                         "NameTXT"}),
                 "5 300 50 20 24 3000 1 ");
        QCOMPARE(e.get<QComboBox>("LHCBO")->currentIndex(), 0x29);
        QCOMPARE(e.hand(), 0);
        e.type({"LVTXT", "12"});
        e.select(14); // drops the edit
        QCOMPARE(e.text({"LVTXT", "ArmAMTTXT"}), "99 7");
        e.type({"LVTXT", "007", "HPTXT", "-2", "EXPTXT", "2.5", "RHAMTTXT", "12"});
        toggleAccessibly(e.get<QRadioButton>("LROPT"));
        e.apply();
        e.apply();
        QVERIFY(e.desktop.messages.isEmpty());
        QCOMPARE(e.text({"LVTXT"}), "007"); // nothing reloaded
        const Bytes applied =
            changed({{14, 0, {7, 2, 0xFE, 0xFF}}, {14, 12, {2, 0, 0, 0, 1, 0, 12}}}, e.original);
        QCOMPARE(e.file.bytes(), applied);
        e.type({"LVTXT", "1"});
        e.get("STRTXT")->setFocus();
        QTest::keyClick(e.get("STRTXT"), Qt::Key_Return); // neither applies nor cancels
        QVERIFY(e.window.isVisible());
        QTest::mouseClick(e.get<QPushButton>("CancelCMD"), Qt::LeftButton);
        QVERIFY(!e.window.isVisible());
        QCOMPARE(e.file.bytes(), applied);
    }

    void writesNothingForUneditedRecordsOutsideChangesAndBadTexts()
    {
        Editor e(TestImage::random(1));
        for (int index = 14; index >= 0; --index) {
            e.select(index);
            e.apply();
        }
        QCOMPARE(e.file.bytes(), e.original); // long loaded numbers stay whole
        e.file.poke(CharacterTable::recordOffset(0), {42});
        e.type({"STRTXT", "30"});
        e.apply();
        QCOMPARE(e.desktop.messages.size(), 1);
        QVERIFY(e.desktop.messages.last().text.contains("changed on disk"));
        auto *list = e.get<QListWidget>("CharLST"); // a click on the shown entry reloads it
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QCOMPARE(e.text({"LVTXT"}), "42");
        e.apply();
        QCOMPARE(e.desktop.messages.size(), 1);
        e.type({"SPIRTXT", "9", "STRTXT", "300", "HPTXT", "-", "LVTXT", "", "EXPTXT", "99999999999",
                "RHAMTTXT", "256", "MPTXT", "1e3", "UNKTXT", "x"});
        e.apply();
        QCOMPARE(e.desktop.messages.size(), 2);
        const auto &[title, text, icon] = e.desktop.messages.last();
        QVERIFY(title == "Velmora Editor" && icon == QMessageBox::Warning);
        for (const char *label :
             {"STR:", "HP:", "LV:", "EXP:", "R-Hand amount:", "MP:", "Unknown:"})
            QVERIFY2(text.contains(label), qPrintable(text));
        QVERIFY(!text.contains("SPIR:")); // a good field, not written either
        QCOMPARE(e.file.bytes(), changed({{0, 0, {42}}}, e.original));
        e.get("HPTXT")->selectAll();
        QTest::keyClicks(e.get("HPTXT"), "123456"); // only typing is limited
        QCOMPARE(e.text({"HPTXT"}), "1234");
    }

    void keepsUnlistedIdsAndUnknownHandBytesUntilTheUserPicks()
    {
        const Bytes base = changed({{0, 0, plain}, {1, 0, plain}, {1, 1, {1}}, {0, 1, {7}}});
        Editor e(
            changed({{0, 16, {0xA5, 0x01}}, {0, 20, {0xFE, 0xFF}}, {0, 24, {0xFF, 0xFF}}}, base));
        auto *right = e.get<QComboBox>("RHCBO");
        QCOMPARE(right->placeholderText(), "(stored id 0x1A5: not in the list)");
        QCOMPARE(e.get<QComboBox>("LHCBO")->toolTip(), "(stored id 0xFFFE: not in the list)");
        QCOMPARE(e.get<QComboBox>("HeadCBO")->currentIndex(), -1); // FF FF: no selection
        e.select(1);
        QCOMPARE(e.hand(), 1);
        e.apply(); // a listed record after an unlisted one keeps its own ids
        e.select(0);
        QCOMPARE(right->currentIndex(), -1);
        QCOMPARE(e.hand(), -1);
        e.apply();
        QCOMPARE(e.file.bytes(), e.original);
        right->setFocus();
        QTest::keyClick(right, Qt::Key_Down);
        QTest::mouseClick(e.get<QRadioButton>("RHOPT"), Qt::LeftButton);
        e.apply();
        QCOMPARE(e.file.bytes(), changed({{0, 1, {0}}, {0, 16, {0, 0}}}, e.original));
    }

    void disabledAmountsFollowThePickedItemAndTabSkipsThem()
    {
        Editor e(changed({{0, 0, plain}}));
        Bytes expected = e.original;
        for (const auto &[box, amount, at] : {std::tuple{"HeadCBO", "HeadAMTTXT", 24},
                                              {"BodyCBO", "BodyAMTTXT", 26},
                                              {"ArmCBO", "ArmAMTTXT", 28}}) {
            QVERIFY(!e.get(amount)->isEnabled()); // cannot be typed into
            e.get<QComboBox>(box)->setFocus();
            QTest::keyClick(e.get<QComboBox>(box),
                            Qt::Key_End); // picks 0x144, whose high byte is 1
            QCOMPARE(e.text({amount}), "1");
            e.apply();
            TestImage::put(expected, CharacterTable::recordOffset(0) + at, {0x44, 0x01});
            QCOMPARE(e.file.bytes(), expected);
        }
        e.select(1);
        e.select(0);
        QCOMPARE(e.get<QComboBox>("ArmCBO")->currentIndex(), 324);
        QCOMPARE(e.text({"HeadAMTTXT", "BodyAMTTXT", "ArmAMTTXT"}), "1 1 1");
        QVERIFY(QTest::qWaitForWindowActive(&e.window));
        e.get<QListWidget>("CharLST")->setFocus();
        QStringList visited;
        for (int step = 0; step < 22; ++step) {
            QWidget *at = QApplication::focusWidget();
            visited << at->objectName();
            QTest::keyClick(at, Qt::Key_Tab);
        }
        // Name and the Head, Body and Arms amounts are disabled; the options are one stop.
        QCOMPARE(visited.join(' '),
                 "CharLST LVTXT EXPTXT HPTXT MPTXT STRTXT AGITXT STAMTXT INTLTXT "
                 "SPIRTXT RHCBO RHAMTTXT LHCBO LHAMTTXT HeadCBO BodyCBO ArmCBO "
                 "RHOPT CancelCMD ApplyCMD UNKTXT CharLST");
    }

    void numberBoxesShowTheirWidestText()
    {
        Editor e(TestImage::pattern());
        const std::pair<const char *, const char *> widest[] = {
            {"LVTXT", "255"},    {"EXPTXT", "-2147483648"}, {"HPTXT", "-32768"},
            {"MPTXT", "-32768"}, {"SPIRTXT", "255"},        {"UNKTXT", "255"},
            {"RHAMTTXT", "255"}, {"ArmAMTTXT", "255"}};
        for (const auto &[name, text] : widest)
            QVERIFY2(showsWhole(e.get(name), text), name);
    }
};

QTEST_MAIN(Form3Test)
#include "characters_window_test.moc"
