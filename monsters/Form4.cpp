#include "monsters/Form4.h"

#include "core/fieldcheck.h"
#include "core/numbertext.h"
#include "core/romfile.h"
#include "shell/QuietProgressBar.h"
#include "shell/ShownRecordReload.h"
#include "shell/editorcontrols.h"
#include "shell/pendingevents.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace EditorControls;

namespace {

constexpr int byteCap = 255;
constexpr int wordCap = 65535;

// The change rule of the capped boxes: a number above the cap becomes the cap.
// Anything else, an empty text or one that is no number included, is left
// alone until "Apply" checks it.
void capAt(QLineEdit *box, int cap)
{
    if (NumberText::isAbove(box->text().toStdString(), cap))
        box->setText(QString::number(cap));
}

} // namespace

Form4::Form4(RomFile &rom, Desktop &desktop, QWidget *parent)
    : EditorDialog(rom, desktop, "Form4", QStringLiteral("Monster Stats Editor"), parent)
{
    createControls();
    arrangeControls();
    connectControls();
    Form_Load();
    MonsterLST->setFocus();
}

void Form4::connectControls()
{
    connect(MonsterLST, &QListWidget::itemSelectionChanged, this, &Form4::MonsterLST_Click);
    new ShownRecordReload(
        MonsterLST, [this] { return selectedMonster(); }, [this] { MonsterLST_Click(); });
    connect(STRTXT, &QLineEdit::textChanged, this, &Form4::STRTXT_Change);
    connect(DEFTXT, &QLineEdit::textChanged, this, &Form4::DEFTXT_Change);
    connect(MAGPowerTXT, &QLineEdit::textChanged, this, &Form4::MAGPowerTXT_Change);
    connect(MAGDEFTXT, &QLineEdit::textChanged, this, &Form4::MAGDEFTXT_Change);
    connect(EXPTXT, &QLineEdit::textChanged, this, &Form4::EXPTXT_Change);
    connect(VeskTXT, &QLineEdit::textChanged, this, &Form4::VeskTXT_Change);
    connect(ApplyCMD, &QPushButton::clicked, this, &Form4::ApplyCMD_Click);
    connect(CancelCMD, &QPushButton::clicked, this, &Form4::CancelCMD_Click);
}

int Form4::selectedMonster() const
{
    const auto rows = MonsterLST->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

// ---- Records ----

void Form4::SaveMonsterData()
{
    namespace F = MonsterField;
    const int n = selectedMonster();
    if (n < 0)
        return;
    FieldCheck check;
    MonsterRecord record;
    record.hp = take(check, HPTXT, F::hp);
    // -32768..-1 wrap to their 16-bit two's complement.
    record.exp = std::uint16_t(take(check, EXPTXT, MonsterRecord::wordMin, MonsterRecord::wordMax));
    record.vesk =
        std::uint16_t(take(check, VeskTXT, MonsterRecord::wordMin, MonsterRecord::wordMax));
    record.str = take(check, STRTXT, F::str);
    record.def = take(check, DEFTXT, F::def);
    record.magDef = take(check, MAGDEFTXT, F::magDef);
    record.magPower = take(check, MAGPowerTXT, F::magPower);
    applyRecord(check, recordWrites(n, record));
}

void Form4::LoadMonsterData()
{
    const int n = selectedMonster();
    const auto record = readShownRecord<MonsterRecord>(n, ApplyCMD);
    if (!record) {
        warn(QStringLiteral("Monster %1 could not be read from the ROM file.\n\n%2")
                 .arg(QString::number(n), QString::fromStdString(m_rom.errorString())));
        return;
    }
    m_record = *record;
    showNumber(HPTXT, m_record.hp);
    showNumber(STRTXT, m_record.str);
    showNumber(DEFTXT, m_record.def);
    showNumber(MAGPowerTXT, m_record.magPower);
    showNumber(MAGDEFTXT, m_record.magDef);
    for (std::size_t i = 0; i < m_unknownBoxes.size(); ++i)
        showNumber(m_unknownBoxes[i], m_record.unknowns[i]);
    LoadEXP();
    LoadVesk();
}

void Form4::LoadEXP()
{
    showNumber(EXPTXT, m_record.exp);
}

void Form4::LoadVesk()
{
    showNumber(VeskTXT, m_record.vesk);
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
    if (selectedMonster() >= 0)
        LoadMonsterData();
    else
        clearRecord(ApplyCMD); // the selection was cleared (Ctrl+click): nothing to write to
}

void Form4::STRTXT_Change()
{
    capAt(STRTXT, byteCap);
}

void Form4::DEFTXT_Change()
{
    capAt(DEFTXT, byteCap);
}

void Form4::MAGPowerTXT_Change()
{
    capAt(MAGPowerTXT, byteCap);
}

void Form4::MAGDEFTXT_Change()
{
    capAt(MAGDEFTXT, byteCap);
}

void Form4::EXPTXT_Change()
{
    capAt(EXPTXT, wordCap);
}

void Form4::VeskTXT_Change()
{
    capAt(VeskTXT, wordCap);
}

void Form4::ApplyCMD_Click()
{
    SaveMonsterData();
}

void Form4::CancelCMD_Click()
{
    reject();
}
