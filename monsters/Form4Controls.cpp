// Building the monster editor's controls, their arrangement and tab order.
#include "monsters/Form4.h"

#include "shell/QuietProgressBar.h"
#include "shell/boxwidth.h"
#include "shell/editorcontrols.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <vector>

using namespace EditorControls;
namespace F = MonsterField;

namespace {

// Sizes of the window's design, in twips.
constexpr int listWidth = 1455, listHeight = 3570;
constexpr int boxWidth = 1005, labelWidth = 1125, buttonWidth = 1485, barHeight = 285;

} // namespace

void Form4::createControls()
{
    MonsterLST = createRecordList(this, "MonsterLST", QStringLiteral("Monster list"));
    // Wide enough for the longest entry beside a scroll bar, never narrower than designed.
    const int entryWidth =
        MonsterLST->fontMetrics().horizontalAdvance(QStringLiteral("Monster #: 252"));
    MonsterLST->setFixedWidth(
        std::max(twips(listWidth), entryWidth + 2 * MonsterLST->frameWidth() +
                                       MonsterLST->verticalScrollBar()->sizeHint().width() + 8));
    MonsterLST->setMinimumHeight(twips(listHeight));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(QStringLiteral("Monster stats"));

    pbar = new QuietProgressBar(this);
    pbar->setObjectName(QStringLiteral("pbar"));
    pbar->setAccessibleName(QStringLiteral("Loading the monster list"));
    pbar->setRange(0, 255);
    pbar->setTextVisible(false);
    pbar->setFixedHeight(twips(barHeight));
    QSizePolicy keepPlace = pbar->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the buttons keep their place once it is hidden
    pbar->setSizePolicy(keepPlace);

    ApplyCMD = createButton(this, QStringLiteral("Apply"), "ApplyCMD");
    CancelCMD = createButton(this, QStringLiteral("Cancel"), "CancelCMD");
    for (QPushButton *button : {ApplyCMD, CancelCMD})
        button->setMinimumWidth(twips(buttonWidth));
    ApplyCMD->setEnabled(false); // until a monster is selected
}

QLineEdit *Form4::addBox(QGridLayout *grid, int row, int column, const char *name,
                         const QString &caption, int typingLimit)
{
    QLineEdit *box = createNumberBox(Frame1, name, caption, typingLimit);
    // Every box is as wide as the widest value any of them can hold.
    setWidthFor(box, WidestText::int32, boxWidth);
    QLabel *label = labelFor(box, caption);
    label->setMinimumWidth(twips(labelWidth));
    grid->addWidget(label, row, column);
    grid->addWidget(box, row, column + 1);
    return box;
}

void Form4::arrangeControls()
{
    auto *grid = new QGridLayout(Frame1);
    grid->setContentsMargins(twips(90), twips(180), twips(90), twips(90));
    grid->setHorizontalSpacing(twips(1260 - 90 - labelWidth));
    grid->setVerticalSpacing(1);
    grid->setColumnMinimumWidth(2, 4); // a little air between the two columns
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(10, 1);

    NameTXT = addBox(grid, 0, 0, "NameTXT", QStringLiteral("Name:"), 0);
    NameTXT->setMaxLength(12); // never filled: the record holds no name
    NameTXT->setEnabled(false);
    showReadOnly(NameTXT);
    HPTXT = addBox(grid, 1, 0, "HPTXT", caption(F::hp), 8);
    EXPTXT = addBox(grid, 2, 0, "EXPTXT", caption(F::exp), 8);
    VeskTXT = addBox(grid, 3, 0, "VeskTXT", caption(F::vesk), 5);
    STRTXT = addBox(grid, 4, 0, "STRTXT", caption(F::str), 3);
    DEFTXT = addBox(grid, 5, 0, "DEFTXT", caption(F::def), 3);
    MAGPowerTXT = addBox(grid, 6, 0, "MAGPowerTXT", caption(F::magPower), 3);
    MAGDEFTXT = addBox(grid, 7, 0, "MAGDEFTXT", caption(F::magDef), 3);
    // The fields of unknown meaning, one column of read-only boxes named after them.
    for (std::size_t row = 0; row < m_unknownBoxes.size(); ++row) {
        const ShownField &field = F::unknowns[row];
        const QByteArray name = QByteArray(field.name) + "TXT";
        QLineEdit *box = addBox(grid, int(row), 3, name.constData(), QStringLiteral("Unknown:"), 0);
        box->setReadOnly(true);
        box->setAccessibleDescription(
            QStringLiteral("Unknown field at record offset %1, read-only").arg(field.at));
        showReadOnly(box);
        m_unknownBoxes[row] = box;
    }

    auto *top = new QHBoxLayout;
    top->setSpacing(twips(1620 - 90 - listWidth));
    top->addWidget(MonsterLST);
    top->addWidget(Frame1, 1);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(twips(4500 - 90 - 4305));
    bottom->addWidget(pbar, 1);
    bottom->addWidget(ApplyCMD);
    bottom->addWidget(CancelCMD);

    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(twips(90), twips(90), twips(90), twips(90));
    window->setSpacing(twips(3720 - 3645));
    window->addLayout(top, 1);
    window->addLayout(bottom);

    // The list, the boxes one can type into, the read-only boxes, then the buttons.
    std::vector<QWidget *> order = {MonsterLST, NameTXT, HPTXT,       EXPTXT,   VeskTXT,
                                    STRTXT,     DEFTXT,  MAGPowerTXT, MAGDEFTXT};
    order.insert(order.end(), m_unknownBoxes.begin(), m_unknownBoxes.end());
    order.insert(order.end(), {ApplyCMD, CancelCMD});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    resize(sizeHint().expandedTo(QSize(twips(7590), twips(4110))));
}
