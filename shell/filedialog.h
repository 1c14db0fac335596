#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// The file-open dialog: the system's own on Windows, Qt's on other systems.
// It keeps nothing: no history, folder or view mode is read from or written to
// a settings file or the registry, and the chosen file is not added to the
// system's recent items. Each filter is a text with its pattern in
// parentheses ("GBA ROM Files (*.gba)"); previousName is offered, its folder
// shown. The chosen path, or nothing when the user cancels.
std::optional<QString> chooseFileToOpen(QWidget *parent, const QStringList &filters,
                                        const QString &selectedFilter, const QString &previousName);
