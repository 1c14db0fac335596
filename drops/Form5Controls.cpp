// The monster item editor's layout: its controls, where they stand, their tab order.
#include "drops/Form5.h"

#include "catalogue/ItemBox.h"
#include "drops/droprecord.h"
#include "shell/boxwidth.h"
#include "shell/editorcontrols.h"
#include "shell/optiongroup.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace EditorControls;
namespace F = DropField;

namespace {

// Sizes of the window's design, in twips. No control has a label: each is
// called by its field's name.
constexpr RecordList dropList{"ItemLST", "Drop records", "Index #: 282", 1455, 3570};
constexpr int boxWidth = 1005, itemBoxWidth = 2235;

QString named(const RecordField &field)
{
    return QLatin1String(field.name);
}

} // namespace

void Form5::createControls()
{
    ItemLST = makeRecordControls(dropList, &Form5::ItemLST_Click, &Form5::ApplyCMD_Click);
    auto *Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));

    // Left: the value, the hidden chance class the options set, the options.
    QLineEdit *INT01TXT = addNumberBox(Frame1, {"INT01TXT", F::unknown, 5, named(F::unknown)});
    INT01TXT->setToolTip(QStringLiteral("It is unknown what this Integer value does."));
    setWidthFor(INT01TXT, WidestText::int16, boxWidth);
    QLineEdit *Byte03TXT =
        addNumberBox(Frame1, {"Byte03TXT", F::chanceClass, 3, named(F::chanceClass)});
    Byte03TXT->setEnabled(false);
    Byte03TXT->setVisible(false);
    m_chanceGroup = makeOptionGroup(Frame1, {{"Item01OPT", "0% Chance", 0},
                                             {"Item02OPT", "32% Chance", 1},
                                             {"Item03OPT", "64% Chance", 2},
                                             {"Item04OPT", "100% Chance", 3}});
    auto *left = new QVBoxLayout;
    left->addWidget(INT01TXT);
    left->addWidget(Byte03TXT);
    std::vector<QWidget *> order = {ItemLST, INT01TXT};
    for (QAbstractButton *option : m_chanceGroup->buttons()) {
        left->addWidget(option);
        order.push_back(option);
    }
    left->addStretch();

    // Right: the four drop items, top to bottom.
    auto *right = new QVBoxLayout;
    const char *const names[] = {"Item01CBO", "Item02CBO", "Item03CBO", "Item04CBO"};
    for (std::size_t slot = 0; slot < F::items.size(); ++slot) {
        auto *items = new ItemBox(Frame1);
        bind(items, names[slot], F::items[slot], named(F::items[slot]));
        items->setMinimumWidth(twips(itemBoxWidth));
        right->addWidget(items);
        order.push_back(items);
    }
    right->addStretch();
    order.insert(order.end(), {ApplyCMD, CancelCMD});

    auto *frame = new QHBoxLayout(Frame1);
    frame->addLayout(left);
    frame->addSpacing(twips(180));
    frame->addLayout(right, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ApplyCMD);
    buttons->addWidget(CancelCMD);
    auto *column = new QVBoxLayout;
    column->addWidget(Frame1, 1);
    column->addLayout(buttons);
    auto *window = new QHBoxLayout(this);
    window->addWidget(ItemLST);
    window->addLayout(column, 1);
    window->setSizeConstraint(QLayout::SetFixedSize);
    tabOrder(order);
}
