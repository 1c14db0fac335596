#pragma once

#include <QWidget>
#include <functional>

class Desktop;
class QLabel;
class QuietProgressBar;
class QTimer;

// The start-up splash: a logo, the version and credits, one run of the
// progress bar, then it hands over to the main window.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // showMain is called once, after the splash has closed.
    Form1(Desktop &desktop, std::function<void()> showMain, QWidget *parent = nullptr);

private:
    void Form_Load();
    void LoadTMR_Timer();
    void URLLBL_Click();

    Desktop &m_desktop;
    std::function<void()> m_showMain;
    bool m_handedOver = false;

    QLabel *InfoLBL = nullptr;
    QuietProgressBar *pbar = nullptr;
    QTimer *LoadTMR = nullptr;
};
