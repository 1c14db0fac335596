#pragma once

#include "core/romfile.h"
#include "shell/features.h"

#include <QMainWindow>

class Desktop;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

// The main window: the feature tree on the left, what is known about the open
// ROM file on the right. It owns the one open ROM file.
class Form2 : public QMainWindow
{
    Q_OBJECT

public:
    Form2(Desktop &desktop, Features features, QWidget *parent = nullptr);

    // Runs Form_Load, then shows the window unless the program ended meanwhile.
    void start();
    void Form_Load();

    RomFile &rom() { return m_rom; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    QAction *addMenuItem(QMenu *menu, const char *name, const QString &caption,
                         const QKeySequence &shortcut);
    void createFeaturesMenu(QMenu *menu);
    QString longestNodeText() const;

    void LoadTreeData();
    void LoadROM();
    void CloseROM();
    bool LoadROMIName();
    bool LoadROMFileSize(const QString &fileName);
    bool General_Info();
    void endProgram();
    void setAllExpanded(bool expanded, bool processEvents);

    void tree_NodeClick();
    void ExpandCHK_Click();
    void mnuAbout_Click();
    void openEditor(const EditorOpener &opener);

    Desktop &m_desktop;
    Features m_features;
    RomFile m_rom;
    QString m_dlgFileName; // the dialog keeps the previous choice after a cancel
    bool m_ended = false;

    QTreeWidget *tree = nullptr;
    QList<QTreeWidgetItem *> m_nodes; // in the order they were added
    QLabel *MainInfoLBL = nullptr;
    QCheckBox *ExpandCHK = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *ROMSizeLBL = nullptr;
    QAction *mnuOpenROM = nullptr;
    QAction *mnuCloseROM = nullptr;
    QAction *mnuSaveROM = nullptr;
};
