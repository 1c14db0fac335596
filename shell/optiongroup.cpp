#include "shell/optiongroup.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

namespace {

// The chosen option, or the first.
QAbstractButton *tabStop(const QButtonGroup *group)
{
    QAbstractButton *chosen = group->checkedButton();
    return chosen ? chosen : group->buttons().value(0);
}

} // namespace

QButtonGroup *makeOptionGroup(QWidget *parent, std::initializer_list<Option> options)
{
    auto *group = new QButtonGroup(parent);
    for (const Option &option : options) {
        auto *button = new QRadioButton(QLatin1String(option.caption), parent);
        button->setObjectName(QLatin1String(option.name));
        group->addButton(button, option.id);
    }
    const auto placeStop = [group] {
        QAbstractButton *stop = tabStop(group);
        for (QAbstractButton *option : group->buttons())
            option->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, placeStop);
    placeStop();
    return group;
}

void labelOptionGroup(QButtonGroup *group, QLabel *label)
{
    const auto follow = [group, label] { label->setBuddy(tabStop(group)); };
    QObject::connect(group, &QButtonGroup::buttonToggled, label, follow);
    follow();
}
