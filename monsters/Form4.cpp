#include "monsters/Form4.h"

Form4::Form4(RomFile &rom, Desktop &desktop, QWidget *parent)
    : QDialog(parent), m_rom(rom), m_desktop(desktop)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Monster Stats Editor"));
}

void Form4::open(QWidget *parent, RomFile &rom, Desktop &desktop)
{
    Form4 window(rom, desktop, parent);
    window.exec();
}
