#include "shell/optiongroup.h"

#include <QAbstractButton>
#include <QButtonGroup>

void keepTabStopOnChosen(QButtonGroup *group)
{
    const auto placeStop = [group] {
        const QList<QAbstractButton *> options = group->buttons();
        QAbstractButton *stop = group->checkedButton();
        if (!stop && !options.isEmpty())
            stop = options.first();
        for (QAbstractButton *option : options)
            option->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, placeStop);
    placeStop();
}
