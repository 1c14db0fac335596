#pragma once

#include "characters/characterrecord.h"
#include "shell/EditorDialog.h"

class QButtonGroup;

// The character stats editor: pick one of the 15 characters, edit its record,
// and "Apply" writes it straight into the ROM file.
class Form3 : public EditorDialog
{
    Q_OBJECT

public:
    Form3(RomFile &rom, Desktop &desktop, QWidget *parent = nullptr);

private:
    void createControls();

    void Form_Load();
    void CharLST_Click();
    void ApplyCMD_Click();
    void LoadCharData();
    void SaveCharData();
    void equipmentPicked(Slot slot, int position);

    QListWidget *CharLST = nullptr;
    QButtonGroup *m_handGroup = nullptr; // LHOPT, RHOPT, LROPT
};
