#include "monsters/Form4.h"
#include "monsters/monsterrecord.h"
#include "shell/romfile.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/romimage.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

using Bytes = std::vector<std::uint8_t>;

namespace {

// A Form4 over its own copy of an image, driven the way a user drives it.
struct Editor
{
    explicit Editor(const Bytes &image) : file(image)
    {
        rom.open(file.path());
        window.show();
    }
    QLineEdit *box(const char *name) { return window.findChild<QLineEdit *>(name); }
    QListWidget *list() { return window.findChild<QListWidget *>("MonsterLST"); }
    QPushButton *button(const char *name) { return window.findChild<QPushButton *>(name); }
    void select(int monster) { list()->setCurrentRow(monster); }
    void type(const char *name, const QString &text)
    {
        box(name)->selectAll();
        QTest::keyClick(box(name), Qt::Key_Delete);
        QTest::keyClicks(box(name), text);
    }
    void apply() { button("ApplyCMD")->click(); }

    TempRom file;
    RomFile rom;
    FakeDesktop desktop;
    Form4 window{rom, desktop};
};

Bytes withBytes(Bytes image, int monster, std::uint64_t offset, const Bytes &bytes)
{
    TestImage::put(image, MonsterTable::recordOffset(monster) + offset, bytes);
    return image;
}

} // namespace

class MonstersWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Hundreds of Apply syncs: keep the images where a sync costs nothing.
        if (QFile::exists("/dev/shm"))
            qputenv("TMPDIR", "/dev/shm");
    }

    void showsTheRecordWholeAndCapsTypedAndProgramTexts()
    {
        Editor e(withBytes(TestImage::pattern(), 5, 0,
                           {0x00, 0x00, 0x00, 0x80, 0x40, 0x9C, 0xFF, 0xFF, 1,
                            0xFF, 2,    3,    4,    5,    6,    7,    8,    0x00,
                            0x80, 9,    10,   11,   12,   0xFF, 0xFF, 0xFF, 0x7F}));
        e.select(4);
        QTest::keyClick(e.list(), Qt::Key_Down); // the keyboard selects as the mouse does
        const std::pair<const char *, QString> shown[] = {
            {"HPTXT", "-2147483648"}, {"EXPTXT", "40000"},    {"VeskTXT", "65535"},
            {"STRTXT", "255"},        {"UNK07TXT", "-32768"}, {"UNK11TXT", "2147483647"}};
        for (const auto &[name, text] : shown)
            QCOMPARE(e.box(name)->text(), text);
        // Longer than the typing limit: the user may shorten it, not lengthen it.
        QTest::keyClicks(e.box("HPTXT"), "5");
        QTest::keyClick(e.box("HPTXT"), Qt::Key_Left);
        QTest::keyClick(e.box("HPTXT"), Qt::Key_Backspace);
        QCOMPARE(e.box("HPTXT")->text(), "-214748368");
        const std::tuple<const char *, QString, QString> typed[] = {
            {"STRTXT", "256", "255"},           {"STRTXT", "255", "255"},
            {"STRTXT", "1234", "123"},          {"DEFTXT", "999", "255"},
            {"MAGPowerTXT", "300", "255"},      {"MAGDEFTXT", "abc", "abc"},
            {"EXPTXT", "70000", "65535"},       {"EXPTXT", "65535", "65535"},
            {"EXPTXT", "65535.5", "65535"},     {"EXPTXT", "-99999", "-99999"},
            {"VeskTXT", "99999", "65535"},      {"VeskTXT", "123456", "12345"},
            {"HPTXT", "123456789", "12345678"}, {"HPTXT", "99999999", "99999999"}};
        for (const auto &[name, text, result] : typed) {
            e.type(name, text);
            QCOMPARE(e.box(name)->text(), result);
        }
        e.box("DEFTXT")->setText("300");
        QCOMPARE(e.box("DEFTXT")->text(), "255");
    }

    void applyWritesEachFieldAsTheNumberItShows()
    {
        struct Case
        {
            const char *box;
            QString typed;
            int offset;
            Bytes written;
            QString shownAgain;
        };
        const Case cases[] = {{"STRTXT", "2.5", 9, {0x02}, "2"},
                              {"STRTXT", "3.5", 9, {0x04}, "4"},
                              {"DEFTXT", "0", 11, {0x00}, "0"},
                              {"MAGDEFTXT", "17", 15, {0x11}, "17"},
                              {"MAGPowerTXT", "200", 22, {0xC8}, "200"},
                              {"EXPTXT", "-1", 4, {0xFF, 0xFF}, "65535"},
                              {"VeskTXT", "-300", 6, {0xD4, 0xFE}, "65236"},
                              {"HPTXT", "007", 0, {0x07, 0x00, 0x00, 0x00}, "7"},
                              {"HPTXT", "-1", 0, {0xFF, 0xFF, 0xFF, 0xFF}, "-1"}};
        for (const Case &c : cases) {
            const Bytes image = TestImage::pattern();
            Editor e(image);
            e.select(5);
            e.type(c.box, c.typed);
            e.apply();
            e.apply(); // twice writes what once does
            QVERIFY(e.desktop.messages.isEmpty());
            QVERIFY2(e.file.bytes() == withBytes(image, 5, c.offset, c.written), c.box);
            e.select(6);
            e.select(5);
            QCOMPARE(e.box(c.box)->text(), c.shownAgain);
        }
    }

    void badTextsWarnOnceAndWriteNothing()
    {
        const Bytes image = TestImage::pattern();
        Editor e(image);
        e.select(5);
        const std::pair<const char *, QString> typed[] = {
            {"HPTXT", ""},    {"EXPTXT", "-40000"},   {"VeskTXT", "-"},   {"STRTXT", "abc"},
            {"DEFTXT", "-1"}, {"MAGPowerTXT", "1e3"}, {"MAGDEFTXT", "12"}};
        for (const auto &[name, text] : typed)
            e.type(name, text);
        e.apply();
        QCOMPARE(e.desktop.messages.size(), 1);
        const auto &message = e.desktop.messages.first();
        QCOMPARE(message.title, "Velmora Editor");
        QCOMPARE(message.icon, QMessageBox::Warning);
        for (const char *label : {"HP:", "EXP:", "Vesk:", "STR:", "DEF:", "MAG Power:"})
            QVERIFY2(message.text.contains(label), label);
        QVERIFY(!message.text.contains("MAG DEF:"));
        QVERIFY(e.file.bytes() == image);
    }

    void leavingWithoutApplyWritesNothing()
    {
        const Bytes image = TestImage::pattern();
        for (const bool escape : {false, true}) {
            Editor e(image);
            e.select(5);
            const QString stored = e.box("STRTXT")->text();
            e.type("STRTXT", "1");
            e.select(6);
            e.select(5);
            QCOMPARE(e.box("STRTXT")->text(), stored);
            e.type("HPTXT", "5");
            e.type("VeskTXT", "6");
            if (escape)
                QTest::keyClick(e.box("VeskTXT"), Qt::Key_Escape);
            else
                e.button("CancelCMD")->click();
            QVERIFY(!e.window.isVisible());
            QVERIFY(e.file.bytes() == image);
        }
    }

    void refusesAndSaysWhyWhenItCannotWriteSafely()
    {
        Editor e(TestImage::pattern());
        e.select(5);
        e.type("HPTXT", "1000");
        e.file.poke(MonsterTable::recordOffset(5), {0x01, 0x02, 0x03, 0x04}); // another program
        const Bytes changed = e.file.bytes();
        e.apply();
        QVERIFY(e.desktop.messages.value(0).text.contains("changed on disk"));
        QVERIFY(e.file.bytes() == changed);
        e.select(6);
        e.select(5);
        e.apply(); // reloaded, so now it may write
        QCOMPARE(e.desktop.messages.size(), 1);

        Bytes cut = TestImage::pattern(); // ends inside the last record
        cut.resize(MonsterTable::recordOffset(252) + 10);
        Editor shortFile(cut);
        shortFile.select(252);
        shortFile.apply();
        QCOMPARE(shortFile.desktop.messages.size(), 1);
        QVERIFY(shortFile.file.bytes() == cut);
        shortFile.rom.close(); // unreadable now: nothing shown, nothing to apply
        shortFile.select(3);
        QCOMPARE(shortFile.desktop.messages.size(), 2);
        QVERIFY(shortFile.box("HPTXT")->text().isEmpty());
        QVERIFY(!shortFile.button("ApplyCMD")->isEnabled());

        RomFile full; // a full disk
        QVERIFY(full.open("/dev/full"));
        FakeDesktop desktop;
        Form4 window(full, desktop);
        window.findChild<QListWidget *>("MonsterLST")->setCurrentRow(0);
        window.findChild<QPushButton *>("ApplyCMD")->click();
        QVERIFY(desktop.messages.value(0).text.contains("failed"));
    }

    void everyRecordRoundTripsUnchanged()
    {
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            const Bytes image = TestImage::random(seed);
            Editor e(image);
            for (int monster = 0; monster < MonsterTable::count; ++monster) {
                e.select(monster);
                e.apply();
            }
            QVERIFY(e.desktop.messages.isEmpty());
            QVERIFY2(e.file.bytes() == image, qPrintable(QString::number(seed)));
        }
    }

    void opensEmptyAndWorksFromTheKeyboard()
    {
        const Bytes image = TestImage::pattern();
        Editor e(image);
        QCOMPARE(e.list()->count(), 253);
        QCOMPARE(e.list()->item(0)->text(), "Monster #: 0");
        QCOMPARE(e.list()->item(252)->text(), "Monster #: 252");
        QVERIFY(e.window.findChild<QProgressBar *>("pbar")->isHidden());
        QVERIFY(e.list()->selectedItems().isEmpty() && !e.button("ApplyCMD")->isEnabled());
        for (QLineEdit *box : e.window.findChildren<QLineEdit *>())
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        e.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e.window));
        QCOMPARE(QApplication::focusWidget(), e.list());
        QTest::keyClick(e.list(), Qt::Key_Down);
        QStringList order;
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order.join(' '), "HPTXT EXPTXT VeskTXT STRTXT DEFTXT MAGPowerTXT MAGDEFTXT "
                                  "UNK01TXT UNK02TXT UNK03TXT UNK04TXT UNK05TXT UNK06TXT UNK07TXT "
                                  "UNK09TXT UNK10TXT UNK11TXT ApplyCMD CancelCMD MonsterLST");
        for (QLabel *label : e.window.findChildren<QLabel *>())
            QCOMPARE(label->buddy()->accessibleName(), label->text());
        for (QWidget *control : e.window.findChildren<QWidget *>()) {
            if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_") &&
                !qobject_cast<QLabel *>(control))
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
        e.type("STRTXT", "42");
        QTest::keyClick(e.button("ApplyCMD"), Qt::Key_Space);
        QVERIFY(e.file.bytes() == withBytes(image, 1, 9, {42}));
    }
};

QTEST_MAIN(MonstersWindowTest)
#include "monsters_window_test.moc"
