#include "drops/Form5.h"

Form5::Form5(RomFile &rom, Desktop &desktop, QWidget *parent)
    : QDialog(parent), m_rom(rom), m_desktop(desktop)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Monster Item Editor"));
}

void Form5::open(QWidget *parent, RomFile &rom, Desktop &desktop)
{
    Form5 window(rom, desktop, parent);
    window.exec();
}
