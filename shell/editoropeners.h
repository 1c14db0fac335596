#pragma once

#include <functional>

class Desktop;
class QWidget;
class RomFile;

// How the main window opens each editor: modally over it, created afresh,
// discarded on close. The entry point hands over the real editors; tests put
// stand-ins here. Which tree node and Features item opens which one is the
// main window's table (Form2Features.cpp).
using EditorOpener = std::function<void(QWidget *parent, RomFile &rom, Desktop &desktop)>;

struct EditorOpeners
{
    EditorOpener characters;   // "Character Stat Editor"
    EditorOpener monsterStats; // "Monster Stat Editor"
    EditorOpener monsterItems; // "Monster Item Editor"
};
