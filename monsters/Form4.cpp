#include "monsters/Form4.h"

#include "core/numbertext.h"
#include "core/romfile.h"
#include "shell/QuietProgressBar.h"
#include "shell/pendingevents.h"

#include <QLineEdit>

namespace F = MonsterField;

Form4::Form4(RomFile &rom, Desktop &desktop, QWidget *parent)
    : EditorDialog(rom, desktop, "Form4", QStringLiteral("Monster Stats Editor"), parent)
{
    createControls();
    // The change rules, each capping its box at its field's maximum.
    const std::pair<const RecordField &, void (Form4::*)()> rules[] = {
        {F::str, &Form4::STRTXT_Change},           {F::def, &Form4::DEFTXT_Change},
        {F::magPower, &Form4::MAGPowerTXT_Change}, {F::magDef, &Form4::MAGDEFTXT_Change},
        {F::exp, &Form4::EXPTXT_Change},           {F::vesk, &Form4::VeskTXT_Change}};
    for (const auto &[field, rule] : rules)
        connect(boxFor(field), &QLineEdit::textChanged, this, rule);
    Form_Load();
    MonsterLST->setFocus();
}

// ---- Records ----

void Form4::SaveMonsterData()
{
    const int n = shownIndex();
    if (n >= 0)
        applyShown(n, MonsterRecord());
}

void Form4::LoadMonsterData()
{
    const int n = shownIndex();
    const auto record = readShownRecord<MonsterRecord>(n);
    if (!record) {
        warn(QStringLiteral("Monster %1 could not be read from the ROM file.\n\n%2")
                 .arg(QString::number(n), QString::fromStdString(m_rom.errorString())));
        return;
    }
    m_record = *record;
    showFields(m_record);
    LoadEXP();
    LoadVesk();
}

void Form4::LoadEXP()
{
    showField(F::exp, m_record.exp);
}

void Form4::LoadVesk()
{
    showField(F::vesk, m_record.vesk);
}

void Form4::LoadMonsters()
{
    MonsterLST->clear();
    pbar->show();
    for (int n = 0; n < MonsterRecord::table.count; ++n) {
        MonsterLST->addItem(QStringLiteral("Monster #: %1").arg(n));
        pbar->showValue(n);
        // Let the bar paint; input waits, so no other window acts in the middle of the fill.
        letPendingEventsRun(QEventLoop::ExcludeUserInputEvents);
    }
    pbar->hide();
}

// ---- Handlers ----

void Form4::Form_Load()
{
    LoadMonsters();
}

void Form4::MonsterLST_Click()
{
    if (shownIndex() >= 0)
        LoadMonsterData();
    else
        clearRecord(); // the selection was cleared (Ctrl+click): nothing to write to
}

// A number above the field's maximum becomes the maximum. Anything else, an
// empty text or one that is no number included, is left alone until "Apply"
// checks it.
void Form4::capAtMaximum(const RecordField &field)
{
    QLineEdit *box = boxFor(field);
    if (NumberText::isAbove(box->text().toStdString(), field.maximum()))
        box->setText(QString::number(field.maximum()));
}

void Form4::STRTXT_Change()
{
    capAtMaximum(F::str);
}

void Form4::DEFTXT_Change()
{
    capAtMaximum(F::def);
}

void Form4::MAGPowerTXT_Change()
{
    capAtMaximum(F::magPower);
}

void Form4::MAGDEFTXT_Change()
{
    capAtMaximum(F::magDef);
}

void Form4::EXPTXT_Change()
{
    capAtMaximum(F::exp);
}

void Form4::VeskTXT_Change()
{
    capAtMaximum(F::vesk);
}

void Form4::ApplyCMD_Click()
{
    SaveMonsterData();
}
