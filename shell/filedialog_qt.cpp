// The file-open dialog on systems other than Windows: Qt's own.
#include "shell/filedialog.h"

#include <QFileDialog>
#include <QSettings>

namespace {

// Qt's dialog reads its history, last folder and view mode from Qt's settings
// file when it is made and writes them back when it goes. Pointed where no
// file can ever be (below a device), those settings are neither found nor kept.
void keepNoSettings()
{
    static const bool pointed = [] {
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            for (const auto scope : {QSettings::UserScope, QSettings::SystemScope})
                QSettings::setPath(format, scope, QStringLiteral("/dev/null/nowhere"));
        return true;
    }();
    Q_UNUSED(pointed);
}

} // namespace

std::optional<QString> chooseFileToOpen(QWidget *parent, const QStringList &filters,
                                        const QString &selectedFilter, const QString &previousName)
{
    keepNoSettings();
    QFileDialog dialog(parent, QString(), previousName, filters.join(QStringLiteral(";;")));
    // Qt's own: a desktop's dialog may record the file among its recent documents.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectNameFilter(selectedFilter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
