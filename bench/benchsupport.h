#pragma once

#include "shell/desktop.h"

#include <filesystem>

namespace Bench {

// Counts messages instead of showing them: a bench run must never block, and a
// message means it measured a refusal rather than the work.
class QuietDesktop final : public Desktop
{
public:
    int messages = 0;

    std::optional<QString> chooseOpenFile(QWidget *, const QStringList &, const QString &,
                                          const QString &) override
    {
        return std::nullopt;
    }
    void showMessage(QWidget *, const QString &, const QString &, QMessageBox::Icon) override
    {
        ++messages;
    }
    void openUrl(const QUrl &) override {}
    void endProgram() override {}
};

// The US sample image, written as folder/name.
std::filesystem::path writeSample(const std::filesystem::path &folder, const char *name);

} // namespace Bench
