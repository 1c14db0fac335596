#pragma once

#include "shell/EditorDialog.h"

class QButtonGroup;

// The monster item editor: steps through the drop records and writes the
// shown one back on "Apply". It closes itself over a record it cannot take.
class Form5 : public EditorDialog
{
    Q_OBJECT

public:
    Form5(RomFile &rom, Desktop &desktop, QWidget *parent = nullptr);

private:
    void createControls();

    void LoadItemIndexes();
    void LoadItems();
    void SaveItems();

    void ItemLST_Click();
    void ItemOPT_Click(int chanceClass); // Item01OPT..Item04OPT
    void ApplyCMD_Click();

    void refuseRecord();

    QListWidget *ItemLST = nullptr;
    QButtonGroup *m_chanceGroup = nullptr; // Item01OPT..Item04OPT: classes 0..3
};
