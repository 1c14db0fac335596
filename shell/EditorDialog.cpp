#include "shell/EditorDialog.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

void EditorDialog::uncheckAll(QButtonGroup *group)
{
    group->setExclusive(false);
    for (QAbstractButton *option : group->buttons())
        option->setChecked(false);
    group->setExclusive(true);
}

QPushButton *EditorDialog::createButton(const QString &caption, const char *name)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    return button;
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

void EditorDialog::clearRecord(QPushButton *apply)
{
    for (QLineEdit *box : findChildren<QLineEdit *>())
        box->clear();
    for (QButtonGroup *group : findChildren<QButtonGroup *>())
        uncheckAll(group);
    apply->setEnabled(false);
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
    return QDialog::eventFilter(watched, event);
}
