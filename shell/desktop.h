#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QWidget;

// What the program asks of the desktop that a test can neither click nor wait
// for. The program uses QtDesktop; tests answer with a fake.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // The path the user chose, or nothing when the dialog was cancelled.
    virtual std::optional<QString> chooseOpenFile(QWidget *parent, const QStringList &filters,
                                                  const QString &selectedFilter,
                                                  const QString &previousName) = 0;
    // A modal message box with a single OK button.
    virtual void showMessage(QWidget *parent, const QString &title, const QString &text,
                             QMessageBox::Icon icon) = 0;
    virtual void openUrl(const QUrl &url) = 0;
    // Ends the program at once; the caller has closed the ROM file.
    virtual void endProgram() = 0;
};
