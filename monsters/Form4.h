#pragma once

#include "monsters/monsterrecord.h"
#include "shell/applywrites.h"

#include "shell/EditorDialog.h"

class Desktop;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class RomFile;

// The monster stats editor: pick a monster, see its stat record, edit the
// seven stats and write them straight back into the ROM file with "Apply".
class Form4 : public EditorDialog
{
    Q_OBJECT

public:
    Form4(RomFile &rom, Desktop &desktop, QWidget *parent = nullptr);

    // Creates the window afresh and shows it modally over parent.
    static void open(QWidget *parent, RomFile &rom, Desktop &desktop);

private:
    void SaveMonsterData();
    void LoadMonsterData();
    void LoadEXP();
    void LoadVesk();
    void LoadMonsters();

    void Form_Load();
    void MonsterLST_Click();
    void STRTXT_Change();
    void DEFTXT_Change();
    void MAGPowerTXT_Change();
    void MAGDEFTXT_Change();
    void EXPTXT_Change();
    void VeskTXT_Change();
    void ApplyCMD_Click();
    void CancelCMD_Click();

    void createControls();
    void arrangeControls();
    void connectControls();
    QLineEdit *addBox(QGridLayout *grid, int row, int column, const QString &name,
                      const QString &label, int typingLimit);
    QLineEdit *addUnknownBox(QGridLayout *grid, int row, const QString &name,
                             const RecordField &field);
    int selectedMonster() const;
    void warn(const QString &text);

    RomFile &m_rom;
    Desktop &m_desktop;
    // The selected monster as last read; the bytes on disk "Apply" checks against.
    MonsterRecord m_record;
    RecordSnapshot m_snapshot;

    QListWidget *MonsterLST = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLineEdit *NameTXT = nullptr;
    QLineEdit *HPTXT = nullptr;
    QLineEdit *EXPTXT = nullptr;
    QLineEdit *VeskTXT = nullptr;
    QLineEdit *STRTXT = nullptr;
    QLineEdit *DEFTXT = nullptr;
    QLineEdit *MAGPowerTXT = nullptr;
    QLineEdit *MAGDEFTXT = nullptr;
    QLineEdit *UNK01TXT = nullptr;
    QLineEdit *UNK02TXT = nullptr;
    QLineEdit *UNK03TXT = nullptr;
    QLineEdit *UNK04TXT = nullptr;
    QLineEdit *UNK05TXT = nullptr;
    QLineEdit *UNK06TXT = nullptr;
    QLineEdit *UNK07TXT = nullptr;
    QLineEdit *UNK09TXT = nullptr;
    QLineEdit *UNK10TXT = nullptr;
    QLineEdit *UNK11TXT = nullptr;
    QProgressBar *pbar = nullptr;
    QPushButton *ApplyCMD = nullptr;
    QPushButton *CancelCMD = nullptr;
};
