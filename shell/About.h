#pragma once

#include <QDialog>

class Desktop;
class QLabel;

// The About window: logo, release line and version, the link, a disclaimer.
class About : public QDialog
{
    Q_OBJECT

public:
    explicit About(Desktop &desktop, QWidget *parent = nullptr);

private:
    void Form_Load();
    void URLLBL_Click();

    Desktop &m_desktop;
    QLabel *ProgramInfoLBL = nullptr;
};
