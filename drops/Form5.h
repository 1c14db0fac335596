#pragma once

#include "shell/EditorDialog.h"

#include <array>

class ItemBox;
class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The monster item editor: steps through the drop records and writes the
// shown one back on "Apply". It closes itself over a record it cannot take.
class Form5 : public EditorDialog
{
    Q_OBJECT

public:
    Form5(RomFile &rom, Desktop &desktop, QWidget *parent = nullptr);

private:
    void createControls();
    void arrangeControls();
    void connectControls();

    void LoadItemIndexes();
    void LoadItems();
    void SaveItems();

    void ItemLST_Click();
    void ItemOPT_Click(int chanceClass); // Item01OPT..Item04OPT
    void ApplyCMD_Click();
    void CancelCMD_Click();

    void refuseRecord();

    QListWidget *ItemLST = nullptr;
    QLineEdit *INT01TXT = nullptr;
    QLineEdit *Byte03TXT = nullptr;
    QButtonGroup *m_chanceGroup = nullptr;
    std::array<QRadioButton *, 4> ItemOPT{}; // Item01OPT..Item04OPT: classes 0..3
    std::array<ItemBox *, 4> ItemCBO{};      // Item01CBO..Item04CBO
    QPushButton *ApplyCMD = nullptr;
    QPushButton *CancelCMD = nullptr;
};
