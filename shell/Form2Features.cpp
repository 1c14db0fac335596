// The feature tree and the Features menu of the main window, both built from
// the features it is given; a tree node opens its editor by the node's key.
#include "shell/Form2.h"

#include <QCheckBox>
#include <QMenu>
#include <QTreeWidget>

namespace {

// The tree's top-level nodes, in order; each editor's node follows its group's.
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

QString Form2::longestNodeText() const
{
    QString longest;
    const auto consider = [&longest](const char *text) {
        if (qsizetype(qstrlen(text)) > longest.size())
            longest = QLatin1String(text);
    };
    for (const Group &group : groups)
        consider(group.text);
    for (const Feature &feature : m_features)
        if (feature.node)
            consider(feature.caption);
    return longest;
}

void Form2::LoadTreeData()
{
    tree->clear();
    m_nodes.clear();
    for (const Group &group : groups) {
        QTreeWidgetItem *groupNode = addNode(tree, nullptr, group.key, group.text);
        m_nodes.append(groupNode);
        for (const Feature &feature : m_features)
            if (feature.node && qstrcmp(feature.group, group.key) == 0)
                m_nodes.append(addNode(tree, groupNode, feature.node, feature.caption));
    }
    setAllExpanded(true, false);
    ExpandCHK->setChecked(true);
}

void Form2::createFeaturesMenu(QMenu *menu)
{
    for (const Feature &feature : m_features) {
        if (!feature.caption) {
            menu->addSeparator()->setObjectName(QLatin1String(feature.action));
            continue;
        }
        QAction *action = addMenuItem(menu, feature.action, tr(feature.caption),
                                      QKeySequence(Qt::CTRL | feature.ctrlKey));
        action->setVisible(feature.inMenu != InMenu::Hidden);
        action->setEnabled(feature.inMenu == InMenu::Shown);
        if (feature.open)
            connect(action, &QAction::triggered, this,
                    [this, &open = feature.open] { openEditor(open); });
    }
}

void Form2::tree_NodeClick()
{
    const QTreeWidgetItem *node = tree->currentItem();
    if (!node || !m_rom.isOpen())
        return;
    for (const Feature &feature : m_features)
        if (feature.node && keyOf(node) == QLatin1String(feature.node))
            openEditor(feature.open);
}

void Form2::openEditor(const EditorOpener &opener)
{
    if (opener && m_rom.isOpen())
        opener(this, m_rom, m_desktop);
}
