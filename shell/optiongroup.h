#pragma once

#include <initializer_list>

class QButtonGroup;
class QLabel;
class QWidget;

// One option button of a group: its name, caption and the number it stands for.
struct Option
{
    const char *name;
    const char *caption;
    int id;
};

// The options of one group, made in tab order and made one stop in it, as on
// the Windows desktop: Tab lands on the chosen option in one step (on the
// first when none is chosen), so a screen reader hears that option with its
// state; the arrow keys move between the options. The group's label, if it
// has one, labels the option Tab lands on, so a screen reader names the group
// there too.
QButtonGroup *makeOptionGroup(QWidget *parent, std::initializer_list<Option> options);
void labelOptionGroup(QButtonGroup *group, QLabel *label);
