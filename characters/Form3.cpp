#include "characters/Form3.h"

#include "catalogue/itemcatalogue.h"
#include "shell/editorcontrols.h"

#include <QButtonGroup>
#include <QLineEdit>

using namespace EditorControls;
namespace F = CharacterField;

Form3::Form3(RomFile &rom, Desktop &desktop, QWidget *parent)
    : EditorDialog(rom, desktop, "Form3", QStringLiteral("Character Stats Editor"), parent)
{
    createControls();
    Form_Load();
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

void Form3::LoadCharData()
{
    const int index = shownIndex();
    if (index < 0)
        return clearRecord(); // the selection was cleared: nothing to write to
    // A record that cannot be read ends the load without a word, and clears the window.
    const std::optional<CharacterRecord> record = readShownRecord<CharacterRecord>(index);
    if (!record)
        return;
    showFields(*record);
    // Last, the primary hand; an unknown code leaves every option off, and the byte as it is.
    if (QAbstractButton *option = m_handGroup->button(*record->hand))
        option->setChecked(true);
    else
        uncheckAll(m_handGroup);
}

void Form3::SaveCharData()
{
    const int index = shownIndex();
    if (index < 0)
        return;
    CharacterRecord record;
    if (m_handGroup->checkedId() >= 0)
        record.hand = std::uint8_t(m_handGroup->checkedId());
    applyShown(index, record);
}

void Form3::equipmentPicked(Slot slot, int position)
{
    // The amount byte is written after the id; showing the picked id's high byte
    // there keeps the picked item the one the file holds.
    if (amountSharesIdByte(slot) && position >= 0)
        showNumber(boxFor(F::amount[std::size_t(slot)]),
                   (ItemCatalogue::idForPosition(position) >> 8) & 0xFF);
}
