#include "catalogue/ItemBox.h"
#include "catalogue/itemcatalogue.h"
#include "characters/Form3.h"
#include "characters/characterrecord.h"
#include "shell/romfile.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/romimage.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTest>
#include <memory>

namespace {

using Bytes = std::vector<std::uint8_t>;

// LV 5, right-handed, HP 300, MP 50, STR..SPIR 20..24, EXP 3000; R-Hand entry 1 (1),
// L-Hand 0x29 (1), Head 0x52, Body 0x88, Arms 0xB5; 0xEE where no field lies.
const Bytes plain = {5,    0,    0x2C, 0x01, 0x32, 0x00, 20,   21,   22,   23,   24,
                     0,    0xB8, 0x0B, 0,    0,    0x01, 0x00, 0x01, 0xEE, 0x29, 0x00,
                     0x01, 0xEE, 0x52, 0x00, 0x88, 0x00, 0xB5, 0x00, 0xEE, 0xEE};

Bytes with(Bytes record, std::initializer_list<std::pair<int, Bytes>> changes)
{
    for (const auto &[at, bytes] : changes)
        std::copy(bytes.begin(), bytes.end(), record.begin() + at);
    return record;
}

Bytes imageWith(std::initializer_list<std::pair<int, Bytes>> records)
{
    auto image = TestImage::pattern();
    for (int index = 0; index < CharacterTable::count; ++index)
        TestImage::put(image, CharacterTable::recordOffset(index), plain);
    for (const auto &[index, bytes] : records)
        TestImage::put(image, CharacterTable::recordOffset(index), bytes);
    return image;
}

// The window over its own copy of an image.
struct Editor
{
    explicit Editor(const Bytes &image) : original(image), file(image)
    {
        if (!rom.open(file.path()))
            qFatal("cannot open the test image");
        window = std::make_unique<Form3>(rom, desktop);
        window->show();
    }
    template <class T = QLineEdit> T *get(const char *name) const
    {
        T *control = window->findChild<T *>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QString text(const char *name) const { return get(name)->text(); }
    void type(const char *name, const QString &text) const { get(name)->setText(text); }
    void select(int row) const { get<QListWidget>("CharLST")->setCurrentRow(row); }
    void apply() const { QTest::mouseClick(get<QPushButton>("ApplyCMD"), Qt::LeftButton); }
    // What QComboBox does when the user picks an entry.
    void pick(const char *box, int position) const
    {
        get<ItemBox>(box)->setCurrentIndex(position);
        emit get<ItemBox>(box)->activated(position);
    }
    int byte(int index, int field)
    {
        std::uint8_t value = 0;
        return readU8(rom, CharacterTable::recordOffset(index) + field, value) ? value : -1;
    }

    Bytes original;
    TempRom file;
    RomFile rom;
    FakeDesktop desktop;
    std::unique_ptr<Form3> window;
};

} // namespace

class Form3Test : public QObject
{
    Q_OBJECT

private slots:
    void opensOnCharcter1LoadsEverySelectionAndCancelWritesNothing()
    {
        Editor e(imageWith({{14, with(plain, {{0, {99}}, {29, {7}}})}}));
        auto *list = e.get<QListWidget>("CharLST");
        QCOMPARE(list->count(), 15);
        QCOMPARE(list->item(14)->text(), "Charcter 15");
        QCOMPARE(list->currentItem()->text(), "Charcter 1");
        const QStringList shown = {e.text("LVTXT"),   e.text("HPTXT"),   e.text("MPTXT"),
                                   e.text("STRTXT"),  e.text("SPIRTXT"), e.text("EXPTXT"),
                                   e.text("NameTXT"), e.text("RHAMTTXT")};
        QCOMPARE(shown, QStringList({"5", "300", "50", "20", "24", "3000", "", "1"}));
        QCOMPARE(e.get<ItemBox>("LHCBO")->currentIndex(), 0x29);
        QVERIFY(e.get<QRadioButton>("RHOPT")->isChecked());
        e.type("LVTXT", "12");
        e.select(14); // drops the edit
        QCOMPARE(e.text("LVTXT"), "99");
        QCOMPARE(e.text("ArmAMTTXT"), "7");
        QTest::keyClick(e.get("STRTXT"), Qt::Key_Return); // neither applies nor cancels
        QVERIFY(e.window->isVisible());
        QTest::mouseClick(e.get<QPushButton>("CancelCMD"), Qt::LeftButton);
        QVERIFY(!e.window->isVisible());
        QCOMPARE(e.file.bytes(), e.original);
    }

    void applyWritesTheShownValuesAndTwiceIsOnce()
    {
        Editor e(imageWith({}));
        e.select(2);
        e.type("LVTXT", "007");
        e.type("HPTXT", "-2");
        e.type("EXPTXT", "2.5");
        e.type("RHAMTTXT", "12");
        e.get<QRadioButton>("LROPT")->click();
        auto expected = e.original;
        TestImage::put(
            expected, CharacterTable::recordOffset(2),
            with(plain, {{0, {7}}, {1, {2}}, {2, {0xFE, 0xFF}}, {12, {2, 0, 0, 0}}, {18, {12}}}));
        for (int time = 0; time < 2; ++time) {
            e.apply();
            QCOMPARE(e.file.bytes(), expected);
        }
        QVERIFY(e.desktop.messages.isEmpty());
        QCOMPARE(e.text("LVTXT"), "007"); // nothing reloaded
        e.select(0);
        e.select(2);
        QCOMPARE(e.text("LVTXT"), "7");
    }

    void refusesTextsThatDoNotConvert()
    {
        const std::vector<std::pair<QStringList, QStringList>> cases = {
            // name, text, name, text, ...; the labels the warning names
            {{"STRTXT", "300"}, {"STR:"}},
            {{"HPTXT", "-"}, {"HP:"}},
            {{"LVTXT", ""}, {"LV:"}},
            {{"EXPTXT", "99999999999"}, {"EXP:"}},
            {{"RHAMTTXT", "256"}, {"R-Hand amount:"}},
            {{"MPTXT", "1e3", "UNKTXT", "x"}, {"MP:", "Unknown:"}},
        };
        for (const auto &[edits, named] : cases) {
            Editor e(imageWith({}));
            e.type("SPIRTXT", "9"); // a good field is not written either
            for (qsizetype i = 0; i < edits.size(); i += 2)
                e.type(edits[i].toLatin1(), edits[i + 1]);
            e.apply();
            QCOMPARE(e.desktop.messages.size(), 1);
            const auto &message = e.desktop.messages.first();
            QCOMPARE(message.title, "Velmora Editor");
            QCOMPARE(message.icon, QMessageBox::Warning);
            for (const QString &label : named)
                QVERIFY2(message.text.contains(label), qPrintable(message.text));
            QCOMPARE(e.file.bytes(), e.original);
        }
    }

    void keepsUnlistedIdsAndUnknownHandBytesUntilTheUserPicks()
    {
        Editor e(imageWith(
            {{0,
              with(plain, {{1, {7}}, {16, {0xA5, 0x01}}, {20, {0xFE, 0xFF}}, {24, {0xFF, 0xFF}}})},
             {1, with(plain, {{1, {1}}})}}));
        const auto checked = [&e] { // Left, Right, Ambidextrous
            return QList<bool>{e.get<QRadioButton>("LHOPT")->isChecked(),
                               e.get<QRadioButton>("RHOPT")->isChecked(),
                               e.get<QRadioButton>("LROPT")->isChecked()};
        };
        auto *right = e.get<ItemBox>("RHCBO");
        QCOMPARE(right->currentIndex(), -1);
        QCOMPARE(right->placeholderText(), "(stored id 0x1A5: not in the list)");
        QCOMPARE(e.get<ItemBox>("LHCBO")->toolTip(), "(stored id 0xFFFE: not in the list)");
        QCOMPARE(e.get<ItemBox>("HeadCBO")->currentIndex(), -1); // FF FF: no selection
        QCOMPARE(checked(), QList<bool>({false, false, false}));
        e.apply();
        QCOMPARE(e.file.bytes(), e.original);
        e.select(1);
        QCOMPARE(checked(), QList<bool>({true, false, false}));
        e.apply(); // a listed record after an unlisted one keeps its own ids
        e.select(0);
        QCOMPARE(checked(), QList<bool>({false, false, false}));
        e.apply();
        QCOMPARE(e.file.bytes(), e.original);
        right->setFocus();
        QTest::keyClick(right, Qt::Key_Down);
        QCOMPARE(right->currentIndex(), 0);
        QCOMPARE(right->placeholderText(), "");
        QTest::mouseClick(e.get<QRadioButton>("RHOPT"), Qt::LeftButton);
        e.apply();
        auto expected = e.original;
        TestImage::put(expected, CharacterTable::recordOffset(0) + 16, {0x00, 0x00});
        TestImage::put(expected, CharacterTable::recordOffset(0) + 1, {0});
        QCOMPARE(e.file.bytes(), expected);
    }

    void headAmountFollowsThePickedItem()
    {
        Editor e(imageWith({{0, with(plain, {{24, {0x05, 0x00}}})}}));
        auto *amount = e.get("HeadAMTTXT");
        QVERIFY(!amount->isEnabled());
        QTest::keyClicks(amount, "9");
        QCOMPARE(amount->text(), "0");
        e.pick("HeadCBO", 261);
        QCOMPARE(amount->text(), "1");
        e.apply();
        QCOMPARE(e.byte(0, 24), 0x05);
        QCOMPARE(e.byte(0, 25), 0x01);
        e.select(1);
        e.select(0);
        QCOMPARE(e.get<ItemBox>("HeadCBO")->currentIndex(), 261);
        QCOMPARE(amount->text(), "1");
        e.pick("RHCBO", 0x144); // the hands keep their own amounts
        QCOMPARE(e.text("RHAMTTXT"), "1");
    }

    void refusesAfterAnOutsideChangeUntilReloaded()
    {
        Editor e(imageWith({}));
        e.file.poke(CharacterTable::recordOffset(0), {42});
        e.type("STRTXT", "30");
        e.apply();
        QCOMPARE(e.desktop.messages.size(), 1);
        QVERIFY(e.desktop.messages.first().text.contains("changed on disk"));
        QCOMPARE(e.byte(0, 0), 42); // the outside change stays, the edit is not written
        QCOMPARE(e.byte(0, 6), 20);
        auto *list = e.get<QListWidget>("CharLST");
        const QPoint entry = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry);
        QCOMPARE(e.text("LVTXT"), "42");
        e.apply();
        QCOMPARE(e.desktop.messages.size(), 1);
    }

    void showsLoadedNumbersWholeAndLimitsOnlyTyping()
    {
        Editor e(imageWith({{0, with(plain, {{2, {0x00, 0x80}}, {12, {0, 0, 0, 0x80}}})}}));
        QCOMPARE(e.text("HPTXT"), "-32768");
        QCOMPARE(e.text("EXPTXT"), "-2147483648");
        e.apply();
        QCOMPARE(e.file.bytes(), e.original);
        auto *hp = e.get("HPTXT");
        hp->setFocus();
        hp->end(false);
        QTest::keyClick(hp, Qt::Key_Backspace);
        QTest::keyClicks(hp, "99");
        QCOMPARE(hp->text(), "-3276"); // deleting works, growing past four does not
        hp->selectAll();
        QTest::keyClicks(hp, "123456");
        QCOMPARE(hp->text(), "1234");
    }

    void tabReachesEveryControlInOrder()
    {
        Editor e(imageWith({}));
        QApplication::setActiveWindow(e.window.get());
        QVERIFY(QTest::qWaitForWindowActive(e.window.get()));
        e.get<QListWidget>("CharLST")->setFocus();
        QStringList visited;
        for (int step = 0; step < 24; ++step) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // Name and the Head, Body and Arms amounts are disabled; the options are one stop,
        // the selected one.
        QCOMPARE(visited,
                 QStringList({"CharLST",   "LVTXT",    "EXPTXT",  "HPTXT",   "MPTXT",  "STRTXT",
                              "AGITXT",    "STAMTXT",  "INTLTXT", "SPIRTXT", "RHCBO",  "RHAMTTXT",
                              "LHCBO",     "LHAMTTXT", "HeadCBO", "BodyCBO", "ArmCBO", "RHOPT",
                              "CancelCMD", "ApplyCMD", "UNKTXT",  "CharLST", "LVTXT",  "EXPTXT"}));
        for (QWidget *control : e.window->findChildren<QWidget *>()) {
            if (!control->objectName().isEmpty() && control->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
    }

    void droppedDownListsShowTheLongestLabel()
    {
        Editor e(imageWith({}));
        auto *box = e.get<ItemBox>("BodyCBO");
        for (const char *style : {"Fusion", "Windows"}) { // one drops over the box, one below
            std::unique_ptr<QStyle> look(QStyleFactory::create(style));
            box->setStyle(look.get());
            int longest = 0;
            for (int p = 0; p < ItemCatalogue::count; ++p)
                longest = std::max(longest, box->fontMetrics().horizontalAdvance(box->itemText(p)));
            box->showPopup();
            QVERIFY2(box->view()->viewport()->width() > longest, style);
            box->hidePopup();
            box->setStyle(nullptr);
        }
    }

    void applyWithoutEditsLeavesRandomImagesUnchanged()
    {
        for (std::uint32_t seed = 1; seed <= 2; ++seed) {
            Editor e(TestImage::random(seed));
            for (int index = 0; index < CharacterTable::count; ++index) {
                e.select(index);
                e.apply();
            }
            QVERIFY(e.desktop.messages.isEmpty());
            QCOMPARE(e.file.bytes(), e.original);
        }
    }
};

QTEST_MAIN(Form3Test)
#include "characters_window_test.moc"
