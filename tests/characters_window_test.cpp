#include "characters/Form3.h"
#include "tests/support/editorwindow.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Changes = std::initializer_list<std::tuple<int, int, Bytes>>; // record, field, bytes

// LV 5, right-handed, HP -1, MP 4660, STR..SPIR 20..24, UNK 99, EXP 65536; R-Hand
// entry 1 (1), L-Hand 0x29 (1), Head 0x52, Body 0x88, Arms 0xB5; 0xEE where no field lies.
const Bytes plain = {5,    0,    0xFF, 0xFF, 0x34, 0x12, 20,   21,   22,   23,   24,
                     99,   0x00, 0x00, 0x01, 0,    0x01, 0x00, 0x01, 0xEE, 0x29, 0x00,
                     0x01, 0xEE, 0x52, 0x00, 0x88, 0x00, 0xB5, 0x00, 0xEE, 0xEE};

Bytes changed(Changes changes, Bytes image = TestImage::pattern())
{
    for (const auto &[index, field, bytes] : changes)
        TestImage::put(image, CharacterRecord::table.recordOffset(index) + field, bytes);
    return image;
}

using Editor = EditorWindow<Form3>;

} // namespace

class Form3Test : public QObject
{
    Q_OBJECT

private slots:
    void showsEachRecordAppliesWhatIsTypedAndRefusesBadTexts()
    {
        Editor e(changed({{0, 0, plain}, {14, 0, plain}, {14, 0, {99}}, {14, 29, {7}}}));
        QCOMPARE(e.list()->item(e.list()->count() - 1)->text(), "Charcter 15");
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
        const Bytes applied =
            changed({{14, 0, {7, 2, 0xFE, 0xFF}}, {14, 12, {2, 0, 0, 0, 1, 0, 12}}}, e.original);
        QCOMPARE(e.file.bytes(), applied);

        e.set({"SPIRTXT", "9", "STRTXT", "300", "HPTXT", "-", "EXPTXT", "99999999999", "RHAMTTXT",
               "256", "UNKTXT", "x"});
        e.apply(); // nothing written, not even the good SPIR
        QCOMPARE(e.desktop.messages.size(), 1);
        const QString text = e.desktop.messages.last().text;
        for (const char *label : {"STR:", "HP:", "EXP:", "R-Hand amount:", "Unknown:"})
            QVERIFY2(text.contains(label) && !text.contains("SPIR:"), qPrintable(text));
        QCOMPARE(e.file.bytes(), applied);
        e.get("HPTXT")->selectAll();
        QTest::keyClicks(e.get("HPTXT"), "123456"); // only typing is limited
        QCOMPARE(e.shown({"HPTXT"}), "1234");
    }

    void keepsUnlistedIdsAndUnknownHandBytesUntilTheUserPicksAndAmountsFollowItems()
    {
        const Bytes base = changed({{0, 0, plain}, {0, 1, {7}}}); // hand 7, unknown
        Editor e(
            changed({{0, 16, {0xA5, 0x01}}, {0, 20, {0xFE, 0xFF}}, {0, 24, {0xFF, 0xFF}}}, base));
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
        const Bytes picked = changed({{0, 1, {0}}, {0, 16, {0, 0}}}, e.original);
        QCOMPARE(e.file.bytes(), picked);
        // Disabled amounts follow the picked item; Tab skips them.
        for (const char *box : {"HeadCBO", "BodyCBO", "ArmCBO"}) {
            e.get<QComboBox>(box)->setFocus();
            QTest::keyClick(e.get<QComboBox>(box), Qt::Key_End); // 0x144, whose high byte is 1
        }
        QCOMPARE(e.shown({"HeadAMTTXT", "BodyAMTTXT", "ArmAMTTXT"}), "1 1 1");
        e.apply();
        QCOMPARE(e.file.bytes(), changed({{0, 24, {0x44, 1, 0x44, 1, 0x44, 1}}}, picked));
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

    void numberBoxesShowTheirWidestText()
    {
        Editor e(TestImage::pattern());
        QVERIFY(showsWhole(e.get("EXPTXT"), "-2147483648"));
        QVERIFY(showsWhole(e.get("HPTXT"), "-32768"));
        QVERIFY(showsWhole(e.get("ArmAMTTXT"), "255"));
        QVERIFY(showsEveryUnlistedIdWhole(e.get<ItemBox>("RHCBO")));
    }
};

QTEST_MAIN(Form3Test)
#include "characters_window_test.moc"
