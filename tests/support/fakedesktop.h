#pragma once

#include "shell/desktop.h"

#include <QList>
#include <deque>

// Answers the desktop's questions from a script and records what was asked.
class FakeDesktop final : public Desktop
{
public:
    struct Message
    {
        QString title, text;
        QMessageBox::Icon icon;
    };

    // Each chooseOpenFile() takes the next answer; nothing (a cancel) once they run out.
    std::deque<std::optional<QString>> fileAnswers;
    QList<QStringList> fileRequests; // the filters joined by ";;", the selected one, the name
    QList<Message> messages;
    QList<QUrl> urls;
    int endCount = 0;

    std::optional<QString> chooseOpenFile(QWidget *, const QStringList &filters,
                                          const QString &selectedFilter,
                                          const QString &previousName) override
    {
        fileRequests.append({filters.join(";;"), selectedFilter, previousName});
        if (fileAnswers.empty())
            return std::nullopt;
        const std::optional<QString> answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    void showMessage(QWidget *, const QString &title, const QString &text,
                     QMessageBox::Icon icon) override
    {
        messages.append({title, text, icon});
    }
    void openUrl(const QUrl &url) override { urls.append(url); }
    void endProgram() override { ++endCount; }
};
