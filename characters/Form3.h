#pragma once

#include "characters/characterrecord.h"
#include "shell/EditorDialog.h"

#include <array>

class ItemBox;
class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The character stats editor: pick one of the 15 characters, edit its record,
// and "Apply" writes it straight into the ROM file.
class Form3 : public EditorDialog
{
    Q_OBJECT

public:
    Form3(RomFile &rom, Desktop &desktop, QWidget *parent = nullptr);

private:
    void createControls();
    void arrangeControls();
    void connectControls();

    void Form_Load();
    void CharLST_Click();
    void ApplyCMD_Click();
    void CancelCMD_Click();
    void LoadCharData();
    void SaveCharData();
    void equipmentPicked(Slot slot, int position);

    QListWidget *CharLST = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLineEdit *NameTXT = nullptr;
    QLineEdit *LVTXT = nullptr;
    QLineEdit *EXPTXT = nullptr;
    QLineEdit *HPTXT = nullptr;
    QLineEdit *MPTXT = nullptr;
    std::array<QLineEdit *, 5> m_statBoxes{};           // STRTXT, AGITXT, STAMTXT, INTLTXT, SPIRTXT
    std::array<ItemBox *, slotCount> m_itemBoxes{};     // RHCBO, LHCBO, HeadCBO, BodyCBO, ArmCBO
    std::array<QLineEdit *, slotCount> m_amountBoxes{}; // RHAMTTXT ... ArmAMTTXT
    QRadioButton *LHOPT = nullptr;
    QRadioButton *RHOPT = nullptr;
    QRadioButton *LROPT = nullptr;
    QButtonGroup *m_handGroup = nullptr;
    QLineEdit *UNKTXT = nullptr;
    QPushButton *ApplyCMD = nullptr;
    QPushButton *CancelCMD = nullptr;
};
