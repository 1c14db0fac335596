#pragma once

#include <QObject>

class QButtonGroup;

// Tabbing into a group of options lands on its chosen option, as on the
// Windows desktop. A window attaches one to each option group.
class TabToChosen : public QObject
{
public:
    explicit TabToChosen(QButtonGroup *group);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QButtonGroup *m_group;
};
