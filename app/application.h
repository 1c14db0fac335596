#pragma once

#include <QApplication>
#include <memory>

// The application object as the program makes it. The program takes no
// command-line arguments: Qt is handed only the program's name, so every
// argument, Qt's own options (-style, -stylesheet, -platform, ...) included,
// is ignored. Qt's environment variables stay the toolkit's.
std::unique_ptr<QApplication> makeApplication(int argc, char **argv);
