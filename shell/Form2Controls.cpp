// Building the main window's controls and its menu bar.
#include "shell/Form2.h"

#include "shell/SpeaksCurrent.h"
#include "shell/windowfont.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

void Form2::createControls()
{
    auto *central = new QWidget(this);
    auto *grid = new QGridLayout(central);
    grid->setContentsMargins(6, 0, 6, 4);

    tree = new SpeaksCurrent<QTreeWidget>(central);
    tree->setObjectName(QStringLiteral("tree"));
    tree->setHeaderHidden(true);
    tree->setAccessibleName(tr("Features"));
    // Wide enough for the longest node, whatever font stands in for Tahoma.
    const int textWidth = QFontMetrics(windowFont()).horizontalAdvance(longestNodeText());
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
    createFeaturesMenu(mnuFeatures);

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
