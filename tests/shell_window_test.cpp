#include "app/features.h"
#include "shell/About.h"
#include "shell/Form1.h"
#include "shell/Form2.h"
#include "shell/QuietProgressBar.h"
#include "shell/program.h"
#include "shell/qtdesktop.h"
#include "tests/support/editorwindow.h"
#include "tests/support/toldevents.h"
#include "version.h"

#include <QSignalSpy>
#include <numeric>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

// The version numbers as the captions and the About window show them.
const QString caption =
    QStringLiteral("Velmora Editor (v%1.0%2a)").arg(Version::major).arg(Version::revision);
const QString version = QStringLiteral("%1.%2a").arg(Version::major).arg(Version::revision);

std::vector<std::uint8_t> image(const std::string &title, char region)
{
    auto bytes = TestImage::pattern(0x400); // the title at 0xA0, NUL-padded, the region at 0xAF
    std::fill_n(bytes.begin() + 0xA0, 12, 0);
    std::copy(title.begin(), title.end(), bytes.begin() + 0xA0);
    bytes[0xA9] = 'X'; // after the title's first NUL: not part of it
    bytes[0xAF] = std::uint8_t(region);
    return bytes;
}

} // namespace

class ShellWindowTest : public QObject
{
    Q_OBJECT

    FakeDesktop desktop;
    QStringList opened;
    std::unique_ptr<Form2> main;
    const TempRom usa{image("VELMORA", 'E')};

    // The program's features, each editor a stand-in that only says it was
    // opened (by its node's key), and whether over an open ROM.
    Features standIns()
    {
        Features features = standardFeatures();
        for (Feature &feature : features)
            if (feature.open)
                feature.open = [this, node = QString(feature.node)](QWidget *, RomFile &rom,
                                                                    Desktop &) {
                    opened << node + (rom.isOpen() ? "" : " without a ROM");
                };
        return features;
    }

    // The main window over the stand-ins, started; the file dialog of start-up
    // chooses name, or is cancelled without one.
    Form2 &start(const std::optional<std::filesystem::path> &name = {})
    {
        if (name)
            desktop.fileAnswers << qPath(*name);
        main = std::make_unique<Form2>(desktop, standIns());
        main->start();
        return *main;
    }

    template <class T> static T *child(QObject &parent, const char *name)
    {
        auto *found = parent.findChild<T *>(QLatin1String(name));
        return found ? found : (qFatal("no child %s", name), nullptr);
    }

    static QString keyOf(const QTreeWidgetItem *n) { return n->data(0, Qt::UserRole).toString(); }
    static QList<QTreeWidgetItem *> nodes(QTreeWidget *tree) // each before its children
    {
        return tree->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive);
    }

    static bool allExpanded(Form2 &form, bool expanded)
    {
        const auto all = nodes(child<QTreeWidget>(form, "tree"));
        return std::all_of(all.begin(), all.end(), [expanded](const QTreeWidgetItem *node) {
            return !node->childCount() || node->isExpanded() == expanded;
        });
    }

    // The link label used every way: a click, Enter and Space.
    static void useLink(QWidget &window)
    {
        QTest::mouseClick(child<QLabel>(window, "URLLBL"), Qt::LeftButton);
        QTest::keyClick(child<QLabel>(window, "URLLBL"), Qt::Key_Return);
        QTest::keyClick(child<QLabel>(window, "URLLBL"), Qt::Key_Space);
    }

    static void verifyNoRomOpen(Form2 &form)
    {
        QVERIFY(form.isVisible() && form.windowTitle() == caption);
        QCOMPARE(child<QLabel>(form, "MainInfoLBL")->text(), QString());
        const auto *check = child<QCheckBox>(form, "ExpandCHK");
        QVERIFY(!child<QTreeWidget>(form, "tree")->isEnabled() && allExpanded(form, false));
        QVERIFY(!check->isEnabled() && !check->isChecked() && !form.rom().isOpen());
        QVERIFY(!child<QAction>(form, "mnuCloseROM")->isEnabled() &&
                !child<QAction>(form, "mnuSaveROM")->isEnabled());
    }

private slots:
    void init()
    {
        main.reset();
        desktop = FakeDesktop();
        opened.clear();
    }

    // Start-up with the dialog cancelled: no ROM open. Each file opens: the
    // caption's title and the information's last lines, also for a file shorter
    // than a header and a name that did not exist. Close ROM empties the window, a
    // cancel opens the last choice again; Quit and closing the window end it.
    void startsEmptyOpensEachFileAndACancelTakesTheLastChoice()
    {
        const TempRom header(std::vector<std::uint8_t>(0x20, 0x41));
        const std::tuple<std::filesystem::path, QString, QString> files[] = {
            {usa.path(), " - VELMORA", "1024\r\n\r\nROM Region: USA"},
            {header.path(), " - ", "32\r\n\r\nROM Region: "},
            {usa.folder() / "new.gba", " - ", "0\r\n\r\nROM Region: "}};
        Form2 &form = start();
        verifyNoRomOpen(form);
        QCOMPARE(
            desktop.fileRequests.first(),
            QStringList({"All Files (*.*);;GBA ROM Files (*.gba)", "GBA ROM Files (*.gba)", ""}));
        for (const auto &[name, title, shown] : files) {
            desktop.fileAnswers << qPath(name);
            child<QAction>(form, "mnuOpenROM")->trigger();
            QCOMPARE(form.windowTitle(), caption + title);
            QCOMPARE(heard(child<QLabel>(form, "MainInfoLBL")).first(), // a screen reader's text
                     "General ROM Information\r\n\r\nROM & Location & Filename: " + qPath(name) +
                         "\r\n\r\nROM Filesize (in bytes): " + shown);
            QVERIFY(form.rom().isOpen() && child<QTreeWidget>(form, "tree")->isEnabled());
            QVERIFY(child<QCheckBox>(form, "ExpandCHK")->isChecked() && allExpanded(form, true));
            QVERIFY(child<QAction>(form, "mnuCloseROM")->isEnabled() &&
                    !child<QLabel>(form, "ROMSizeLBL")->isVisible());
        }
        child<QAction>(form, "mnuCloseROM")->trigger();
        verifyNoRomOpen(form);
        child<QAction>(form, "mnuOpenROM")->trigger(); // cancelled
        QCOMPARE(desktop.fileRequests.last().value(2), qPath(usa.folder() / "new.gba"));
        QVERIFY(form.rom().isOpen() && usa.bytes() == image("VELMORA", 'E'));
        child<QAction>(form, "nuQuit")->trigger();
        QCOMPARE(desktop.endCount, 1);
        form.close();
        QCOMPARE(desktop.endCount, 2);
    }

    // What is no regular file, or cannot be reached, is not opened: one warning
    // names it with the reason (where "", the system's own), and no ROM is open.
    void refusesWhatIsNoRegularFile()
    {
        std::vector<std::pair<std::filesystem::path, QString>> names = {
            {usa.folder(), "not a regular file"}, {usa.folder() / "no-such-folder" / "x.gba", ""}};
#ifdef _WIN32
        names.push_back({"NUL", "not a regular file"});
#else
        const auto pipe = usa.folder() / "pipe.gba", link = usa.folder() / "link.gba";
        QVERIFY(mkfifo(pipe.c_str(), 0600) == 0);
        std::filesystem::create_symlink("/dev/zero", link);
        for (const auto &name : {std::filesystem::path("/dev/null"), pipe, link})
            names.push_back({name, "not a regular file"});
#endif
        Form2 &form = start();
        for (const auto &[name, why] : names) {
            desktop.fileAnswers << qPath(name);
            child<QAction>(form, "mnuOpenROM")->trigger();
            verifyNoRomOpen(form);
            QCOMPARE(desktop.messages.size(), 1);
            const auto [title, text, icon] = desktop.messages.takeFirst();
            QVERIFY2(text.contains(QDir::toNativeSeparators(qPath(name))), qPrintable(text));
            const QString reason = text.section("reading and writing: ", 1);
            QVERIFY2(why.isEmpty() ? reason.size() > 2 : reason == why, qPrintable(text));
            QVERIFY(title == "Velmora Editor" && icon == QMessageBox::Warning);
        }
    }

    // Unticking "Expand all Items in Tree" collapses the nodes, ticking it (by
    // a click, a key or a screen reader) expands them again, one at a time in
    // the order they were added: each editor's node right after its group's.
    void expandBoxCollapsesAndExpandsTheNodesInTheirOrder()
    {
        Form2 &form = start(usa.path());
        auto *tree = child<QTreeWidget>(form, "tree");
        auto *expand = child<QCheckBox>(form, "ExpandCHK");
        QStringList order;
        const auto note = [&order](const char *sign) {
            return [&order, sign](QTreeWidgetItem *node) { order << sign + keyOf(node); };
        };
        connect(tree, &QTreeWidget::itemCollapsed, note("-"));
        connect(tree, &QTreeWidget::itemExpanded, note("+"));
        QTest::mouseClick(expand, Qt::LeftButton);
        QVERIFY(allExpanded(form, false));
        expand->setFocus();
        QTest::keyClick(expand, Qt::Key_Space);
        QVERIFY(allExpanded(form, true));
        toggleAccessibly(expand);
        toggleAccessibly(expand);
        QCOMPARE(order.join(' '), "-c1 -m1 +c1 +m1 -c1 -m1 +c1 +m1");
    }

    void japaneseImageIsRefusedAndTheProgramEnds()
    {
        const TempRom file(image("VELMORA", 'J'));
        Form2 &form = start(file.path());
        const auto [title, text, icon] = desktop.messages.value(0);
        QVERIFY(desktop.messages.size() == 1 && title == "Velmora Editor" &&
                icon == QMessageBox::Critical);
        QCOMPARE(text, "Unfortunately this program does not support any NON US ROM.  I will close "
                       "myself now.");
        QVERIFY(desktop.endCount == 1 && !form.rom().isOpen() && !form.isVisible());
        QVERIFY(child<QLabel>(form, "MainInfoLBL")->text().endsWith("ROM Region: Japan"));
        QCOMPARE(file.bytes(), image("VELMORA", 'J'));
    }

    void messageBoxesAppearWhereTheUserLooks()
    {
        QtDesktop real;
        QWidget owner;
        owner.resize(300, 200);
        QPoint centre;
        const auto showAndClose = [&] {
            QTimer::singleShot(0, [&] {
                if (QWidget *box = QApplication::activeModalWidget())
                    centre = box->frameGeometry().center(), box->close();
            });
            real.showMessage(&owner, Program::title(), "Text", QMessageBox::Warning);
        };
        showAndClose(); // before its window is first shown: on that window's screen
        QVERIFY((centre - owner.screen()->availableGeometry().center()).manhattanLength() < 20);
        owner.move(owner.screen()->availableGeometry().topLeft() + QPoint(30, 40));
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        showAndClose(); // afterwards over the window, where the platform puts it
        QVERIFY(owner.frameGeometry().contains(centre));
    }

    void menusShortcutsAndTreeNodesOpenOnlyTheShownEditors()
    {
        Form2 &form = start(usa.path());
        // Each menu's title, then its items: "*" greyed, "-" a separator, [hidden].
        QStringList items;
        for (const QAction *menu : form.menuBar()->actions()) {
            items << menu->text() + ':';
            for (const QAction *a : menu->menu()->actions()) {
                const QString item = a->isSeparator() ? "-"
                                                      : a->text() + ' ' + a->shortcut().toString() +
                                                            (a->isEnabled() ? "" : "*");
                items << (a->isVisible() ? item : '[' + item + ']');
            }
        }
        QCOMPARE(
            items.join(", "),
            "&File:, &Open ROM File Ctrl+O, &Close ROM Ctrl+W, -, &Save ROM File Ctrl+S, -, "
            "&Quit Ctrl+Q, &Features:, Character Stat Editor Ctrl+F1, [Character Equipment "
            "Editor Ctrl+F2*], [Character Magic Editor Ctrl+F3*], [Character Miscellaneous "
            "Editor Ctrl+F4*], -, [Monster Stat Editor Ctrl+F5*], Monster Item Editor Ctrl+F6, "
            "[Monster Miscellaneous Editor Ctrl+F7*], -, [Item Editor Ctrl+F8*], [Magic Editor "
            "Ctrl+F9*], Miscellaneous Editors Ctrl+F11*, &Help:, &Contents F1*, &Search F2*, "
            "&Tips F3*, -, &About F12");
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));

        QSignalSpy hidden(child<QAction>(form, "mnuMonsterStat"), &QAction::triggered);
        QTest::keyClick(&form, Qt::Key_F5, Qt::ControlModifier);
        QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier); // Save does nothing
        QVERIFY(hidden.isEmpty() && opened.isEmpty() && desktop.messages.isEmpty());
        QVERIFY(desktop.fileRequests.size() == 1 && form.rom().isOpen());
        QCOMPARE(usa.bytes(), image("VELMORA", 'E'));

        QTest::keyClick(&form, Qt::Key_F1, Qt::ControlModifier);
        QTest::keyClick(&form, Qt::Key_F6, Qt::ControlModifier);
        QCOMPARE(opened, QStringList({"Char-1", "Mon-2"}));

        auto *tree = child<QTreeWidget>(form, "tree");
        QStringList outline; // parent/node, and what a click and then Enter opened
        for (QTreeWidgetItem *node : nodes(tree)) {
            opened.clear();
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualItemRect(node).center());
            tree->setCurrentItem(node);
            QTest::keyClick(tree, Qt::Key_Return);
            outline << (node->parent() ? keyOf(node->parent()) + '/' : QString()) + keyOf(node) +
                           (opened.isEmpty() ? "" : '=' + opened.join(','));
        }
        QCOMPARE(outline.join(' '), "pvi1 i1 c1 c1/Char-1=Char-1,Char-1 m1 "
                                    "m1/Mon-1=Mon-1,Mon-1 m1/Mon-2=Mon-2,Mon-2 g1");

        QTest::keyClick(&form, Qt::Key_W, Qt::ControlModifier); // no ROM open: nothing opens
        QTest::keyClick(&form, Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(opened, QStringList());
    }

    void aboutShowsTheVersionClosesWithEnterOrEscAndItsLinkOpens()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            About about(desktop);
            about.show();
            QCOMPARE(about.windowTitle(), QStringLiteral("About this Program..."));
            QVERIFY(child<QLabel>(about, "ProgramInfoLBL")->text().contains("Version: " + version));
            QTest::keyClick(about.focusWidget(), key); // as opened: the link keeps its own keys
            QVERIFY(!about.isVisible());
            about.show();
            useLink(about);
            QTest::keyClick(&about, key);
            QVERIFY(!about.isVisible());
        }
        QCOMPARE(desktop.urls, QList<QUrl>(6, QUrl("http://velmora-editor.example.org/")));
    }
    // Every value from 0 to 3200 is shown, then 0 as it hands over, once; a
    // screen reader is told of the bar's value a few times a second, not 3,201 times.
    void splashRunsOnceAndHandsOver()
    {
        QList<bool> handedOver; // each time, whether the splash had closed
        QElapsedTimer running;
        qint64 runMs = 0;
        Form1 splash(desktop, [&] {
            handedOver << !splash.isVisible();
            runMs = running.elapsed();
        });
        auto *bar = child<QuietProgressBar>(splash, "pbar");
        QList<int> values;
        connect(bar, &QuietProgressBar::valueShown, [&](int value) {
            if (values.isEmpty())
                running.start();
            values << value;
            if (value == 1000) // the link works during the run and does not disturb it
                useLink(splash);
        });
        const ToldEvents told;
        splash.show();
        QVERIFY(child<QLabel>(splash, "InfoLBL")->text().startsWith(caption + "\r\n"));
        // Generous: a loaded machine paints slowly; later ticks must not start it again.
        QTRY_COMPARE_WITH_TIMEOUT(handedOver.size(), 1, 30000);
        QTest::qWait(350);
        QVERIFY(handedOver == QList<bool>{true} && desktop.urls.size() == 3);
        QList<int> run(3201);
        std::iota(run.begin(), run.end(), 0);
        QVERIFY(values == QList<int>{0} + run + QList<int>{0});
        const auto fromBar = told.of(QAccessible::ValueChanged, bar).size();
        QVERIFY2(fromBar >= 2 && fromBar <= runMs / 250 + 3,
                 qPrintable(QString("%1 in %2 ms").arg(fromBar).arg(runMs)));
        const QAccessibleValueInterface *read =
            QAccessible::queryAccessibleInterface(bar)->valueInterface();
        QVERIFY(read->minimumValue() == 0 && read->maximumValue() == 3200);
        QCOMPARE(read->currentValue().toInt(), 0);
    }
};

QTEST_MAIN(ShellWindowTest)
#include "shell_window_test.moc"
