#include "characters/Form3.h"

#include "catalogue/ItemBox.h"
#include "catalogue/itemcatalogue.h"
#include "characters/typinglimit.h"
#include "shell/desktop.h"
#include "shell/fieldcheck.h"
#include "shell/numbertext.h"
#include "shell/romfile.h"
#include "shell/windowfont.h"
#include "version.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

namespace {

constexpr std::array<const char *, 5> statNames = {"STRTXT", "AGITXT", "STAMTXT", "INTLTXT",
                                                   "SPIRTXT"};
constexpr std::array<const char *, 5> statLabels = {"STR:", "AGI:", "STAM:", "INT:", "SPIR:"};
constexpr std::array<const char *, slotCount> itemNames = {"RHCBO", "LHCBO", "HeadCBO", "BodyCBO",
                                                           "ArmCBO"};
constexpr std::array<const char *, slotCount> amountNames = {"RHAMTTXT", "LHAMTTXT", "HeadAMTTXT",
                                                             "BodyAMTTXT", "ArmAMTTXT"};
constexpr std::array<const char *, slotCount> slotLabels = {
    "R-Hand:", "L-Hand:", "Head:", "Body:", "Arms:"};
constexpr std::array<const char *, slotCount> amountLabels = {
    "R-Hand amount:", "L-Hand amount:", "Head amount:", "Body amount:", "Arms amount:"};

// Head, Body and Arms keep their amount in the high byte of the item id.
bool amountSharesIdByte(int slot)
{
    return slot >= int(Slot::Head);
}

// Pixel sizes at 96 dots per inch, from the window's design in twips.
constexpr int textBoxWidth = 55;
constexpr int amountBoxWidth = 23;
constexpr int itemBoxWidth = 149;
constexpr int buttonWidth = 99;

QLineEdit *textBox(QWidget *parent, const char *name, const QString &accessibleName, int limit)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    new TypingLimit(limit, box);
    return box;
}

QLabel *labelFor(QWidget *buddy, const char *text)
{
    auto *label = new QLabel(QString::fromLatin1(text), buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

// Wide enough for `characters` digits in the window's font, never narrower than designed.
int widthFor(const QLineEdit *box, int characters, int designed)
{
    const int text = box->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0')));
    return std::max(designed, text + 10);
}

void showNumber(QLineEdit *box, std::int64_t value)
{
    TypingLimit::showText(box, QString::fromStdString(NumberText::fromValue(value)));
}

} // namespace

Form3::Form3(RomFile &rom, Desktop &desktop, QWidget *parent)
    : QDialog(parent), m_rom(rom), m_desktop(desktop)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Character Stats Editor"));
    setFont(windowFont());
    createControls();
    arrangeControls();
    connectControls();
    Form_Load();
}

void Form3::open(QWidget *parent, RomFile &rom, Desktop &desktop)
{
    Form3 window(rom, desktop, parent);
    window.exec();
}

void Form3::createControls()
{
    CharLST = new QListWidget(this);
    CharLST->setObjectName(QStringLiteral("CharLST"));
    CharLST->setAccessibleName(QStringLiteral("Character list"));
    for (int index = 0; index < CharacterTable::count; ++index)
        CharLST->addItem(QStringLiteral("Charcter %1").arg(index + 1));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(QStringLiteral("Character record"));

    NameTXT = textBox(Frame1, "NameTXT", QStringLiteral("Name:"), 6);
    NameTXT->setEnabled(false);
    QPalette grey = NameTXT->palette();
    grey.setColor(QPalette::Base, QColor(192, 192, 192));
    NameTXT->setPalette(grey);
    LVTXT = textBox(Frame1, "LVTXT", QStringLiteral("LV:"), 6);
    EXPTXT = textBox(Frame1, "EXPTXT", QStringLiteral("EXP:"), 8);
    HPTXT = textBox(Frame1, "HPTXT", QStringLiteral("HP:"), 4);
    MPTXT = textBox(Frame1, "MPTXT", QStringLiteral("MP:"), 4);
    for (std::size_t i = 0; i < m_statBoxes.size(); ++i)
        m_statBoxes[i] = textBox(Frame1, statNames[i], QString::fromLatin1(statLabels[i]), 3);

    for (std::size_t i = 0; i < slotCount; ++i) {
        m_itemBoxes[i] = new ItemBox(Frame1);
        m_itemBoxes[i]->setObjectName(QString::fromLatin1(itemNames[i]));
        m_itemBoxes[i]->setAccessibleName(QString::fromLatin1(slotLabels[i]));
        m_amountBoxes[i] = textBox(Frame1, amountNames[i], QString::fromLatin1(amountLabels[i]), 2);
        // The game keeps these amounts in the item id; they follow the item picked.
        m_amountBoxes[i]->setEnabled(!amountSharesIdByte(int(i)));
    }

    LHOPT = new QRadioButton(QStringLiteral("Left Handed"), Frame1);
    RHOPT = new QRadioButton(QStringLiteral("Right Handed"), Frame1);
    LROPT = new QRadioButton(QStringLiteral("Ambidextrous"), Frame1);
    m_handGroup = new QButtonGroup(this);
    m_handGroup->addButton(RHOPT, 0);
    m_handGroup->addButton(LHOPT, 1);
    m_handGroup->addButton(LROPT, 2);
    for (QRadioButton *option : {LHOPT, RHOPT, LROPT}) {
        option->installEventFilter(this);
        option->setAccessibleName(option->text());
        option->setAccessibleDescription(QStringLiteral("Primary Hand"));
    }
    LHOPT->setObjectName(QStringLiteral("LHOPT"));
    RHOPT->setObjectName(QStringLiteral("RHOPT"));
    LROPT->setObjectName(QStringLiteral("LROPT"));

    UNKTXT = textBox(Frame1, "UNKTXT", QStringLiteral("Unknown:"), 3);

    ApplyCMD = new QPushButton(QStringLiteral("Apply"), this);
    ApplyCMD->setObjectName(QStringLiteral("ApplyCMD"));
    CancelCMD = new QPushButton(QStringLiteral("Cancel"), this);
    CancelCMD->setObjectName(QStringLiteral("CancelCMD"));
    for (QPushButton *button : {ApplyCMD, CancelCMD}) {
        button->setAccessibleName(button->text());
        // Enter in a text box must neither apply nor cancel by surprise; see keyPressEvent.
        button->setAutoDefault(false);
        button->setMinimumWidth(buttonWidth);
    }
}

void Form3::arrangeControls()
{
    auto *fields = new QGridLayout;
    fields->setVerticalSpacing(2);
    const std::array<std::pair<QLineEdit *, const char *>, 10> column = {{
        {NameTXT, "Name:"},
        {LVTXT, "LV:"},
        {EXPTXT, "EXP:"},
        {HPTXT, "HP:"},
        {MPTXT, "MP:"},
        {m_statBoxes[0], statLabels[0]},
        {m_statBoxes[1], statLabels[1]},
        {m_statBoxes[2], statLabels[2]},
        {m_statBoxes[3], statLabels[3]},
        {m_statBoxes[4], statLabels[4]},
    }};
    // One width for the column: eight digits, the most the user can type for EXP.
    const int width = widthFor(EXPTXT, 8, textBoxWidth);
    for (std::size_t row = 0; row < column.size(); ++row) {
        fields->addWidget(labelFor(column[row].first, column[row].second), int(row), 0);
        fields->addWidget(column[row].first, int(row), 1);
        column[row].first->setFixedWidth(width);
    }
    fields->setRowStretch(int(column.size()), 1);

    auto *equipment = new QGridLayout;
    equipment->setVerticalSpacing(2);
    for (std::size_t i = 0; i < slotCount; ++i) {
        const int row = int(i);
        equipment->addWidget(labelFor(m_itemBoxes[i], slotLabels[i]), row, 0);
        equipment->addWidget(m_itemBoxes[i], row, 1);
        m_itemBoxes[i]->setMinimumWidth(itemBoxWidth);
        equipment->addWidget(m_amountBoxes[i], row, 3);
        // A loaded amount can have three digits.
        m_amountBoxes[i]->setFixedWidth(widthFor(m_amountBoxes[i], 3, amountBoxWidth));
    }
    auto *line = new QFrame(Frame1);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    equipment->addWidget(line, 0, 2, slotCount, 1);

    auto *handLabel = labelFor(LHOPT, "Primary Hand:");
    equipment->addWidget(handLabel, slotCount, 0);
    equipment->addWidget(LHOPT, slotCount, 1, 1, 3, Qt::AlignLeft);
    equipment->addWidget(RHOPT, slotCount + 1, 1, 1, 3, Qt::AlignLeft);
    equipment->addWidget(LROPT, slotCount + 2, 1, 1, 3, Qt::AlignLeft);
    equipment->addWidget(labelFor(UNKTXT, "Unknown:"), slotCount + 3, 0);
    equipment->addWidget(UNKTXT, slotCount + 3, 1, Qt::AlignLeft);
    UNKTXT->setFixedWidth(width);
    equipment->setRowStretch(slotCount + 4, 1);

    auto *frame = new QHBoxLayout(Frame1);
    frame->setContentsMargins(8, 8, 8, 8);
    frame->setSpacing(12);
    frame->addLayout(fields);
    frame->addLayout(equipment);

    CharLST->setFixedWidth(97);
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

    QWidget *order[] = {CharLST,
                        NameTXT,
                        LVTXT,
                        EXPTXT,
                        HPTXT,
                        MPTXT,
                        m_statBoxes[0],
                        m_statBoxes[1],
                        m_statBoxes[2],
                        m_statBoxes[3],
                        m_statBoxes[4],
                        m_itemBoxes[0],
                        m_amountBoxes[0],
                        m_itemBoxes[1],
                        m_amountBoxes[1],
                        m_itemBoxes[2],
                        m_amountBoxes[2],
                        m_itemBoxes[3],
                        m_amountBoxes[3],
                        m_itemBoxes[4],
                        m_amountBoxes[4],
                        LHOPT,
                        RHOPT,
                        LROPT,
                        CancelCMD,
                        ApplyCMD,
                        UNKTXT};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form3::connectControls()
{
    connect(CharLST, &QListWidget::currentRowChanged, this, &Form3::CharLST_Click);
    // A click on the entry already shown loads it again, as after an outside change.
    CharLST->viewport()->installEventFilter(this);
    connect(CharLST, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (CharLST->row(item) == m_rowAtPress)
            CharLST_Click();
    });
    for (std::size_t i = 0; i < slotCount; ++i) {
        const Slot slot = Slot(i);
        connect(m_itemBoxes[i], &QComboBox::activated, this,
                [this, slot](int position) { equipmentPicked(slot, position); });
    }
    connect(ApplyCMD, &QPushButton::clicked, this, &Form3::ApplyCMD_Click);
    connect(CancelCMD, &QPushButton::clicked, this, &Form3::CancelCMD_Click);
}

void Form3::Form_Load()
{
    CharLST->setCurrentRow(0);
}

void Form3::CharLST_Click()
{
    LoadCharData();
}

void Form3::ApplyCMD_Click()
{
    SaveCharData();
}

void Form3::CancelCMD_Click()
{
    reject();
}

void Form3::LoadCharData()
{
    const int index = CharLST->currentRow();
    if (index < 0)
        return;
    CharacterRecord record;
    if (!m_snapshot.take(m_rom, CharacterTable::recordOffset(index), CharacterTable::recordSize) ||
        !readCharacter(m_rom, index, record)) {
        // Nothing shown belongs to this record, so "Apply" must not write it.
        m_snapshot = RecordSnapshot();
        return;
    }
    showNumber(LVTXT, record.level);
    showNumber(HPTXT, record.hp);
    showNumber(MPTXT, record.mp);
    for (std::size_t i = 0; i < m_statBoxes.size(); ++i)
        showNumber(m_statBoxes[i], record.stats[i]);
    showNumber(UNKTXT, record.unknown);
    showNumber(EXPTXT, record.exp);
    for (std::size_t i = 0; i < slotCount; ++i) {
        m_itemBoxes[i]->setItemId(record.equipment[i].itemId);
        showNumber(m_amountBoxes[i], record.equipment[i].amount);
    }
    if (QAbstractButton *option = m_handGroup->button(*record.hand)) {
        option->setChecked(true);
    } else {
        // An unknown hand code: no option, and "Apply" leaves the byte alone.
        m_handGroup->setExclusive(false);
        for (QAbstractButton *button : m_handGroup->buttons())
            button->setChecked(false);
        m_handGroup->setExclusive(true);
    }
}

void Form3::SaveCharData()
{
    const int index = CharLST->currentRow();
    if (index < 0)
        return;
    constexpr std::int64_t i16min = std::numeric_limits<std::int16_t>::min();
    constexpr std::int64_t i16max = std::numeric_limits<std::int16_t>::max();
    constexpr std::int64_t i32min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t i32max = std::numeric_limits<std::int32_t>::max();
    FieldCheck check;
    const auto take = [&check](const QLineEdit *box, std::int64_t min, std::int64_t max) {
        return check.take(box->accessibleName().toStdString(), box->text().toStdString(), min, max);
    };
    CharacterRecord record;
    record.level = std::uint8_t(take(LVTXT, 0, 255));
    record.hp = std::int16_t(take(HPTXT, i16min, i16max));
    record.mp = std::int16_t(take(MPTXT, i16min, i16max));
    for (std::size_t i = 0; i < m_statBoxes.size(); ++i)
        record.stats[i] = std::uint8_t(take(m_statBoxes[i], 0, 255));
    record.unknown = std::uint8_t(take(UNKTXT, 0, 255));
    record.exp = std::int32_t(take(EXPTXT, i32min, i32max));
    for (std::size_t i = 0; i < slotCount; ++i) {
        // No selection is -1, stored as FF FF; an id without an entry goes back as it came.
        record.equipment[i].itemId = std::int16_t(std::uint16_t(m_itemBoxes[i]->itemId()));
        record.equipment[i].amount = std::uint8_t(take(m_amountBoxes[i], 0, 255));
    }
    if (m_handGroup->checkedId() >= 0)
        record.hand = std::uint8_t(m_handGroup->checkedId());
    if (!check.ok()) {
        warn(QString::fromStdString(check.message()));
        return;
    }
    const ApplyResult result = applyWrites(m_rom, m_snapshot, characterWrites(index, record));
    if (!result.ok())
        warn(QString::fromStdString(result.message));
}

void Form3::equipmentPicked(Slot slot, int position)
{
    // The amount byte is written after the id; showing the picked id's high byte
    // there keeps the picked item the one the file holds.
    const int i = int(slot);
    if (amountSharesIdByte(i) && position >= 0)
        showNumber(m_amountBoxes[std::size_t(i)],
                   (ItemCatalogue::idForPosition(position) >> 8) & 0xFF);
}

void Form3::warn(const QString &text)
{
    m_desktop.showMessage(this, QString::fromUtf8(Version::title), text, QMessageBox::Warning);
}

void Form3::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the button that has the focus, and nothing else.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == CharLST->viewport() && event->type() == QEvent::MouseButtonPress)
        m_rowAtPress = CharLST->currentRow();
    // Tabbing into the options lands on the selected one, as on the Windows desktop.
    if (event->type() == QEvent::FocusIn && m_handGroup->buttons().contains(watched)) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        QAbstractButton *checked = m_handGroup->checkedButton();
        if (checked && checked != watched &&
            (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            checked->setFocus(reason);
    }
    return QDialog::eventFilter(watched, event);
}
