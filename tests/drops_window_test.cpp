#include "catalogue/ItemBox.h"
#include "drops/Form5.h"
#include "drops/droprecord.h"
#include "shell/romfile.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/romimage.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

using Bytes = std::vector<std::uint8_t>;

const QString refusedText = "You have loaded a NON US ROM or put in a value more than 3 in this "
                            "offset, please correct this or restore the US ROM.";
const char *const options[] = {"Item01OPT", "Item02OPT", "Item03OPT", "Item04OPT"};
const char *const boxes[] = {"Item01CBO", "Item02CBO", "Item03CBO", "Item04CBO"};

// A random image with valid chance classes and the given records put in.
Bytes image(std::initializer_list<std::pair<int, Bytes>> records = {}, std::uint32_t seed = 5)
{
    Bytes bytes = TestImage::random(seed);
    for (int n = 0; n < DropTable::count; ++n)
        bytes[DropTable::recordOffset(n) + 2] &= 3;
    for (const auto &[index, record] : records)
        TestImage::put(bytes, DropTable::recordOffset(index), record);
    return bytes;
}

// A shown Form5 over a file of its own, driven as the user drives it.
struct Editor
{
    explicit Editor(const Bytes &bytes) : file(bytes)
    {
        rom.open(file.path());
        window = std::make_unique<Form5>(rom, desktop);
        window->show();
    }
    QWidget *get(const char *name) const { return window->findChild<QWidget *>(name); }
    QString text(const char *name) const { return static_cast<QLineEdit *>(get(name))->text(); }
    ItemBox *box(int slot) const { return static_cast<ItemBox *>(get(boxes[slot])); }
    void select(int row) const { static_cast<QListWidget *>(get("ItemLST"))->setCurrentRow(row); }
    void click(const char *name) const { QTest::mouseClick(get(name), Qt::LeftButton, {}, {8, 8}); }
    void type(const QString &text) const
    {
        static_cast<QLineEdit *>(get("INT01TXT"))->clear();
        QTest::keyClicks(get("INT01TXT"), text);
    }
    int checkedOption() const // -1 for none, -2 for more than one
    {
        int checked = -1;
        for (int i = 0; i < 4; ++i)
            if (static_cast<QRadioButton *>(get(options[i]))->isChecked())
                checked = checked == -1 ? i : -2;
        return checked;
    }

    TempRom file;
    RomFile rom;
    FakeDesktop desktop;
    std::unique_ptr<Form5> window;
};

} // namespace

class DropsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensOnRecordZeroAndShowsEachClass()
    {
        const Editor e(image({{0, {0x39, 0x30, 2, 0x77, 0x01, 0, 0x00, 0x01, 0, 0, 0xFF, 0xFF}},
                              {1, {0, 0, 0}}, {2, {0, 0, 1}}, {4, {0, 0, 3}}}));
        const auto *list = static_cast<QListWidget *>(e.get("ItemLST"));
        QCOMPARE(list->count(), 283);
        QCOMPARE(list->item(282)->text(), "Index #: 282");
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(e.text("INT01TXT"), "12345");
        QCOMPARE(e.text("Byte03TXT"), "2");
        QCOMPARE(e.checkedOption(), 2);
        QCOMPARE(e.box(0)->itemId(), 1);
        QVERIFY(e.box(1)->currentText().startsWith("0100"));
        QCOMPARE(e.box(2)->itemId(), 0);
        QCOMPARE(e.box(3)->currentIndex(), -1); // FF FF: no item
        for (const int chanceClass : {0, 1, 3}) {
            e.select(chanceClass + 1);
            QCOMPARE(e.checkedOption(), chanceClass);
            QCOMPARE(e.text("Byte03TXT"), QString::number(chanceClass));
        }
        QVERIFY(e.desktop.messages.isEmpty());
    }

    void optionSetsTheClassThatApplyWrites()
    {
        const Editor e(image({{9, {0, 0, 0}}}));
        e.select(9);
        Bytes expected = e.file.bytes();
        e.click("Item02OPT");
        QCOMPARE(e.text("Byte03TXT"), "1");
        QCOMPARE(e.checkedOption(), 1);
        QCOMPARE(e.file.bytes(), expected);
        e.click("ApplyCMD");
        expected[DropTable::recordOffset(9) + 2] = 1;
        QCOMPARE(e.file.bytes(), expected);
    }

    void refusedClassClosesTheWindowUnwritten()
    {
        for (const int chanceClass : {4, 255}) {
            const Editor e(image({{30, {0, 0, std::uint8_t(chanceClass)}}}));
            const Bytes before = e.file.bytes();
            e.select(30);
            QCOMPARE(e.desktop.messages.size(), 1);
            QCOMPARE(e.desktop.messages[0].text, refusedText);
            QCOMPARE(e.desktop.messages[0].title, "Velmora Editor");
            QCOMPARE(e.desktop.messages[0].icon, QMessageBox::Warning);
            QCOMPARE(e.checkedOption(), -1);
            QVERIFY(!e.window->isVisible());
            QCOMPARE(e.file.bytes(), before);
        }
        TempRom file(image({{0, {0, 0, 9}}}));
        RomFile rom;
        FakeDesktop desktop;
        QVERIFY(rom.open(file.path()));
        bool shown = false;
        QTimer::singleShot(0, [&] {
            if ((shown = QApplication::activeModalWidget()))
                QApplication::activeModalWidget()->close();
        });
        Form5::open(nullptr, rom, desktop);
        QVERIFY(!shown);
        QCOMPARE(desktop.messages.size(), 1);
        QCOMPARE(desktop.messages[0].text, refusedText);
    }

    void unappliedEditsAreDropped()
    {
        const Editor e(image());
        const Bytes before = e.file.bytes();
        const QString int01 = e.text("INT01TXT"), byte03 = e.text("Byte03TXT");
        const int item = e.box(2)->itemId();
        e.type("77");
        e.click(options[(e.checkedOption() + 1) % 4]);
        e.box(2)->setCurrentIndex(item == 5 ? 6 : 5);
        e.select(1);
        e.select(0);
        QCOMPARE(e.text("INT01TXT"), int01);
        QCOMPARE(e.text("Byte03TXT"), byte03);
        QCOMPARE(e.box(2)->itemId(), item);
        e.type("77");
        e.click("CancelCMD");
        QVERIFY(!e.window->isVisible());
        QCOMPARE(e.file.bytes(), before);
    }

    void valueIsWrittenOnlyWhenItFits()
    {
        Editor e(image({{0, {0x00, 0x80, 0}}}));
        QCOMPARE(e.text("INT01TXT"), "-32768"); // longer than the user may type
        const Bytes before = e.file.bytes();
        e.click("ApplyCMD");
        QCOMPARE(e.file.bytes(), before);
        for (const QString typed : {"", "-", "40000", "1.5e2"}) {
            e.desktop.messages.clear();
            e.type(typed);
            e.click("ApplyCMD");
            QCOMPARE(e.desktop.messages.size(), 1);
            QVERIFY(e.desktop.messages[0].text.contains("-32768 to 32767"));
            QCOMPARE(e.file.bytes(), before);
        }
        e.type("-2.5");
        e.click("ApplyCMD");
        QCOMPARE(e.file.bytes()[DropTable::recordOffset(0)], 0xFE);
        e.type("123456");
        QCOMPARE(e.text("INT01TXT"), "12345");
    }

    void unlistedItemIsKeptAndNeverLeaks()
    {
        const Editor e(image({{0, {0, 0, 1, 0, 3, 0, 0xA5, 0x01, 4, 0, 0xFE, 0xFF}},
                              {1, {0, 0, 1, 0, 7, 0, 8, 0, 9, 0, 10, 0}}}));
        QCOMPARE(e.box(1)->currentIndex(), -1);
        QVERIFY(e.box(1)->placeholderText().contains("0x1A5"));
        QCOMPARE(e.box(2)->itemId(), 4); // loading went on
        const Bytes before = e.file.bytes();
        e.click("ApplyCMD");
        QCOMPARE(e.file.bytes(), before);
        e.select(1);
        QCOMPARE(e.box(1)->itemId(), 8);
        QCOMPARE(e.box(3)->itemId(), 10);
    }

    void failedWritesAreReported()
    {
        const Editor e(image());
        e.file.poke(DropTable::recordOffset(0), {0x12, 0x34});
        e.click("ApplyCMD");
        QCOMPARE(e.desktop.messages.size(), 1);
        QVERIFY(e.desktop.messages[0].text.contains("changed on disk"));
        QCOMPARE(e.file.bytes()[DropTable::recordOffset(0) + 1], 0x34);
    }

    void worksFromTheKeyboard()
    {
        const Editor e(image({{0, {0, 0, 1}}}));
        QApplication::setActiveWindow(e.window.get());
        QVERIFY(QTest::qWaitForWindowActive(e.window.get()));
        QStringList visited;
        for (int i = 0; i < 10; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, QStringList({"ItemLST", "INT01TXT", options[1], boxes[0], boxes[1],
                                       boxes[2], boxes[3], "ApplyCMD", "CancelCMD", "ItemLST"}));
        for (const QString &name : visited + QStringList{options[0], options[2], "Byte03TXT"}) {
            QAccessibleInterface *control = QAccessible::queryAccessibleInterface(e.get(qPrintable(name)));
            QVERIFY2(!control->text(QAccessible::Name).isEmpty(), qPrintable(name));
        }
        e.get(options[1])->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(e.text("Byte03TXT"), "2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // only a button applies
        QCOMPARE(e.file.bytes()[DropTable::recordOffset(0) + 2], 1);
        e.get("ApplyCMD")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(e.file.bytes()[DropTable::recordOffset(0) + 2], 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!e.window->isVisible());
    }
};

QTEST_MAIN(DropsWindowTest)
#include "drops_window_test.moc"
