#include "shell/About.h"

#include "shell/LinkLabel.h"
#include "shell/desktop.h"
#include "shell/program.h"
#include "shell/windowfont.h"

#include <QLabel>
#include <QPushButton>

About::About(Desktop &desktop, QWidget *parent) : QDialog(parent), m_desktop(desktop)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(tr("About this Program..."));
    setFont(windowFont());
    setFixedSize(532, 264);

    // The logo lies underneath; the information text stands on its empty right part.
    auto *Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/velmora/aboutlogo.png")));
    Image1->setGeometry(4, 4, 400, 160);
    Image1->setAccessibleName(tr("Velmora Editor logo"));

    ProgramInfoLBL = new QLabel(this);
    ProgramInfoLBL->setObjectName(QStringLiteral("ProgramInfoLBL"));
    ProgramInfoLBL->setTextFormat(Qt::PlainText);
    ProgramInfoLBL->setWordWrap(true);
    ProgramInfoLBL->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ProgramInfoLBL->setGeometry(238, 92, 291, 126);

    auto *URLLBL = new LinkLabel(Program::siteAddress(), this);
    URLLBL->setGeometry(12, 146, 200, 16);
    connect(URLLBL, &LinkLabel::clicked, this, &About::URLLBL_Click);

    auto *Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::HLine);
    Frame1->setFrameShadow(QFrame::Sunken);
    Frame1->setGeometry(0, 220, 532, 2);

    auto *WarningLBL = new QLabel(
        tr("The authors do not work for, and are not affiliated with, Velmora's publisher or its "
           "divisions. The game's names and references belong to that publisher."),
        this);
    WarningLBL->setObjectName(QStringLiteral("WarningLBL"));
    WarningLBL->setWordWrap(true);
    WarningLBL->setGeometry(4, 226, 400, 36);

    auto *CloseCMD = new QPushButton(tr("&Close"), this);
    CloseCMD->setObjectName(QStringLiteral("CloseCMD"));
    CloseCMD->setGeometry(414, 236, 113, 24);
    CloseCMD->setDefault(true); // Enter presses it; Esc closes the dialog as well
    CloseCMD->setFocus();       // so Enter on opening closes, and does not open the link
    connect(CloseCMD, &QPushButton::clicked, this, &QDialog::accept);

    Form_Load();
}

void About::Form_Load()
{
    ProgramInfoLBL->setText(QStringList{
        QStringLiteral("Velmora Editor - Released: XX/XX/2005"),
        QStringLiteral("Version: ") + Program::shortVersion(),
        QString(),
        QStringLiteral("Information: This program allows the user to edit many of the things in "
                       "the Velmora GBA ROM file."),
        QString(),
        QStringLiteral("Please visit the website for more specific information about this "
                       "program."),
    }
                                .join(QStringLiteral("\r\n")));
}

void About::URLLBL_Click()
{
    m_desktop.openUrl(QUrl(Program::siteAddress()));
}
