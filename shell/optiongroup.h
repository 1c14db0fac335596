#pragma once

class QButtonGroup;
class QLabel;

// Makes a group of options one stop in the tab order, as on the Windows
// desktop: Tab lands on the chosen option in one step (on the first when none
// is chosen), so a screen reader hears that option with its state; the arrow
// keys move between the options. The group lists its options in tab order.
// The group's label, if it has one, labels the option Tab lands on, so a
// screen reader names the group there too.
void keepTabStopOnChosen(QButtonGroup *group, QLabel *label = nullptr);
