#pragma once

#include "shell/desktop.h"

class QtDesktop final : public Desktop
{
public:
    std::optional<QString> chooseOpenFile(QWidget *parent, const QStringList &filters,
                                          const QString &selectedFilter,
                                          const QString &previousName) override;
    void showMessage(QWidget *parent, const QString &title, const QString &text,
                     QMessageBox::Icon icon) override;
    void openUrl(const QUrl &url) override;
    void endProgram() override;
};
