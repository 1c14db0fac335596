// The feature tree and the Features menu of the main window, both built from
// one table; a tree node opens its editor by the node's key.
#include "shell/Form2.h"

#include <QCheckBox>
#include <QMenu>
#include <QTreeWidget>

namespace {

enum class InMenu
{
    Shown,
    Greyed,
    Hidden // hidden items are also disabled
};

// The Features menu, top to bottom; it lists more editors than the program
// has. Those it has hang in the tree too, under their group's node, and open
// by their opener.
struct Feature
{
    const char *action; // the menu item's name; a separator when it has no caption
    const char *caption = nullptr;
    Qt::Key ctrlKey = Qt::Key_unknown; // the shortcut, with Ctrl
    InMenu inMenu = InMenu::Shown;
    const char *key = nullptr;   // the editor's tree node
    const char *group = nullptr; // the node it hangs under
    EditorOpener EditorOpeners::*opener = nullptr;
};

const Feature features[] = {
    {"mnuCharStat", "Character Stat Editor", Qt::Key_F1, InMenu::Shown, "Char-1", "c1",
     &EditorOpeners::characters},
    {"mnuCharEq", "Character Equipment Editor", Qt::Key_F2, InMenu::Hidden},
    {"mnuCharMag", "Character Magic Editor", Qt::Key_F3, InMenu::Hidden},
    {"mnuCharMisc", "Character Miscellaneous Editor", Qt::Key_F4, InMenu::Hidden},
    {"mnuSep3"},
    {"mnuMonsterStat", "Monster Stat Editor", Qt::Key_F5, InMenu::Hidden, "Mon-1", "m1",
     &EditorOpeners::monsterStats},
    {"mnuMonsterItem", "Monster Item Editor", Qt::Key_F6, InMenu::Shown, "Mon-2", "m1",
     &EditorOpeners::monsterItems},
    {"mnuMonsterMisc", "Monster Miscellaneous Editor", Qt::Key_F7, InMenu::Hidden},
    {"mnuSep4"},
    {"mnuItem", "Item Editor", Qt::Key_F8, InMenu::Hidden},
    {"mnuMagic", "Magic Editor", Qt::Key_F9, InMenu::Hidden},
    {"mnuMiscEditors", "Miscellaneous Editors", Qt::Key_F11, InMenu::Greyed},
};

// The tree's top-level nodes, in order; the editors hang under them.
struct Group
{
    const char *key;
    const char *text;
};
const Group groups[] = {
    {"pvi1", "Program Version Information"},
    {"i1", "Information"},
    {"c1", "Characters:"},
    {"m1", "Monsters:"},
    {"g1", "General:"},
};

QString keyOf(const QTreeWidgetItem *node)
{
    return node->data(0, Qt::UserRole).toString();
}

QTreeWidgetItem *addNode(QTreeWidget *tree, QTreeWidgetItem *parent, const char *key,
                         const char *text)
{
    auto *node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    node->setText(0, QLatin1String(text));
    node->setData(0, Qt::UserRole, QLatin1String(key));
    return node;
}

} // namespace

QString Form2::longestNodeText()
{
    QString longest;
    const auto consider = [&longest](const char *text) {
        if (qsizetype(qstrlen(text)) > longest.size())
            longest = QLatin1String(text);
    };
    for (const Group &group : groups)
        consider(group.text);
    for (const Feature &feature : features)
        if (feature.key)
            consider(feature.caption);
    return longest;
}

void Form2::LoadTreeData()
{
    tree->clear();
    m_nodes.clear();
    for (const Group &group : groups)
        m_nodes.append(addNode(tree, nullptr, group.key, group.text));
    const QList<QTreeWidgetItem *> groupNodes = m_nodes;
    for (const Feature &feature : features) {
        for (QTreeWidgetItem *group : groupNodes) {
            if (feature.key && keyOf(group) == QLatin1String(feature.group))
                m_nodes.append(addNode(tree, group, feature.key, feature.caption));
        }
    }
    setAllExpanded(true, false);
    ExpandCHK->setChecked(true);
}

void Form2::createFeaturesMenu(QMenu *menu)
{
    for (const Feature &feature : features) {
        if (!feature.caption) {
            menu->addSeparator()->setObjectName(QLatin1String(feature.action));
            continue;
        }
        QAction *action = addMenuItem(menu, feature.action, tr(feature.caption),
                                      QKeySequence(Qt::CTRL | feature.ctrlKey));
        action->setVisible(feature.inMenu != InMenu::Hidden);
        action->setEnabled(feature.inMenu == InMenu::Shown);
        if (feature.opener)
            connect(action, &QAction::triggered, this,
                    [this, opener = feature.opener] { openEditor(m_editors.*opener); });
    }
}

void Form2::tree_NodeClick()
{
    const QTreeWidgetItem *node = tree->currentItem();
    if (!node || !m_rom.isOpen())
        return;
    for (const Feature &feature : features) {
        if (feature.key && keyOf(node) == QLatin1String(feature.key))
            openEditor(m_editors.*feature.opener);
    }
}

void Form2::openEditor(const EditorOpener &opener)
{
    if (opener && m_rom.isOpen())
        opener(this, m_rom, m_desktop);
}
