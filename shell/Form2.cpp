#include "shell/Form2.h"

#include "shell/About.h"
#include "shell/desktop.h"
#include "shell/program.h"
#include "shell/romheader.h"
#include "shell/windowfont.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

namespace {

struct Node
{
    const char *key;
    const char *text;
    const char *parent;
};

// The feature tree, in the order the nodes are added.
const Node featureNodes[] = {
    {"pvi1", "Program Version Information", nullptr},
    {"i1", "Information", nullptr},
    {"c1", "Characters:", nullptr},
    {"Char-1", "Character Stat Editor", "c1"},
    {"m1", "Monsters:", nullptr},
    {"Mon-1", "Monster Stat Editor", "m1"},
    {"Mon-2", "Monster Item Editor", "m1"},
    {"g1", "General:", nullptr},
};

const char *const dialogFilter = "All Files (*.*)|*.*|GBA ROM Files (*.gba)|*.gba";

// "Text|pattern|Text|pattern" as the file dialog wants it: one entry per text.
QStringList filterEntries(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        entries.append(parts.at(i));
    return entries;
}

std::filesystem::path toPath(const QString &name)
{
    return std::filesystem::path(name.toStdU16String());
}

QString joinLines(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

Form2::Form2(Desktop &desktop, EditorOpeners editors, QWidget *parent)
    : QMainWindow(parent), m_desktop(desktop), m_editors(std::move(editors))
{
    setObjectName(QStringLiteral("Form2"));
    setFont(windowFont());
    createControls();
    createMenus();
    CloseROM();                       // starts in "no ROM open"
    setWindowTitle(Program::title()); // until Form_Load
    resize(499, 348 + menuBar()->sizeHint().height());
}

void Form2::createControls()
{
    auto *central = new QWidget(this);
    auto *grid = new QGridLayout(central);
    grid->setContentsMargins(6, 0, 6, 4);

    tree = new QTreeWidget(central);
    tree->setObjectName(QStringLiteral("tree"));
    tree->setHeaderHidden(true);
    tree->setAccessibleName(tr("Features"));
    // Wide enough for the longest node, whatever font stands in for Tahoma.
    const int textWidth =
        QFontMetrics(windowFont()).horizontalAdvance(QLatin1String("Program Version Information"));
    tree->setMinimumWidth(qMax(171, textWidth + 2 * tree->indentation() + 8));
    tree->installEventFilter(this);
    connect(tree, &QTreeWidget::itemClicked, this, &Form2::tree_NodeClick);

    auto *Frame2 = new QGroupBox(tr("Information:"), central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    MainInfoLBL = new QLabel(Frame2);
    MainInfoLBL->setObjectName(QStringLiteral("MainInfoLBL"));
    MainInfoLBL->setTextFormat(Qt::PlainText);
    MainInfoLBL->setWordWrap(true);
    MainInfoLBL->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MainInfoLBL->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // No accessible name of its own: a screen reader reads the text itself.
    MainInfoLBL->setAccessibleDescription(tr("ROM information"));
    ExpandCHK = new QCheckBox(tr("Expand all Items in Tree"), Frame2);
    ExpandCHK->setObjectName(QStringLiteral("ExpandCHK"));
    ExpandCHK->setToolTip(tr("Expands all of the items in the left TreeView box."));
    // On every change of the tick, whatever made it: a click, a key, a screen
    // reader's toggle, or the program.
    connect(ExpandCHK, &QCheckBox::toggled, this, &Form2::ExpandCHK_Click);
    auto *frameLayout = new QVBoxLayout(Frame2);
    frameLayout->addWidget(MainInfoLBL, 1);
    frameLayout->addWidget(ExpandCHK);

    // The strip along the bottom: a credit notice; the size label only carries text.
    Label2 = new QLabel(tr("Velmora Editor by the Velmora Hacking Team"), central);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(creditFont());
    ROMSizeLBL = new QLabel(central);
    ROMSizeLBL->setObjectName(QStringLiteral("ROMSizeLBL"));
    ROMSizeLBL->hide();
    auto *Frame1 = new QFrame(central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::HLine);
    Frame1->setFrameShadow(QFrame::Sunken);

    grid->addWidget(tree, 0, 0);
    grid->addWidget(Frame2, 0, 1);
    grid->setColumnStretch(0, 171);
    grid->setColumnStretch(1, 309);
    grid->addWidget(Frame1, 1, 0, 1, 2);
    grid->addWidget(Label2, 2, 0, 1, 2, Qt::AlignRight);
    setCentralWidget(central);
}

QAction *Form2::addMenuItem(QMenu *menu, const char *name, const QString &caption,
                            const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

void Form2::createMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuOpenROM = addMenuItem(mnuFile, "mnuOpenROM", tr("&Open ROM File"),
                             QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuCloseROM =
        addMenuItem(mnuFile, "mnuCloseROM", tr("&Close ROM"), QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    mnuSaveROM = addMenuItem(mnuFile, "mnuSaveROM", tr("&Save ROM File"),
                             QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    QAction *nuQuit =
        addMenuItem(mnuFile, "nuQuit", tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(mnuOpenROM, &QAction::triggered, this, &Form2::LoadROM);
    connect(mnuCloseROM, &QAction::triggered, this, &Form2::CloseROM);
    connect(nuQuit, &QAction::triggered, this, &Form2::endProgram);

    QMenu *mnuFeatures = menuBar()->addMenu(tr("&Features"));
    mnuFeatures->setObjectName(QStringLiteral("mnuFeatures"));
    struct Item
    {
        const char *name;
        const char *caption;
        Qt::Key key; // with Ctrl
        bool shown;
    };
    const Item features[] = {
        {"mnuCharStat", "Character Stat Editor", Qt::Key_F1, true},
        {"mnuCharEq", "Character Equipment Editor", Qt::Key_F2, false},
        {"mnuCharMag", "Character Magic Editor", Qt::Key_F3, false},
        {"mnuCharMisc", "Character Miscellaneous Editor", Qt::Key_F4, false},
        {"mnuSep3", nullptr, Qt::Key_unknown, true},
        {"mnuMonsterStat", "Monster Stat Editor", Qt::Key_F5, false},
        {"mnuMonsterItem", "Monster Item Editor", Qt::Key_F6, true},
        {"mnuMonsterMisc", "Monster Miscellaneous Editor", Qt::Key_F7, false},
        {"mnuSep4", nullptr, Qt::Key_unknown, true},
        {"mnuItem", "Item Editor", Qt::Key_F8, false},
        {"mnuMagic", "Magic Editor", Qt::Key_F9, false},
        {"mnuMiscEditors", "Miscellaneous Editors", Qt::Key_F11, true},
    };
    for (const Item &item : features) {
        if (!item.caption) {
            mnuFeatures->addSeparator()->setObjectName(QLatin1String(item.name));
            continue;
        }
        QAction *action = addMenuItem(mnuFeatures, item.name, tr(item.caption),
                                      QKeySequence(Qt::CTRL | item.key));
        action->setVisible(item.shown); // hidden items are also disabled
        action->setEnabled(item.shown);
    }
    findChild<QAction *>(QStringLiteral("mnuMiscEditors"))->setEnabled(false);
    connect(findChild<QAction *>(QStringLiteral("mnuCharStat")), &QAction::triggered, this,
            [this] { openEditor(m_editors.characters); });
    connect(findChild<QAction *>(QStringLiteral("mnuMonsterItem")), &QAction::triggered, this,
            [this] { openEditor(m_editors.monsterItems); });

    QMenu *mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    addMenuItem(mnuHelp, "mnuContents", tr("&Contents"), QKeySequence(Qt::Key_F1))
        ->setEnabled(false);
    addMenuItem(mnuHelp, "mnuSearch", tr("&Search"), QKeySequence(Qt::Key_F2))->setEnabled(false);
    addMenuItem(mnuHelp, "mnuTips", tr("&Tips"), QKeySequence(Qt::Key_F3))->setEnabled(false);
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep5"));
    QAction *mnuAbout = addMenuItem(mnuHelp, "mnuAbout", tr("&About"), QKeySequence(Qt::Key_F12));
    connect(mnuAbout, &QAction::triggered, this, &Form2::mnuAbout_Click);
}

void Form2::start()
{
    Form_Load();
    if (!m_ended)
        show();
}

void Form2::Form_Load()
{
    setWindowTitle(Program::versionCaption());
    LoadTreeData();
    LoadROM();
}

void Form2::LoadTreeData()
{
    tree->clear();
    m_nodes.clear();
    for (const Node &node : featureNodes) {
        QTreeWidgetItem *item = nullptr;
        if (node.parent) {
            for (QTreeWidgetItem *candidate : std::as_const(m_nodes)) {
                if (candidate->data(0, Qt::UserRole).toString() == QLatin1String(node.parent))
                    item = new QTreeWidgetItem(candidate);
            }
        } else {
            item = new QTreeWidgetItem(tree);
        }
        item->setText(0, QLatin1String(node.text));
        item->setData(0, Qt::UserRole, QLatin1String(node.key));
        m_nodes.append(item);
    }
    setAllExpanded(true, false);
    ExpandCHK->setChecked(true);
}

void Form2::LoadROM()
{
    const QStringList filters = filterEntries(QLatin1String(dialogFilter));
    if (const auto chosen = m_desktop.chooseOpenFile(this, filters, filters.at(1), m_dlgFileName))
        m_dlgFileName = QDir::toNativeSeparators(*chosen);
    CloseROM();
    if (m_dlgFileName.isEmpty())
        return;
    if (!m_rom.open(toPath(m_dlgFileName))) {
        m_desktop.showMessage(this, Program::title(),
                              tr("The ROM file could not be opened.\n\n%1\n\n%2")
                                  .arg(m_dlgFileName, QString::fromStdString(m_rom.errorString())),
                              QMessageBox::Warning);
        return;
    }
    mnuCloseROM->setEnabled(true);
    tree->setEnabled(true);
    mnuSaveROM->setEnabled(true);
    ExpandCHK->setEnabled(true);
    if (!LoadROMIName() || !LoadROMFileSize(m_dlgFileName) || !General_Info())
        return;
    setAllExpanded(true, false);
    ExpandCHK->setChecked(true);
}

void Form2::CloseROM()
{
    setWindowTitle(Program::versionCaption());
    m_rom.close();
    mnuCloseROM->setEnabled(false);
    MainInfoLBL->clear();
    mnuSaveROM->setEnabled(false);
    ExpandCHK->setEnabled(false);
    tree->setEnabled(false);
    ExpandCHK->setChecked(false);
    setAllExpanded(false, true);
}

bool Form2::LoadROMIName()
{
    std::string title;
    if (!RomHeader::readTitle(m_rom, title))
        return false;
    setWindowTitle(Program::versionCaption() + QStringLiteral(" - ") +
                   QString::fromLatin1(title.data(), qsizetype(title.size())));
    return true;
}

bool Form2::LoadROMFileSize(const QString &fileName)
{
    const auto size = RomFile::fileSize(toPath(fileName));
    if (!size)
        return false;
    ROMSizeLBL->setText(QString::number(*size));
    return true;
}

bool Form2::General_Info()
{
    std::uint8_t letter = 0;
    if (!RomHeader::readRegionLetter(m_rom, letter))
        return false;
    const QString region = QString::fromStdString(RomHeader::regionText(letter));
    MainInfoLBL->setText(joinLines({
        QStringLiteral("General ROM Information"),
        QString(),
        QStringLiteral("ROM & Location & Filename: ") + m_dlgFileName,
        QString(),
        QStringLiteral("ROM Filesize (in bytes): ") + ROMSizeLBL->text(),
        QString(),
        QStringLiteral("ROM Region: ") + region,
    }));
    if (region == QLatin1String("Japan")) {
        m_desktop.showMessage(this, Program::title(),
                              QStringLiteral("Unfortunately this program does not support any NON "
                                             "US ROM.  I will close myself now."),
                              QMessageBox::Critical);
        endProgram();
        return false;
    }
    return true;
}

void Form2::endProgram()
{
    m_rom.close();
    m_ended = true;
    m_desktop.endProgram();
}

void Form2::setAllExpanded(bool expanded, bool processEvents)
{
    for (QTreeWidgetItem *node : std::as_const(m_nodes)) {
        node->setExpanded(expanded);
        if (processEvents)
            QCoreApplication::processEvents();
    }
}

void Form2::tree_NodeClick()
{
    const QTreeWidgetItem *node = tree->currentItem();
    if (!node || !m_rom.isOpen())
        return;
    const QString text = node->text(0);
    if (text == QLatin1String("Character Stat Editor"))
        openEditor(m_editors.characters);
    if (text == QLatin1String("Monster Item Editor"))
        openEditor(m_editors.monsterItems);
    if (text == QLatin1String("Monster Stat Editor"))
        openEditor(m_editors.monsterStats);
}

void Form2::openEditor(const EditorOpener &opener)
{
    if (opener && m_rom.isOpen())
        opener(this, m_rom, m_desktop);
}

void Form2::ExpandCHK_Click()
{
    setAllExpanded(ExpandCHK->isChecked(), false);
}

void Form2::mnuAbout_Click()
{
    About about(m_desktop, this);
    about.exec();
}

void Form2::closeEvent(QCloseEvent *event)
{
    // Form_Unload: closing the main window ends the program.
    event->accept();
    endProgram();
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            tree_NodeClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
