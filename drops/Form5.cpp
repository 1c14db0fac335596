#include "drops/Form5.h"

#include "catalogue/ItemBox.h"
#include "core/fieldcheck.h"
#include "drops/droprecord.h"
#include "shell/ShownRecordReload.h"
#include "shell/boxwidth.h"
#include "shell/editorcontrols.h"
#include "shell/optiongroup.h"
#include "shell/pendingevents.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace EditorControls;
namespace F = DropField;

namespace {

// The user may type at most this many characters into INT01TXT; what the
// program puts there ("-32768" has six) is shown whole.
constexpr int int01TypingLimit = 5;

const char *const refusedRecordText =
    "You have loaded a NON US ROM or put in a value more than 3 in this offset, please "
    "correct this or restore the US ROM.";

} // namespace

Form5::Form5(RomFile &rom, Desktop &desktop, QWidget *parent)
    : EditorDialog(rom, desktop, "Form5", QStringLiteral("Monster Item Editor"), parent)
{
    createControls();
    arrangeControls();
    LoadItemIndexes();
    connectControls();
    ItemLST->setCurrentRow(0);
}

void Form5::createControls()
{
    ItemLST = createRecordList(this, "ItemLST", QStringLiteral("Drop records"));

    INT01TXT = createNumberBox(this, "INT01TXT", QLatin1String(F::unknown.name), int01TypingLimit);
    INT01TXT->setToolTip(QStringLiteral("It is unknown what this Integer value does."));

    // Holds the chance class that "Apply" writes; only loading and the option
    // buttons set it.
    Byte03TXT = new QLineEdit(this);
    Byte03TXT->setObjectName(QStringLiteral("Byte03TXT"));
    Byte03TXT->setAccessibleName(QLatin1String(F::chanceClass.name));
    Byte03TXT->setMaxLength(3);
    Byte03TXT->setEnabled(false);
    Byte03TXT->setVisible(false);

    m_chanceGroup = new QButtonGroup(this);
    const char *const captions[] = {"0% Chance", "32% Chance", "64% Chance", "100% Chance"};
    for (int chanceClass = 0; chanceClass < 4; ++chanceClass) {
        auto *option = new QRadioButton(QString::fromLatin1(captions[chanceClass]), this);
        option->setObjectName(QStringLiteral("Item%1OPT").arg(chanceClass + 1, 2, 10, QChar('0')));
        option->setAccessibleName(option->text());
        m_chanceGroup->addButton(option, chanceClass);
        ItemOPT[chanceClass] = option;
    }
    keepTabStopOnChosen(m_chanceGroup);

    for (int slot = 0; slot < 4; ++slot) {
        auto *box = new ItemBox(this);
        box->setObjectName(QStringLiteral("Item%1CBO").arg(slot + 1, 2, 10, QChar('0')));
        box->setAccessibleName(QLatin1String(F::items[std::size_t(slot)].name));
        ItemCBO[slot] = box;
    }

    ApplyCMD = createButton(this, QStringLiteral("Apply"), "ApplyCMD");
    CancelCMD = createButton(this, QStringLiteral("Cancel"), "CancelCMD");
}

void Form5::arrangeControls()
{
    ItemLST->setFixedWidth(
        ItemLST->fontMetrics().horizontalAdvance(QStringLiteral("Index #: 2820")) + 36);
    ItemLST->setMinimumHeight(ItemLST->fontMetrics().lineSpacing() * 18);
    setWidthFor(INT01TXT, WidestText::int16, 0);

    auto *chanceColumn = new QVBoxLayout;
    chanceColumn->addWidget(INT01TXT);
    chanceColumn->addWidget(Byte03TXT);
    for (QRadioButton *option : ItemOPT)
        chanceColumn->addWidget(option);
    chanceColumn->addStretch();

    auto *itemColumn = new QVBoxLayout;
    for (ItemBox *box : ItemCBO)
        itemColumn->addWidget(box);
    itemColumn->addStretch();

    auto *frame = new QGroupBox(this);
    auto *frameLayout = new QHBoxLayout(frame);
    frameLayout->addLayout(chanceColumn);
    frameLayout->addSpacing(12);
    frameLayout->addLayout(itemColumn, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ApplyCMD);
    buttons->addWidget(CancelCMD);

    auto *right = new QVBoxLayout;
    right->addWidget(frame, 1);
    right->addLayout(buttons);

    auto *window = new QHBoxLayout(this);
    window->addWidget(ItemLST);
    window->addLayout(right, 1);
    window->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(ItemLST, INT01TXT);
    setTabOrder(INT01TXT, ItemOPT[0]);
    for (int i = 1; i < 4; ++i)
        setTabOrder(ItemOPT[i - 1], ItemOPT[i]);
    setTabOrder(ItemOPT[3], ItemCBO[0]);
    for (int i = 1; i < 4; ++i)
        setTabOrder(ItemCBO[i - 1], ItemCBO[i]);
    setTabOrder(ItemCBO[3], ApplyCMD);
    setTabOrder(ApplyCMD, CancelCMD);
}

void Form5::connectControls()
{
    connect(ItemLST, &QListWidget::currentRowChanged, this, &Form5::ItemLST_Click);
    new ShownRecordReload(
        ItemLST, [this] { return ItemLST->currentRow(); }, [this] { ItemLST_Click(); });
    // Whatever turns an option on (mouse, keyboard, a screen reader's action)
    // sets the class that "Apply" writes.
    connect(m_chanceGroup, &QButtonGroup::idToggled, this, [this](int chanceClass, bool on) {
        if (on)
            ItemOPT_Click(chanceClass);
    });
    connect(ApplyCMD, &QPushButton::clicked, this, &Form5::ApplyCMD_Click);
    connect(CancelCMD, &QPushButton::clicked, this, &Form5::CancelCMD_Click);
}

void Form5::LoadItemIndexes()
{
    ItemLST->clear();
    for (int index = 0; index < DropRecord::table.count; ++index) {
        ItemLST->addItem(QStringLiteral("Index #: %1").arg(index));
        // Keep the screen alive, but leave the user's clicks and keys for
        // later: the main window is not blocked until this window shows, and a
        // second editor opened from here would work on a half-made window.
        letPendingEventsRun(QEventLoop::ExcludeUserInputEvents);
    }
    for (ItemBox *box : ItemCBO)
        box->setItemId(0);
}

void Form5::LoadItems()
{
    const int index = ItemLST->currentRow();
    if (index < 0)
        return;
    const auto record = readShownRecord<DropRecord>(index, ApplyCMD);
    if (!record) {
        // The load ends without a word, but shows nothing of another record.
        for (ItemBox *box : ItemCBO)
            box->setItemId(-1);
        return;
    }

    showNumber(INT01TXT, record->unknown);
    showNumber(Byte03TXT, record->chanceClass);

    if (!isChanceClass(record->chanceClass)) {
        refuseRecord();
        return;
    }
    ItemOPT[record->chanceClass]->setChecked(true);
    ItemOPT_Click(record->chanceClass);
    for (std::size_t slot = 0; slot < ItemCBO.size(); ++slot)
        ItemCBO[slot]->setItemId(record->items[slot]);
}

void Form5::SaveItems()
{
    const int index = ItemLST->currentRow();
    if (index < 0)
        return;
    FieldCheck check;
    DropRecord record;
    record.unknown = take(check, INT01TXT, F::unknown);
    record.chanceClass = take(check, Byte03TXT, F::chanceClass);
    for (std::size_t slot = 0; slot < ItemCBO.size(); ++slot)
        record.items[slot] = std::int16_t(ItemCBO[slot]->itemId());
    applyRecord(check, recordWrites(index, record));
}

void Form5::ItemLST_Click()
{
    LoadItems();
}

void Form5::ItemOPT_Click(int chanceClass)
{
    showNumber(Byte03TXT, chanceClass);
}

void Form5::ApplyCMD_Click()
{
    SaveItems();
}

void Form5::CancelCMD_Click()
{
    reject();
}

// A chance class above 3: the table is not one this editor knows. Show no
// class, say so, and close; while opening, the window never shows.
void Form5::refuseRecord()
{
    uncheckAll(m_chanceGroup);
    warn(QString::fromUtf8(refusedRecordText));
    closeWhileOpening();
}
