#pragma once

#include "shell/applywrites.h"

#include "shell/EditorDialog.h"
#include <array>

class Desktop;
class ItemBox;
class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class RomFile;

// The monster item editor: steps through the drop records and writes the
// shown one back on "Apply".
class Form5 : public EditorDialog
{
    Q_OBJECT

public:
    Form5(RomFile &rom, Desktop &desktop, QWidget *parent = nullptr);

    // Creates the window afresh and shows it modally over parent, unless the
    // first record is refused while it opens.
    static void open(QWidget *parent, RomFile &rom, Desktop &desktop);

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
    void warn(const QString &text);

    RomFile &m_rom;
    Desktop &m_desktop;
    RecordSnapshot m_snapshot;
    bool m_refused = false;

    QListWidget *ItemLST = nullptr;
    QLineEdit *INT01TXT = nullptr;
    QLineEdit *Byte03TXT = nullptr;
    QButtonGroup *m_chanceGroup = nullptr;
    std::array<QRadioButton *, 4> ItemOPT{}; // Item01OPT..Item04OPT: classes 0..3
    std::array<ItemBox *, 4> ItemCBO{};      // Item01CBO..Item04CBO
    QPushButton *ApplyCMD = nullptr;
    QPushButton *CancelCMD = nullptr;
};
