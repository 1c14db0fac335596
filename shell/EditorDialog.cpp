#include "shell/EditorDialog.h"

#include "core/fieldcheck.h"
#include "core/numbertext.h"
#include "shell/TypingLimit.h"
#include "shell/boxwidth.h"
#include "shell/desktop.h"
#include "shell/program.h"
#include "shell/windowfont.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

EditorDialog::EditorDialog(RomFile &rom, Desktop &desktop, const char *name, const QString &caption,
                           QWidget *parent)
    : QDialog(parent), m_rom(rom), m_desktop(desktop)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setFont(windowFont());
}

void EditorDialog::uncheckAll(QButtonGroup *group)
{
    group->setExclusive(false);
    for (QAbstractButton *option : group->buttons())
        option->setChecked(false);
    group->setExclusive(true);
}

// ---- Controls ----

QPushButton *EditorDialog::createButton(const QString &caption, const char *name)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    return button;
}

QLineEdit *EditorDialog::createNumberBox(QWidget *parent, const char *name,
                                         const QString &accessibleName, int typingLimit)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    if (typingLimit > 0)
        new TypingLimit(typingLimit, box);
    return box;
}

QLabel *EditorDialog::labelFor(QWidget *control, const QString &text)
{
    auto *label = new QLabel(text, control->parentWidget());
    label->setBuddy(control);
    return label;
}

void EditorDialog::setWidthFor(QLineEdit *box, const QString &widest, int designTwips)
{
    box->setFixedWidth(std::max(twips(designTwips), widthShowing(box, widest)));
}

void EditorDialog::showReadOnly(QLineEdit *box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 192));
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

void EditorDialog::enterAtChosen(QButtonGroup *group)
{
    m_groups.append(group);
    for (QAbstractButton *option : group->buttons())
        option->installEventFilter(this);
}

// ---- Records ----

void EditorDialog::showNumber(QLineEdit *box, std::int64_t value)
{
    TypingLimit::showText(box, QString::fromStdString(NumberText::fromValue(value)));
}

std::int64_t EditorDialog::take(FieldCheck &check, const QLineEdit *box, std::int64_t min,
                                std::int64_t max, const QString &label)
{
    const QString name = label.isEmpty() ? box->accessibleName() : label;
    return check.take(name.toStdString(), box->text().toStdString(), min, max);
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
    if (result.status == ApplyResult::ReadBackFailed && m_reload)
        m_reload(); // as any record that fails to read: cleared, "Apply" off
}

void EditorDialog::clearRecord(QPushButton *apply)
{
    m_snapshot = RecordSnapshot();
    for (QLineEdit *box : findChildren<QLineEdit *>())
        box->clear();
    for (QButtonGroup *group : findChildren<QButtonGroup *>())
        uncheckAll(group);
    apply->setEnabled(false);
}

void EditorDialog::watchRecordList(QListWidget *list, std::function<int()> shownRow,
                                   std::function<void()> reload)
{
    m_list = list;
    m_shownRow = std::move(shownRow);
    m_reload = std::move(reload);
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    // A click that changes the selection loads through the selection; only a
    // click that began and ended on the record shown loads it again here.
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const int row = m_list->row(item);
        if (row == m_rowAtPress && row == m_shownRow())
            m_reload();
    });
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

// ---- Events ----

void EditorDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool EditorDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (m_list && watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress)
        m_rowAtPress = m_shownRow();
    if (m_list && watched == m_list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool reloadKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                               key->key() == Qt::Key_Space;
        if (reloadKey && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            m_list->currentRow() >= 0 && m_list->currentRow() == m_shownRow()) {
            m_reload();
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        for (QButtonGroup *group : std::as_const(m_groups)) {
            QAbstractButton *chosen = group->checkedButton();
            if (chosen && chosen != watched && group->buttons().contains(watched) &&
                (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
                chosen->setFocus(reason);
        }
    }
    return QDialog::eventFilter(watched, event);
}
