#include "shell/Form1.h"

#include "shell/LinkLabel.h"
#include "shell/QuietProgressBar.h"
#include "shell/desktop.h"
#include "shell/pendingevents.h"
#include "shell/program.h"
#include "shell/windowfont.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int progressEnd = 3200;

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

} // namespace

Form1::Form1(Desktop &desktop, std::function<void()> showMain, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_desktop(desktop),
      m_showMain(std::move(showMain))
{
    setObjectName(QStringLiteral("Form1"));
    setAccessibleName(Program::title());
    setFont(windowFont());
    setFixedSize(465, 239);

    auto *logo = label(this, "Logo", QString(), QRect(0, 0, 128, 139));
    logo->setPixmap(QPixmap(QStringLiteral(":/velmora/splashlogo.png")));
    logo->setAccessibleName(tr("Velmora Editor logo"));

    InfoLBL = label(this, "InfoLBL", QString(), QRect(138, 6, 315, 173));
    InfoLBL->setTextFormat(Qt::PlainText);
    InfoLBL->setWordWrap(true);
    InfoLBL->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *URLLBL = new LinkLabel(Program::siteAddress(), this);
    URLLBL->setGeometry(264, 180, 200, 16);
    connect(URLLBL, &LinkLabel::clicked, this, &Form1::URLLBL_Click);

    auto *line = new QFrame(this); // a grey and a white line, as one sunken line
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, 197, 465, 2);

    label(this, "WarningLBL", tr("Warning: I am not responsible for anything you do."),
          QRect(4, 203, 272, 16));
    QLabel *credit = label(this, "CreditLBL", tr("By the Velmora Team"), QRect(278, 203, 182, 16));
    credit->setFont(creditFont());
    credit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    pbar = new QuietProgressBar(this);
    pbar->setObjectName(QStringLiteral("pbar"));
    pbar->setAccessibleName(tr("Loading"));
    pbar->setTextVisible(false);
    pbar->setGeometry(0, 222, 465, 17);

    Form_Load();

    // Centred on the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    LoadTMR = new QTimer(this);
    LoadTMR->setObjectName(QStringLiteral("LoadTMR"));
    LoadTMR->setInterval(100);
    connect(LoadTMR, &QTimer::timeout, this, &Form1::LoadTMR_Timer);
    LoadTMR->start();
}

void Form1::Form_Load()
{
    InfoLBL->setText(QStringList{
        Program::versionCaption(),
        QString(),
        QStringLiteral("Description: This program allows you to edit various aspects of Velmora "
                       "GBA ROM."),
        QString(),
        QStringLiteral("Velmora Hacking Team Members: "),
        QStringLiteral("Kestrel Vane"),
        QStringLiteral("Nibwick"),
        QStringLiteral("Halcyon-7"),
    }
                         .join(QStringLiteral("\r\n")));
}

void Form1::LoadTMR_Timer()
{
    // Ticks that arrive during the run (it processes events) must not start it again.
    if (m_handedOver)
        return;
    m_handedOver = true;
    pbar->setRange(0, progressEnd);
    pbar->showValue(pbar->minimum());
    for (int step = 0; step <= progressEnd; ++step) {
        pbar->showValue(step);
        letPendingEventsRun();
    }
    pbar->showValue(pbar->minimum());
    close();
    m_showMain();
    LoadTMR->stop();
}

void Form1::URLLBL_Click()
{
    m_desktop.openUrl(QUrl(Program::siteAddress()));
}
