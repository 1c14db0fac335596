#include "shell/optiongroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>

void keepTabStopOnChosen(QButtonGroup *group, QLabel *label)
{
    const auto placeStop = [group, label] {
        const QList<QAbstractButton *> options = group->buttons();
        QAbstractButton *stop = group->checkedButton();
        if (!stop && !options.isEmpty())
            stop = options.first();
        for (QAbstractButton *option : options)
            option->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
        if (label)
            label->setBuddy(stop);
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, placeStop);
    placeStop();
}
