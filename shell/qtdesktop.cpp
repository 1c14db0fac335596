#include "shell/qtdesktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <cstdio>
#include <cstdlib>

std::optional<QString> QtDesktop::chooseOpenFile(QWidget *parent, const QStringList &filters,
                                                 const QString &selectedFilter,
                                                 const QString &previousName)
{
    QString selected = selectedFilter;
    const QString name = QFileDialog::getOpenFileName(
        parent, QString(), previousName, filters.join(QStringLiteral(";;")), &selected);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

void QtDesktop::showMessage(QWidget *parent, const QString &title, const QString &text,
                            QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtDesktop::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url); // the result is ignored, as a browser may not be there
}

void QtDesktop::endProgram()
{
    // Immediate: no further handler of any window runs. The ROM file is already
    // closed and every write went straight to disk, so nothing is pending.
    std::fflush(nullptr);
    std::_Exit(0);
}
