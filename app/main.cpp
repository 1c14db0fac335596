#include "app/application.h"
#include "app/features.h"
#include "shell/Form1.h"
#include "shell/Form2.h"
#include "shell/qtdesktop.h"

int main(int argc, char **argv)
{
    const auto app = makeApplication(argc, argv);
    QtDesktop desktop;
    Form2 mainWindow(desktop, standardFeatures());
    Form1 splash(desktop, [&mainWindow] { mainWindow.start(); });
    splash.show();
    return QApplication::exec();
}
