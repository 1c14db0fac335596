#include "drops/Form5.h"
#include "drops/droprecord.h"
#include "tests/support/editorwindow.h"

using Bytes = std::vector<std::uint8_t>;

const char *const boxes[] = {"Item01CBO", "Item02CBO", "Item03CBO", "Item04CBO"};
// INT01, the chance class and its four options, the four items: "-1 2 0 0 1 0 5 -1 7 0".
const QStringList record = {"INT01TXT",  "Byte03TXT", "Item01OPT", "Item02OPT", "Item03OPT",
                            "Item04OPT", boxes[0],    boxes[1],    boxes[2],    boxes[3]};
const QStringList chance = record.mid(1, 5);

Bytes image(std::initializer_list<std::pair<int, Bytes>> records)
{
    Bytes bytes = TestImage::random(5);
    for (const auto &[index, fields] : records)
        TestImage::put(bytes, DropRecord::table.recordOffset(index), fields);
    return bytes;
}

using Editor = EditorWindow<Form5>;

class DropsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void showsEachRecordAndWritesOnlyOnApplyFromMouseOrKeyboard()
    {
        const Bytes first = {0x39, 0x30, 2, 0x77, 0x01, 0, 0x00, 0x01, 0, 0, 0xFF, 0xFF};
        Editor e(image({{0, first}, {1, {0, 0, 0}}, {2, {0, 0, 1}}, {4, {0, 0, 3}}}));
        QCOMPARE(e.list()->item(e.list()->count() - 1)->text(), "Index #: 282");
        QCOMPARE(e.shown(record), "12345 2 0 0 1 0 1 256 0 -1"); // record 0, selected on opening
        QVERIFY(QTest::qWaitForWindowActive(&e.window));
        QCOMPARE(e.tabWalk(11),
                 QStringList({"ItemLST", "INT01TXT", "Item03OPT", boxes[0], boxes[1], boxes[2],
                              boxes[3], "ApplyCMD", "CancelCMD", "ItemLST", "INT01TXT"}));

        Bytes expected = e.file.bytes(); // then edits, all dropped by selecting another record
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(e.shown(chance), "3 0 0 0 1");
        e.type("INT01TXT", "77");
        e.get<QWidget>(boxes[2])->setProperty("currentIndex", 5);
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
        Editor e(image({{0, {0, 0, 0}}, {30, {0, 0, 4}}}));
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
        Editor e(image({{0, {0x00, 0x80, 0, 0, 3, 0, 0xA5, 0x01, 4, 0, 0xFE, 0xFF}},
                        {1, {0, 0, 1, 0, 7, 0, 8, 0, 9, 0, 10, 0}}}));
        QCOMPARE(e.shown(record), "-32768 0 1 0 0 0 3 421 4 -2"); // more than the user may type
        Bytes expected = e.file.bytes();
        e.apply();                   // writes them back whole, as the first refusal below shows
        e.type("INT01TXT", "40000"); // which texts are numbers: the core's tests
        e.apply();
        QVERIFY(e.desktop.messages.size() == 1 && e.file.bytes() == expected &&
                e.desktop.messages.takeFirst().text.contains("-32768 to 32767"));
        e.type("INT01TXT", "123456");
        QCOMPARE(e.shown({"INT01TXT"}), "12345");
        e.select(1);
        QCOMPARE(e.shown(record), "0 1 0 1 0 0 7 8 9 10");
        e.select(0); // a picked entry replaces an unlisted id
        e.get<QWidget>(boxes[1])->setFocus();
        QTest::keyClick(e.get<QWidget>(boxes[1]), Qt::Key_End);
        e.apply();
        TestImage::put(expected, DropRecord::table.recordOffset(0) + 6, {0x44, 0x01});
        QCOMPARE(e.file.bytes(), expected);
    }

    void numberBoxesShowTheirWidestText()
    {
        Editor e(image({}));
        QVERIFY(showsWhole(e.get("INT01TXT"), "-32768"));
        QVERIFY(showsEveryUnlistedIdWhole(e.get<ItemBox>("Item01CBO")));
    }
};

QTEST_MAIN(DropsWindowTest)
#include "drops_window_test.moc"
