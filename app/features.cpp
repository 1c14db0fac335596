#include "app/features.h"

#include "characters/Form3.h"
#include "drops/Form5.h"
#include "monsters/Form4.h"

Features standardFeatures()
{
    return {
        {"mnuCharStat", "Character Stat Editor", Qt::Key_F1, InMenu::Shown, "Char-1", "c1",
         &openEditor<Form3>},
        {"mnuCharEq", "Character Equipment Editor", Qt::Key_F2, InMenu::Hidden},
        {"mnuCharMag", "Character Magic Editor", Qt::Key_F3, InMenu::Hidden},
        {"mnuCharMisc", "Character Miscellaneous Editor", Qt::Key_F4, InMenu::Hidden},
        {"mnuSep3"},
        {"mnuMonsterStat", "Monster Stat Editor", Qt::Key_F5, InMenu::Hidden, "Mon-1", "m1",
         &openEditor<Form4>},
        {"mnuMonsterItem", "Monster Item Editor", Qt::Key_F6, InMenu::Shown, "Mon-2", "m1",
         &openEditor<Form5>},
        {"mnuMonsterMisc", "Monster Miscellaneous Editor", Qt::Key_F7, InMenu::Hidden},
        {"mnuSep4"},
        {"mnuItem", "Item Editor", Qt::Key_F8, InMenu::Hidden},
        {"mnuMagic", "Magic Editor", Qt::Key_F9, InMenu::Hidden},
        {"mnuMiscEditors", "Miscellaneous Editors", Qt::Key_F11, InMenu::Greyed},
    };
}
