#include "monsters/Form4.h"
#include "tests/support/editorwindow.h"

using Bytes = std::vector<std::uint8_t>;
using Editor = EditorWindow<Form4>;

class MonstersWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // Every capped box caps what is typed above its field's maximum; HP has no cap.
    // What does not convert is refused, all together; a negative number goes
    // into an unsigned word as stored.
    void capsTypingRefusesWhatDoesNotConvertAndWritesNegativeWords()
    {
        Editor e(TestImage::pattern());
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
        Bytes expected = e.original;
        for (const auto &[offset, bytes] :
             std::initializer_list<std::pair<int, Bytes>>{{0, {7, 0, 0, 0, 0xFF, 0xFF, 0xD4, 0xFE}},
                                                          {9, {4}},
                                                          {11, {0}},
                                                          {15, {17}},
                                                          {22, {200}}})
            TestImage::put(expected, MonsterRecord::table.recordOffset(5) + offset, bytes);
        QCOMPARE(e.file.bytes(), expected);
        e.select(6);
        e.select(5);
        QCOMPARE(e.shown({"HPTXT", "EXPTXT", "VeskTXT", "STRTXT"}), "7 65535 65236 4");
    }

    // Nothing is selected on opening, nor after a Ctrl+click on the selected
    // monster: no box shows a value and "Apply" is off.
    void opensEmptyWorksFromTheKeyboardAndEmptiesOnDeselect()
    {
        Bytes image = TestImage::pattern();
        TestImage::put(image, MonsterRecord::table.recordOffset(1),
                       {0x00, 0x00, 0x00, 0x80, 0x40, 0x9C, 0xFF, 0xFF, 1,
                        0xFF, 2,    3,    4,    5,    6,    7,    8,    0x00,
                        0x80, 9,    10,   11,   12,   0xFF, 0xFF, 0xFF, 0x7F});
        Editor e(image);
        auto *list = e.get<QListWidget>("MonsterLST");
        QCOMPARE(list->item(list->count() - 1)->text(), "Monster #: 252");
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
        e.apply();
        QVERIFY(e.desktop.messages.isEmpty() && e.file.bytes() == image);
    }

    void numberBoxesShowTheirWidestText()
    {
        Editor e(TestImage::pattern());
        const std::pair<const char *, const char *> widest[] = {
            {"HPTXT", "-2147483648"}, {"EXPTXT", "65535"},    {"VeskTXT", "65535"},
            {"STRTXT", "255"},        {"UNK07TXT", "-32768"}, {"UNK11TXT", "-2147483648"}};
        for (const auto &[name, text] : widest)
            QVERIFY2(showsWhole(e.get(name), text), name);
    }
};

QTEST_MAIN(MonstersWindowTest)
#include "monsters_window_test.moc"
