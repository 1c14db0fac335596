// The character editor's layout: its controls, where they stand, their tab order.
#include "characters/Form3.h"

#include "catalogue/ItemBox.h"
#include "shell/boxwidth.h"
#include "shell/editorcontrols.h"
#include "shell/optiongroup.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using namespace EditorControls;
namespace F = CharacterField;

namespace {

// Sizes of the window's design, in twips.
constexpr RecordList characterList{"CharLST", "Character list", "Charcter 15", 1455, 3570};
constexpr int textBoxWidth = 825, amountBoxWidth = 345, itemBoxWidth = 2235;

// The equipment slots' controls, in the record's order.
constexpr const char *itemBoxes[slotCount] = {"RHCBO", "LHCBO", "HeadCBO", "BodyCBO", "ArmCBO"};
constexpr const char *amountBoxes[slotCount] = {"RHAMTTXT", "LHAMTTXT", "HeadAMTTXT", "BodyAMTTXT",
                                                "ArmAMTTXT"};

void addRow(QGridLayout *grid, int row, QWidget *control, const QString &caption)
{
    grid->addWidget(labelFor(control, caption), row, 0);
    grid->addWidget(control, row, 1, Qt::AlignLeft);
}

} // namespace

void Form3::createControls()
{
    CharLST = makeRecordControls(characterList, &Form3::CharLST_Click, &Form3::ApplyCMD_Click);
    for (int index = 0; index < CharacterRecord::table.count; ++index)
        CharLST->addItem(QStringLiteral("Charcter %1").arg(index + 1));
    auto *Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(QStringLiteral("Character record"));
    std::vector<QWidget *> order = {CharLST};

    // Left, top to bottom: Name, then the numbers, each box as wide as the widest EXP.
    const NumberBox numbers[] = {
        {"LVTXT", F::level, 6},      {"EXPTXT", F::exp, 8},       {"HPTXT", F::hp, 4},
        {"MPTXT", F::mp, 4},         {"STRTXT", F::stats[0], 3},  {"AGITXT", F::stats[1], 3},
        {"STAMTXT", F::stats[2], 3}, {"INTLTXT", F::stats[3], 3}, {"SPIRTXT", F::stats[4], 3}};
    auto *left = new QGridLayout;
    left->setVerticalSpacing(2);
    order.push_back(nameBox(Frame1, 6));
    for (const NumberBox &number : numbers)
        order.push_back(addNumberBox(Frame1, number));
    for (std::size_t row = 1; row < order.size(); ++row) {
        setWidthFor(static_cast<QLineEdit *>(order[row]), WidestText::int32, textBoxWidth);
        addRow(left, int(row - 1), order[row], order[row]->accessibleName());
    }
    left->setRowStretch(int(order.size()), 1);

    // Right, top to bottom: each slot's item and amount beside a line, the
    // primary hand, the unknown byte.
    auto *right = new QGridLayout;
    right->setVerticalSpacing(2);
    for (std::size_t i = 0; i < slotCount; ++i) {
        auto *items = new ItemBox(Frame1);
        bind(items, itemBoxes[i], F::itemId[i], caption(F::itemId[i]));
        items->setMinimumWidth(twips(itemBoxWidth));
        connect(items, &ItemBox::activated, this,
                [this, i](int position) { equipmentPicked(Slot(i), position); });
        QLineEdit *amount = addNumberBox(Frame1, {amountBoxes[i], F::amount[i], 2});
        setWidthFor(amount, WidestText::byte, amountBoxWidth);
        // These amounts are the item id's high byte; they follow the item picked.
        amount->setEnabled(!amountSharesIdByte(Slot(i)));
        addRow(right, int(i), items, items->accessibleName());
        right->addWidget(amount, int(i), 3);
        order.insert(order.end(), {items, amount});
    }
    auto *line = new QFrame(Frame1);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    right->addWidget(line, 0, 2, slotCount, 1);

    m_handGroup = makeOptionGroup(
        Frame1,
        {{"LHOPT", "Left Handed", 1}, {"RHOPT", "Right Handed", 0}, {"LROPT", "Ambidextrous", 2}});
    const QList<QAbstractButton *> hands = m_handGroup->buttons();
    QLabel *handLabel = labelFor(hands.first(), caption(F::hand));
    labelOptionGroup(m_handGroup, handLabel);
    right->addWidget(handLabel, slotCount, 0);
    for (int i = 0; i < hands.size(); ++i)
        right->addWidget(hands[i], slotCount + i, 1, 1, 3, Qt::AlignLeft);
    QLineEdit *UNKTXT = addNumberBox(Frame1, {"UNKTXT", F::unknown, 3});
    setWidthFor(UNKTXT, WidestText::int32, textBoxWidth);
    addRow(right, slotCount + 3, UNKTXT, UNKTXT->accessibleName());
    right->setRowStretch(slotCount + 4, 1);
    order.insert(order.end(), hands.begin(), hands.end());
    order.insert(order.end(), {CancelCMD, ApplyCMD, UNKTXT});

    auto *frame = new QHBoxLayout(Frame1);
    frame->setContentsMargins(8, 8, 8, 8);
    frame->setSpacing(12);
    frame->addLayout(left);
    frame->addLayout(right);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ApplyCMD);
    buttons->addWidget(CancelCMD);
    auto *window = new QGridLayout(this);
    window->setContentsMargins(6, 6, 6, 6);
    window->setSpacing(6);
    window->addWidget(CharLST, 0, 0);
    window->addWidget(Frame1, 0, 1);
    window->addLayout(buttons, 1, 1);
    window->setSizeConstraint(QLayout::SetFixedSize);
    tabOrder(order);
}
