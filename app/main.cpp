#include "app/standardeditors.h"
#include "shell/Form1.h"
#include "shell/Form2.h"
#include "shell/program.h"
#include "shell/qtdesktop.h"
#include "shell/screenreader.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ScreenReader::install();
    QApplication::setApplicationName(Program::title());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmora/icon.png")));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(Version::appId));
    // The splash closes before the main window shows; only the main window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    QtDesktop desktop;
    Form2 mainWindow(desktop, standardEditors());
    Form1 splash(desktop, [&mainWindow] { mainWindow.start(); });
    splash.show();
    return app.exec();
}
