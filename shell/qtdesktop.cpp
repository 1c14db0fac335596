#include "shell/qtdesktop.h"

#include "shell/filedialog.h"

#include <QDesktopServices>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

namespace {

// A message box raised for a window that is not shown yet (at start-up) would
// be centred over where that window is not; it goes to the middle of the
// screen the window will appear on.
class MessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event); // sizes the box
        const QWidget *owner = parentWidget();
        if (owner && !owner->window()->isVisible()) {
            const QRect frame = frameGeometry();
            move(owner->screen()->availableGeometry().center() -
                 QPoint(frame.width() / 2, frame.height() / 2));
        }
    }
};

} // namespace

std::optional<QString> QtDesktop::chooseOpenFile(QWidget *parent, const QStringList &filters,
                                                 const QString &selectedFilter,
                                                 const QString &previousName)
{
    return chooseFileToOpen(parent, filters, selectedFilter, previousName);
}

void QtDesktop::showMessage(QWidget *parent, const QString &title, const QString &text,
                            QMessageBox::Icon icon)
{
    MessageBox box(icon, title, text, QMessageBox::Ok, parent);
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
