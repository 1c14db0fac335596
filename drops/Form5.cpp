#include "drops/Form5.h"

#include "catalogue/ItemBox.h"
#include "drops/droprecord.h"
#include "shell/TypingLimit.h"
#include "shell/boxwidth.h"
#include "shell/desktop.h"
#include "shell/fieldcheck.h"
#include "shell/numbertext.h"
#include "shell/romfile.h"
#include "shell/windowfont.h"
#include "version.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The user may type at most this many characters into INT01TXT; what the
// program puts there ("-32768" has six) is shown whole.
constexpr int int01TypingLimit = 5;

const char *const refusedRecordText =
    "You have loaded a NON US ROM or put in a value more than 3 in this offset, please "
    "correct this or restore the US ROM.";

QString numberText(std::int64_t value)
{
    return QString::fromStdString(NumberText::fromValue(value));
}

} // namespace

Form5::Form5(RomFile &rom, Desktop &desktop, QWidget *parent)
    : EditorDialog(parent), m_rom(rom), m_desktop(desktop)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Monster Item Editor"));
    setFont(windowFont());

    createControls();
    arrangeControls();
    LoadItemIndexes();
    connectControls();
    ItemLST->setCurrentRow(0);
}

void Form5::open(QWidget *parent, RomFile &rom, Desktop &desktop)
{
    Form5 window(rom, desktop, parent);
    if (!window.m_refused)
        window.exec();
}

void Form5::createControls()
{
    ItemLST = new QListWidget(this);
    ItemLST->setObjectName(QStringLiteral("ItemLST"));
    ItemLST->setAccessibleName(QStringLiteral("Drop records"));
    ItemLST->setSelectionMode(QAbstractItemView::SingleSelection);
    ItemLST->setUniformItemSizes(true);

    INT01TXT = new QLineEdit(this);
    INT01TXT->setObjectName(QStringLiteral("INT01TXT"));
    INT01TXT->setAccessibleName(QStringLiteral("Unknown value"));
    INT01TXT->setToolTip(QStringLiteral("It is unknown what this Integer value does."));
    new TypingLimit(int01TypingLimit, INT01TXT);

    // Holds the chance class that "Apply" writes; only loading and the option
    // buttons set it.
    Byte03TXT = new QLineEdit(this);
    Byte03TXT->setObjectName(QStringLiteral("Byte03TXT"));
    Byte03TXT->setAccessibleName(QStringLiteral("Drop chance class"));
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

    for (int slot = 0; slot < 4; ++slot) {
        auto *box = new ItemBox(this);
        box->setObjectName(QStringLiteral("Item%1CBO").arg(slot + 1, 2, 10, QChar('0')));
        // On Linux a combo box is announced by its current text, so say what it is for.
        box->setAccessibleName(QStringLiteral("Drop item %1").arg(slot + 1));
        box->setAccessibleDescription(box->accessibleName());
        ItemCBO[slot] = box;
    }

    ApplyCMD = createButton(QStringLiteral("Apply"), "ApplyCMD");
    CancelCMD = createButton(QStringLiteral("Cancel"), "CancelCMD");
}

void Form5::arrangeControls()
{
    ItemLST->setFixedWidth(
        ItemLST->fontMetrics().horizontalAdvance(QStringLiteral("Index #: 2820")) + 36);
    ItemLST->setMinimumHeight(ItemLST->fontMetrics().lineSpacing() * 18);
    INT01TXT->setFixedWidth(widthShowing(INT01TXT, WidestText::int16));

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
    watchRecordList(
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
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    for (ItemBox *box : ItemCBO)
        box->setItemId(0);
}

void Form5::LoadItems()
{
    const int index = ItemLST->currentRow();
    if (index < 0)
        return;
    const auto record = readRecord<DropRecord>(m_rom, index, m_snapshot);
    if (!record) {
        // The load ends without a word, but shows nothing of another record.
        clearRecord(ApplyCMD);
        for (ItemBox *box : ItemCBO)
            box->setItemId(-1);
        return;
    }
    ApplyCMD->setEnabled(true);

    TypingLimit::showText(INT01TXT, numberText(record->int01));
    Byte03TXT->setText(numberText(record->byte03));

    if (!isChanceClass(record->byte03)) {
        refuseRecord();
        return;
    }
    ItemOPT[record->byte03]->setChecked(true);
    ItemOPT_Click(record->byte03);
    // Tab enters the group at the chosen class, as after a click.
    for (QRadioButton *option : ItemOPT)
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
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
    record.int01 =
        std::int16_t(check.take("Unknown value:", INT01TXT->text().toStdString(), -32768, 32767));
    record.byte03 =
        std::uint8_t(check.take("Drop chance class:", Byte03TXT->text().toStdString(), 0, 255));
    if (!check.ok()) {
        warn(QString::fromStdString(check.message()));
        return;
    }
    for (std::size_t slot = 0; slot < ItemCBO.size(); ++slot)
        record.items[slot] = std::int16_t(ItemCBO[slot]->itemId());

    const ApplyResult result = applyWrites(m_rom, m_snapshot, recordWrites(index, record));
    if (!result.ok())
        warn(QString::fromStdString(result.message));
}

void Form5::ItemLST_Click()
{
    LoadItems();
}

void Form5::ItemOPT_Click(int chanceClass)
{
    Byte03TXT->setText(numberText(chanceClass));
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
    m_refused = true;
    m_desktop.showMessage(isVisible() ? this : parentWidget(), QString::fromUtf8(Version::title),
                          QString::fromUtf8(refusedRecordText), QMessageBox::Warning);
    reject();
}

void Form5::warn(const QString &text)
{
    m_desktop.showMessage(this, QString::fromUtf8(Version::title), text, QMessageBox::Warning);
}
