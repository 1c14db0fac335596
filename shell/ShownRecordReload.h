#pragma once

#include <QObject>
#include <functional>

class QListWidget;

// A click on the record shown, or Enter or Space on it in the list, loads it
// again: after another program changed it, that is how the user takes the
// file's values. A window attaches one to its record list; shownRow gives the
// list position of the record shown, or -1.
class ShownRecordReload : public QObject
{
public:
    ShownRecordReload(QListWidget *list, std::function<int()> shownRow,
                      std::function<void()> reload);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidget *m_list;
    QObject *m_viewport; // compared only: the list may be half gone when it reports its end
    std::function<int()> m_shownRow;
    std::function<void()> m_reload;
    int m_rowAtPress = -1;
};
