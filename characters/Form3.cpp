#include "characters/Form3.h"

#include "catalogue/ItemBox.h"
#include "catalogue/itemcatalogue.h"
#include "shell/TypingLimit.h"
#include "shell/desktop.h"
#include "shell/fieldcheck.h"
#include "shell/numbertext.h"
#include "shell/romfile.h"
#include "shell/windowfont.h"
#include "version.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <limits>

namespace {

void showNumber(QLineEdit *box, std::int64_t value)
{
    TypingLimit::showText(box, QString::fromStdString(NumberText::fromValue(value)));
}

} // namespace

Form3::Form3(RomFile &rom, Desktop &desktop, QWidget *parent)
    : EditorDialog(parent), m_rom(rom), m_desktop(desktop)
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

void Form3::connectControls()
{
    connect(CharLST, &QListWidget::currentRowChanged, this, &Form3::CharLST_Click);
    watchRecordList(
        CharLST, [this] { return CharLST->currentRow(); }, [this] { CharLST_Click(); });
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
    const std::optional<CharacterRecord> read =
        readRecord<CharacterRecord>(m_rom, index, m_snapshot);
    if (!read) {
        // The load ends without a word, but shows nothing of another record.
        clearRecord(ApplyCMD);
        for (ItemBox *box : m_itemBoxes)
            box->setItemId(-1);
        return;
    }
    ApplyCMD->setEnabled(true);
    const CharacterRecord &record = *read;
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
    if (QAbstractButton *option = m_handGroup->button(*record.hand))
        option->setChecked(true);
    else
        uncheckAll(m_handGroup); // an unknown hand code: "Apply" leaves the byte alone
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
    const ApplyResult result = applyWrites(m_rom, m_snapshot, recordWrites(index, record));
    if (!result.ok())
        warn(QString::fromStdString(result.message));
}

void Form3::equipmentPicked(Slot slot, int position)
{
    // The amount byte is written after the id; showing the picked id's high byte
    // there keeps the picked item the one the file holds.
    if (amountSharesIdByte(slot) && position >= 0)
        showNumber(m_amountBoxes[std::size_t(slot)],
                   (ItemCatalogue::idForPosition(position) >> 8) & 0xFF);
}

void Form3::warn(const QString &text)
{
    m_desktop.showMessage(this, QString::fromUtf8(Version::title), text, QMessageBox::Warning);
}

bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    // Tabbing into the options lands on the selected one, as on the Windows desktop.
    if (event->type() == QEvent::FocusIn && m_handGroup->buttons().contains(watched)) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        QAbstractButton *checked = m_handGroup->checkedButton();
        if (checked && checked != watched &&
            (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            checked->setFocus(reason);
    }
    return EditorDialog::eventFilter(watched, event);
}
