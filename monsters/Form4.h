#pragma once

#include <QDialog>

class Desktop;
class RomFile;

class Form4 : public QDialog
{
    Q_OBJECT

public:
    Form4(RomFile &rom, Desktop &desktop, QWidget *parent = nullptr);

    // Creates the window afresh and shows it modally over parent.
    static void open(QWidget *parent, RomFile &rom, Desktop &desktop);

private:
    RomFile &m_rom;
    Desktop &m_desktop;
};
