#pragma once

#include "monsters/monsterrecord.h"
#include "shell/EditorDialog.h"

class QuietProgressBar;

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

    void createControls();
    void capAtMaximum(const RecordField &field);

    // The selected monster as last read.
    MonsterRecord m_record;

    QListWidget *MonsterLST = nullptr;
    QuietProgressBar *pbar = nullptr;
};
