#include "monsters/Form4.h"
#include "tests/support/editorwindow.h"

#include <QTest>
#include <QtWidgets>

using Bytes = std::vector<std::uint8_t>;

namespace {

using Editor = EditorWindow<Form4>;

// Hundreds of Apply syncs: keep the test images where a sync costs nothing.
const bool imagesInMemory = QFile::exists("/dev/shm") && qputenv("TMPDIR", "/dev/shm");

} // namespace

class MonstersWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void capsWhileTypingAndWritesNothingInvalidOrCancelled()
    {
        const Bytes image = TestImage::pattern();
        Editor e(image);
        e.select(5);
        const std::tuple<const char *, QString, QString> typed[] = {
            {"STRTXT", "256", "255"},       {"STRTXT", "255", "255"},
            {"STRTXT", "1234", "123"},      {"MAGPowerTXT", "300", "255"},
            {"MAGDEFTXT", "256", "255"},    {"EXPTXT", "70000", "65535"},
            {"EXPTXT", "65535.5", "65535"}, {"VeskTXT", "99999", "65535"},
            {"VeskTXT", "123456", "12345"}, {"HPTXT", "123456789", "12345678"}};
        for (const auto &[name, text, result] : typed) {
            e.type(name, text);
            QCOMPARE(e.get(name)->text(), result);
        }
        e.get("DEFTXT")->setText("300"); // set by the program, not typed
        QCOMPARE(e.get("DEFTXT")->text(), "255");
        const std::pair<const char *, QString> bad[] = {
            {"HPTXT", ""},     {"EXPTXT", "-40000"},   {"VeskTXT", "-"},   {"STRTXT", "-1"},
            {"DEFTXT", "abc"}, {"MAGPowerTXT", "1e3"}, {"MAGDEFTXT", "12"}};
        for (const auto &[name, text] : bad)
            e.type(name, text);
        e.apply(); // left alone while typing, all refused together here
        QCOMPARE(e.desktop.messages.size(), 1);
        const auto &message = e.desktop.messages.first();
        QVERIFY(message.title == "Velmora Editor" && message.icon == QMessageBox::Warning);
        for (const char *label : {"HP:", "EXP:", "Vesk:", "STR:", "DEF:", "MAG Power:"})
            QVERIFY2(message.text.contains(label), label);
        QVERIFY(!message.text.contains("MAG DEF:"));
        e.type("HPTXT", "5");
        e.get<QPushButton>("CancelCMD")->click();
        QVERIFY(!e.window.isVisible() && e.file.bytes() == image);
    }

    void applyWritesEachFieldAsTheNumberItShowsAndNothingOverAnOutsideChange()
    {
        const std::tuple<const char *, QString, int, Bytes, QString> cases[] = {
            {"VeskTXT", "-300", 6, {0xD4, 0xFE}, "65236"}, {"STRTXT", "2.5", 9, {2}, "2"},
            {"EXPTXT", "-1", 4, {0xFF, 0xFF}, "65535"},    {"STRTXT", "3.5", 9, {4}, "4"},
            {"MAGPowerTXT", "200", 22, {200}, "200"},      {"DEFTXT", "0", 11, {0}, "0"},
            {"HPTXT", "007", 0, {7, 0, 0, 0}, "7"},        {"MAGDEFTXT", "17", 15, {17}, "17"}};
        Bytes expected = TestImage::pattern();
        Editor e(expected);
        e.select(5);
        for (const auto &[name, typed, offset, written, shownAgain] : cases) {
            e.type(name, typed);
            e.apply();
            e.apply(); // twice writes what once does
            TestImage::put(expected, MonsterRecord::table.recordOffset(5) + offset, written);
            QVERIFY2(e.file.bytes() == expected, name);
            e.select(6);
            e.select(5);
            QCOMPARE(e.get(name)->text(), shownAgain);
        }
        e.type("HPTXT", "1000"); // the first message, so none before
        e.file.poke(MonsterRecord::table.recordOffset(5), {1, 2, 3, 4}); // another program
        expected = e.file.bytes();
        e.apply();
        QVERIFY(e.desktop.messages.value(0).text.contains("changed on disk") &&
                e.file.bytes() == expected);
    }

    void everyRecordRoundTripsUnchanged()
    {
        const Bytes image = TestImage::random(1);
        Editor e(image);
        for (int monster = 0; monster < MonsterRecord::table.count; ++monster, e.apply())
            e.select(monster);
        QVERIFY(e.desktop.messages.isEmpty() && e.file.bytes() == image);
    }

    void opensEmptyAndWorksFromTheKeyboard()
    {
        Bytes image = TestImage::pattern();
        TestImage::put(image, MonsterRecord::table.recordOffset(1),
                       {0x00, 0x00, 0x00, 0x80, 0x40, 0x9C, 0xFF, 0xFF, 1,
                        0xFF, 2,    3,    4,    5,    6,    7,    8,    0x00,
                        0x80, 9,    10,   11,   12,   0xFF, 0xFF, 0xFF, 0x7F});
        Editor e(image);
        auto *list = e.get<QListWidget>("MonsterLST");
        QCOMPARE(list->item(list->count() - 1)->text(), "Monster #: 252");
        QVERIFY(e.get<QProgressBar>("pbar")->isHidden() && list->selectedItems().isEmpty() &&
                !e.get<QPushButton>("ApplyCMD")->isEnabled());
        for (QLineEdit *box : e.window.findChildren<QLineEdit *>())
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        e.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e.window));
        QTest::keyClick(list, Qt::Key_Down); // selects monster 1
        QStringList order; // the focus from the start, then at each Tab, with the text shown
        for (int i = 0; i < 21; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            order << QApplication::focusWidget()->objectName() + "=" +
                         QApplication::focusWidget()->property("text").toString();
        QCOMPARE(order.join(' '),
                 "MonsterLST= HPTXT=-2147483648 EXPTXT=40000 VeskTXT=65535 STRTXT=255 DEFTXT=3 "
                 "MAGPowerTXT=12 MAGDEFTXT=7 UNK01TXT=1 UNK02TXT=2 UNK03TXT=4 "
                 "UNK04TXT=5 UNK05TXT=6 UNK06TXT=8 UNK07TXT=-32768 UNK09TXT=10 "
                 "UNK10TXT=11 UNK11TXT=2147483647 ApplyCMD=Apply CancelCMD=Cancel MonsterLST=");
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
