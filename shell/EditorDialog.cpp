#include "shell/EditorDialog.h"

#include "core/fieldcheck.h"
#include "shell/desktop.h"
#include "shell/editorcontrols.h"
#include "shell/program.h"
#include "shell/windowfont.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

EditorDialog::EditorDialog(RomFile &rom, Desktop &desktop, const char *name, const QString &caption,
                           QWidget *parent)
    : QDialog(parent), m_rom(rom), m_desktop(desktop)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setFont(windowFont());
}

void EditorDialog::applyRecord(const FieldCheck &check, const RomWrites &writes)
{
    if (!check.ok()) {
        warn(QString::fromStdString(check.message()));
        return;
    }
    const ApplyResult result = applyWrites(m_rom, m_snapshot, writes);
    if (!result.ok())
        warn(QString::fromStdString(result.message));
    if (result.status == ApplyResult::ReadBackFailed && m_apply)
        clearRecord(m_apply); // as any record that fails to read
}

void EditorDialog::clearRecord(QPushButton *apply)
{
    m_snapshot = RecordSnapshot();
    for (QLineEdit *box : findChildren<QLineEdit *>())
        box->clear();
    for (QButtonGroup *group : findChildren<QButtonGroup *>())
        EditorControls::uncheckAll(group);
    for (QComboBox *box : findChildren<QComboBox *>()) {
        box->setPlaceholderText({}); // Qt then shows entry 0, which the next line takes away
        box->setToolTip({});
        box->setCurrentIndex(-1);
    }
    apply->setEnabled(false);
}

void EditorDialog::enableApply(QPushButton *apply)
{
    apply->setEnabled(true);
}

void EditorDialog::warn(const QString &text)
{
    m_desktop.showMessage(isVisible() ? this : parentWidget(), Program::title(), text,
                          QMessageBox::Warning);
}

void EditorDialog::closeWhileOpening()
{
    m_closedWhileOpening = !isVisible();
    reject();
}

void EditorDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
