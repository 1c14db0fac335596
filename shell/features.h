#pragma once

#include <QtCore/qnamespace.h>
#include <functional>
#include <vector>

class Desktop;
class QWidget;
class RomFile;

// How the main window opens an editor: modally over it, created afresh,
// discarded on close.
using EditorOpener = std::function<void(QWidget *parent, RomFile &rom, Desktop &desktop)>;

enum class InMenu
{
    Shown,
    Greyed,
    Hidden // hidden items are also disabled
};

// One item of the Features menu, which lists more editors than the program
// has; a separator when it has no caption. An editor the program has also
// hangs in the main window's tree, as a node under its group's node, and the
// node and the item open it. The entry point, which knows the editors, hands
// the main window the whole menu, top to bottom.
struct Feature
{
    const char *action; // the menu item's name
    const char *caption = nullptr;
    Qt::Key ctrlKey = Qt::Key_unknown; // the shortcut, with Ctrl
    InMenu inMenu = InMenu::Shown;
    const char *node = nullptr;  // the editor's tree node
    const char *group = nullptr; // the node it hangs under
    EditorOpener open = {};
};
using Features = std::vector<Feature>;
