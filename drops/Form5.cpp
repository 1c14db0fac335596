#include "drops/Form5.h"

#include "drops/droprecord.h"
#include "shell/editorcontrols.h"
#include "shell/pendingevents.h"

#include <QButtonGroup>

using namespace EditorControls;
namespace F = DropField;

namespace {

const char *const refusedRecordText =
    "You have loaded a NON US ROM or put in a value more than 3 in this offset, please "
    "correct this or restore the US ROM.";

} // namespace

Form5::Form5(RomFile &rom, Desktop &desktop, QWidget *parent)
    : EditorDialog(rom, desktop, "Form5", QStringLiteral("Monster Item Editor"), parent)
{
    createControls();
    LoadItemIndexes();
    // Whatever turns an option on (mouse, keyboard, a screen reader's action)
    // sets the class that "Apply" writes.
    connect(m_chanceGroup, &QButtonGroup::idToggled, this, [this](int chanceClass, bool on) {
        if (on)
            ItemOPT_Click(chanceClass);
    });
    ItemLST->setCurrentRow(0);
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
    for (const auto &item : F::items)
        showField(item, 0);
}

void Form5::LoadItems()
{
    const int index = shownIndex();
    if (index < 0)
        return clearRecord(); // the selection was cleared: nothing to write to
    // A record that cannot be read ends the load without a word, and clears the window.
    const auto record = readShownRecord<DropRecord>(index);
    if (!record)
        return;
    showField(F::unknown, record->unknown);
    showField(F::chanceClass, record->chanceClass);
    if (!isChanceClass(record->chanceClass))
        return refuseRecord();
    m_chanceGroup->button(record->chanceClass)->setChecked(true);
    ItemOPT_Click(record->chanceClass);
    showFields(*record);
}

void Form5::SaveItems()
{
    const int index = shownIndex();
    if (index >= 0)
        applyShown(index, DropRecord());
}

void Form5::ItemLST_Click()
{
    LoadItems();
}

void Form5::ItemOPT_Click(int chanceClass)
{
    showField(F::chanceClass, chanceClass);
}

void Form5::ApplyCMD_Click()
{
    SaveItems();
}

// A chance class above 3: the table is not one this editor knows. Show no
// class, say so, and close; while opening, the window never shows.
void Form5::refuseRecord()
{
    uncheckAll(m_chanceGroup);
    warn(QString::fromUtf8(refusedRecordText));
    closeWhileOpening();
}
