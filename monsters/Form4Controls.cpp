// The monster editor's layout: its controls, where they stand, their tab order.
#include "monsters/Form4.h"

#include "shell/QuietProgressBar.h"
#include "shell/boxwidth.h"
#include "shell/editorcontrols.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace EditorControls;
namespace F = MonsterField;

namespace {

// Sizes of the window's design, in twips.
constexpr RecordList monsterList{"MonsterLST", "Monster list", "Monster #: 252", 1455, 3570};
constexpr int boxWidth = 1005, labelWidth = 1125, barHeight = 285;

// EXP and Vesk are shown unsigned, but "Apply" also takes -32768..-1 and
// stores them as their 16-bit two's complement.
constexpr NumberBox::Range wordOrNegative{-32768, 65535};

// A box and its label in the grid, every box as wide as the widest value any can hold.
QWidget *place(QGridLayout *grid, int row, int column, QLineEdit *box)
{
    setWidthFor(box, WidestText::int32, boxWidth);
    QLabel *label = labelFor(box, box->accessibleName());
    label->setMinimumWidth(twips(labelWidth));
    grid->addWidget(label, row, column);
    grid->addWidget(box, row, column + 1);
    return box;
}

} // namespace

void Form4::createControls()
{
    MonsterLST = makeRecordControls(monsterList, &Form4::MonsterLST_Click, &Form4::ApplyCMD_Click);
    auto *Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(QStringLiteral("Monster stats"));
    auto *grid = new QGridLayout(Frame1);
    grid->setContentsMargins(twips(90), twips(180), twips(90), twips(90));
    grid->setHorizontalSpacing(twips(1260 - 90 - labelWidth));
    grid->setVerticalSpacing(1);
    grid->setColumnMinimumWidth(2, 4); // a little air between the two columns
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(10, 1);

    // Left, top to bottom: Name, then the stats the user edits; right, the
    // fields only shown, each box named after its field. Tab goes the same way.
    const NumberBox stats[] = {{"HPTXT", F::hp, 8},
                               {"EXPTXT", F::exp, 8, {}, wordOrNegative},
                               {"VeskTXT", F::vesk, 5, {}, wordOrNegative},
                               {"STRTXT", F::str, 3},
                               {"DEFTXT", F::def, 3},
                               {"MAGPowerTXT", F::magPower, 3},
                               {"MAGDEFTXT", F::magDef, 3}};
    int row = 0;
    std::vector<QWidget *> order = {MonsterLST, place(grid, row++, 0, nameBox(Frame1, 12))};
    for (const NumberBox &stat : stats)
        order.push_back(place(grid, row++, 0, addNumberBox(Frame1, stat)));
    row = 0;
    for (const ShownField &field : F::unknowns) {
        const QByteArray name = QByteArray(field.name) + "TXT";
        QLineEdit *box = addNumberBox(Frame1, {name.constData(), field, 0, "Unknown:"});
        box->setAccessibleDescription(
            QStringLiteral("Unknown field at record offset %1, read-only").arg(field.at));
        showReadOnly(box);
        order.push_back(place(grid, row++, 3, box));
    }
    order.insert(order.end(), {ApplyCMD, CancelCMD});

    pbar = new QuietProgressBar(this);
    pbar->setObjectName(QStringLiteral("pbar"));
    pbar->setAccessibleName(QStringLiteral("Loading the monster list"));
    pbar->setRange(0, 255);
    pbar->setTextVisible(false);
    pbar->setFixedHeight(twips(barHeight));
    QSizePolicy keepPlace = pbar->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the buttons keep their place once it is hidden
    pbar->setSizePolicy(keepPlace);

    auto *top = new QHBoxLayout;
    top->setSpacing(twips(1620 - 90 - 1455));
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
    tabOrder(order);
    resize(sizeHint().expandedTo(QSize(twips(7590), twips(4110))));
}
