#pragma once

#include "shell/desktop.h"

#include <QList>
#include <filesystem>

// A path as the program shows it.
inline QString qPath(const std::filesystem::path &path)
{
    return QString::fromStdU16String(path.u16string());
}

// Answers the desktop's questions from a script and records what was asked.
class FakeDesktop final : public Desktop
{
public:
    struct Message
    {
        QString title, text;
        QMessageBox::Icon icon;
    };

    QStringList fileAnswers; // each chooseOpenFile() takes the next; a cancel once they run out
    QList<QStringList> fileRequests; // the filters joined by ";;", the selected one, the name
    QList<Message> messages;
    QList<QUrl> urls;
    int endCount = 0;

    std::optional<QString> chooseOpenFile(QWidget *, const QStringList &filters,
                                          const QString &selectedFilter,
                                          const QString &previousName) override
    {
        fileRequests.append({filters.join(";;"), selectedFilter, previousName});
        if (fileAnswers.isEmpty())
            return std::nullopt;
        return fileAnswers.takeFirst();
    }
    void showMessage(QWidget *, const QString &title, const QString &text,
                     QMessageBox::Icon icon) override
    {
        messages.append({title, text, icon});
    }
    void openUrl(const QUrl &url) override { urls.append(url); }
    void endProgram() override { ++endCount; }
};
