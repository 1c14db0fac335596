#include "shell/TabToChosen.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFocusEvent>

TabToChosen::TabToChosen(QButtonGroup *group) : QObject(group), m_group(group)
{
    for (QAbstractButton *option : group->buttons())
        option->installEventFilter(this);
}

bool TabToChosen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        QAbstractButton *chosen = m_group->checkedButton();
        if (chosen && chosen != watched &&
            (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            chosen->setFocus(reason);
    }
    return QObject::eventFilter(watched, event);
}
