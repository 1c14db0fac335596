// Building the character editor's controls, their arrangement and tab order.
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
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

using namespace EditorControls;
namespace F = CharacterField;

namespace {

constexpr std::array<const char *, 5> statNames = {"STRTXT", "AGITXT", "STAMTXT", "INTLTXT",
                                                   "SPIRTXT"};
constexpr std::array<const char *, slotCount> itemNames = {"RHCBO", "LHCBO", "HeadCBO", "BodyCBO",
                                                           "ArmCBO"};
constexpr std::array<const char *, slotCount> amountNames = {"RHAMTTXT", "LHAMTTXT", "HeadAMTTXT",
                                                             "BodyAMTTXT", "ArmAMTTXT"};

// Sizes of the window's design, in twips.
constexpr int textBoxWidth = 825;
constexpr int amountBoxWidth = 345;
constexpr int itemBoxWidth = 2235;
constexpr int buttonWidth = 1485;
constexpr int listWidth = 1455;

} // namespace

void Form3::createControls()
{
    CharLST = createRecordList(this, "CharLST", QStringLiteral("Character list"));
    for (int index = 0; index < CharacterRecord::table.count; ++index)
        CharLST->addItem(QStringLiteral("Charcter %1").arg(index + 1));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(QStringLiteral("Character record"));

    NameTXT = createNumberBox(Frame1, "NameTXT", QStringLiteral("Name:"), 6);
    NameTXT->setEnabled(false);
    showReadOnly(NameTXT);
    LVTXT = createNumberBox(Frame1, "LVTXT", caption(F::level), 6);
    EXPTXT = createNumberBox(Frame1, "EXPTXT", caption(F::exp), 8);
    HPTXT = createNumberBox(Frame1, "HPTXT", caption(F::hp), 4);
    MPTXT = createNumberBox(Frame1, "MPTXT", caption(F::mp), 4);
    for (std::size_t i = 0; i < m_statBoxes.size(); ++i)
        m_statBoxes[i] = createNumberBox(Frame1, statNames[i], caption(F::stats[i]), 3);

    for (std::size_t i = 0; i < slotCount; ++i) {
        m_itemBoxes[i] = new ItemBox(Frame1);
        m_itemBoxes[i]->setObjectName(QString::fromLatin1(itemNames[i]));
        m_itemBoxes[i]->setAccessibleName(caption(F::itemId[i]));
        m_amountBoxes[i] = createNumberBox(Frame1, amountNames[i], caption(F::amount[i]), 2);
        // These amounts are the item id's high byte; they follow the item picked.
        m_amountBoxes[i]->setEnabled(!amountSharesIdByte(Slot(i)));
    }

    LHOPT = new QRadioButton(QStringLiteral("Left Handed"), Frame1);
    RHOPT = new QRadioButton(QStringLiteral("Right Handed"), Frame1);
    LROPT = new QRadioButton(QStringLiteral("Ambidextrous"), Frame1);
    m_handGroup = new QButtonGroup(this);
    m_handGroup->addButton(LHOPT, 1); // in tab order, each with its hand code
    m_handGroup->addButton(RHOPT, 0);
    m_handGroup->addButton(LROPT, 2);
    LHOPT->setObjectName(QStringLiteral("LHOPT"));
    RHOPT->setObjectName(QStringLiteral("RHOPT"));
    LROPT->setObjectName(QStringLiteral("LROPT"));

    UNKTXT = createNumberBox(Frame1, "UNKTXT", caption(F::unknown), 3);

    ApplyCMD = createButton(this, QStringLiteral("Apply"), "ApplyCMD");
    CancelCMD = createButton(this, QStringLiteral("Cancel"), "CancelCMD");
    for (QPushButton *button : {ApplyCMD, CancelCMD})
        button->setMinimumWidth(twips(buttonWidth));
}

void Form3::arrangeControls()
{
    auto *fields = new QGridLayout;
    fields->setVerticalSpacing(2);
    std::vector<QLineEdit *> column = {NameTXT, LVTXT, EXPTXT, HPTXT, MPTXT};
    column.insert(column.end(), m_statBoxes.begin(), m_statBoxes.end());
    // Each box labelled with the name it is announced by; one width for the
    // column: that of the widest EXP.
    for (std::size_t row = 0; row < column.size(); ++row) {
        QLineEdit *box = column[row];
        fields->addWidget(labelFor(box, box->accessibleName()), int(row), 0);
        fields->addWidget(box, int(row), 1);
        setWidthFor(box, WidestText::int32, textBoxWidth);
    }
    fields->setRowStretch(int(column.size()), 1);

    auto *equipment = new QGridLayout;
    equipment->setVerticalSpacing(2);
    for (std::size_t i = 0; i < slotCount; ++i) {
        const int row = int(i);
        equipment->addWidget(labelFor(m_itemBoxes[i], caption(F::itemId[i])), row, 0);
        equipment->addWidget(m_itemBoxes[i], row, 1);
        m_itemBoxes[i]->setMinimumWidth(twips(itemBoxWidth));
        equipment->addWidget(m_amountBoxes[i], row, 3);
        setWidthFor(m_amountBoxes[i], WidestText::byte, amountBoxWidth);
    }
    auto *line = new QFrame(Frame1);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    equipment->addWidget(line, 0, 2, slotCount, 1);

    auto *handLabel = labelFor(LHOPT, caption(F::hand));
    keepTabStopOnChosen(m_handGroup, handLabel);
    equipment->addWidget(handLabel, slotCount, 0);
    equipment->addWidget(LHOPT, slotCount, 1, 1, 3, Qt::AlignLeft);
    equipment->addWidget(RHOPT, slotCount + 1, 1, 1, 3, Qt::AlignLeft);
    equipment->addWidget(LROPT, slotCount + 2, 1, 1, 3, Qt::AlignLeft);
    equipment->addWidget(labelFor(UNKTXT, caption(F::unknown)), slotCount + 3, 0);
    equipment->addWidget(UNKTXT, slotCount + 3, 1, Qt::AlignLeft);
    setWidthFor(UNKTXT, WidestText::int32, textBoxWidth);
    equipment->setRowStretch(slotCount + 4, 1);

    auto *frame = new QHBoxLayout(Frame1);
    frame->setContentsMargins(8, 8, 8, 8);
    frame->setSpacing(12);
    frame->addLayout(fields);
    frame->addLayout(equipment);

    CharLST->setFixedWidth(twips(listWidth));
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

    std::vector<QWidget *> order = {CharLST, NameTXT, LVTXT, EXPTXT, HPTXT, MPTXT};
    order.insert(order.end(), m_statBoxes.begin(), m_statBoxes.end());
    for (std::size_t i = 0; i < slotCount; ++i)
        order.insert(order.end(), {m_itemBoxes[i], m_amountBoxes[i]});
    order.insert(order.end(), {LHOPT, RHOPT, LROPT, CancelCMD, ApplyCMD, UNKTXT});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}
