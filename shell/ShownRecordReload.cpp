#include "shell/ShownRecordReload.h"

#include <QKeyEvent>
#include <QListWidget>

ShownRecordReload::ShownRecordReload(QListWidget *list, std::function<int()> shownRow,
                                     std::function<void()> reload)
    : QObject(list), m_list(list), m_viewport(list->viewport()), m_shownRow(std::move(shownRow)),
      m_reload(std::move(reload))
{
    list->installEventFilter(this);
    m_viewport->installEventFilter(this);
    // A click that changes the selection loads through the selection; only a
    // click that began and ended on the record shown loads it again here.
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const int row = m_list->row(item);
        if (row == m_rowAtPress && row == m_shownRow())
            m_reload();
    });
}

bool ShownRecordReload::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport && event->type() == QEvent::MouseButtonPress)
        m_rowAtPress = m_shownRow();
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool reloadKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                               key->key() == Qt::Key_Space;
        if (reloadKey && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            m_list->currentRow() >= 0 && m_list->currentRow() == m_shownRow()) {
            m_reload();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
