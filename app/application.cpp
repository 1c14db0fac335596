#include "app/application.h"

#include "shell/program.h"
#include "shell/screenreader.h"
#include "version.h"

#include <QIcon>

std::unique_ptr<QApplication> makeApplication(int argc, char **argv)
{
    // QApplication keeps both for its whole life.
    static int nameOnly = 0;
    static char *name[] = {nullptr, nullptr};
    nameOnly = argc > 0 ? 1 : 0;
    name[0] = argc > 0 ? argv[0] : nullptr;
    auto app = std::make_unique<QApplication>(nameOnly, name);
    ScreenReader::install();
    QApplication::setApplicationName(Program::title());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmora/icon.png")));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(Version::appId));
    // The splash closes before the main window shows; only the main window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    return app;
}
