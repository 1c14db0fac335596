#include "characters/Form3.h"

Form3::Form3(RomFile &rom, Desktop &desktop, QWidget *parent)
    : QDialog(parent), m_rom(rom), m_desktop(desktop)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Character Stats Editor"));
}

void Form3::open(QWidget *parent, RomFile &rom, Desktop &desktop)
{
    Form3 window(rom, desktop, parent);
    window.exec();
}
