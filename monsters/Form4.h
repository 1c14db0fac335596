#pragma once

#include "monsters/monsterrecord.h"
#include "shell/EditorDialog.h"

#include <array>

class QGridLayout;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QuietProgressBar;
class QPushButton;

// The monster stats editor: pick a monster, see its stat record, edit the
// seven stats and write them straight back into the ROM file with "Apply".
class Form4 : public EditorDialog
{
    Q_OBJECT

public:
    Form4(RomFile &rom, Desktop &desktop, QWidget *parent = nullptr);

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
    QLineEdit *addBox(QGridLayout *grid, int row, int column, const char *name,
                      const QString &caption, int typingLimit);
    int selectedMonster() const;

    // The selected monster as last read.
    MonsterRecord m_record;

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
    // UNK01TXT..UNK07TXT, UNK09TXT..UNK11TXT
    std::array<QLineEdit *, MonsterField::unknowns.size()> m_unknownBoxes{};
    QuietProgressBar *pbar = nullptr;
    QPushButton *ApplyCMD = nullptr;
    QPushButton *CancelCMD = nullptr;
};
