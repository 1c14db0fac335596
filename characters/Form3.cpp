#include "characters/Form3.h"

#include "catalogue/ItemBox.h"
#include "catalogue/itemcatalogue.h"
#include "core/fieldcheck.h"
#include "shell/ShownRecordReload.h"
#include "shell/editorcontrols.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace EditorControls;

Form3::Form3(RomFile &rom, Desktop &desktop, QWidget *parent)
    : EditorDialog(rom, desktop, "Form3", QStringLiteral("Character Stats Editor"), parent)
{
    createControls();
    arrangeControls();
    connectControls();
    Form_Load();
}

void Form3::connectControls()
{
    connect(CharLST, &QListWidget::currentRowChanged, this, &Form3::CharLST_Click);
    new ShownRecordReload(
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
    const std::optional<CharacterRecord> read = readShownRecord<CharacterRecord>(index, ApplyCMD);
    if (!read) {
        // The load ends without a word, but shows nothing of another record.
        for (ItemBox *box : m_itemBoxes)
            box->setItemId(-1);
        return;
    }
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
    namespace F = CharacterField;
    const int index = CharLST->currentRow();
    if (index < 0)
        return;
    FieldCheck check;
    CharacterRecord record;
    record.level = take(check, LVTXT, F::level);
    record.hp = take(check, HPTXT, F::hp);
    record.mp = take(check, MPTXT, F::mp);
    for (std::size_t i = 0; i < m_statBoxes.size(); ++i)
        record.stats[i] = take(check, m_statBoxes[i], F::stats[i]);
    record.unknown = take(check, UNKTXT, F::unknown);
    record.exp = take(check, EXPTXT, F::exp);
    for (std::size_t i = 0; i < slotCount; ++i) {
        // No selection is -1, stored as FF FF; an id without an entry goes back as it came.
        record.equipment[i].itemId = std::int16_t(std::uint16_t(m_itemBoxes[i]->itemId()));
        record.equipment[i].amount = take(check, m_amountBoxes[i], F::amount[i]);
    }
    if (m_handGroup->checkedId() >= 0)
        record.hand = std::uint8_t(m_handGroup->checkedId());
    applyRecord(check, recordWrites(index, record));
}

void Form3::equipmentPicked(Slot slot, int position)
{
    // The amount byte is written after the id; showing the picked id's high byte
    // there keeps the picked item the one the file holds.
    if (amountSharesIdByte(slot) && position >= 0)
        showNumber(m_amountBoxes[std::size_t(slot)],
                   (ItemCatalogue::idForPosition(position) >> 8) & 0xFF);
}
