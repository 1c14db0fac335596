#pragma once

#include <QElapsedTimer>
#include <QProgressBar>

// A progress bar that shows every value it is given (repainted as Qt's bar is:
// when the bar has grown by a chunk, and at its ends), but tells assistive
// technology of its value only now and then: at its minimum and maximum, and at
// most four times a second between. Told of each of thousands of values, a
// screen reader falls silent for many seconds.
class QuietProgressBar : public QProgressBar
{
    Q_OBJECT

public:
    using QProgressBar::QProgressBar;

    // Paints value at once; value() and what assistive technology reads follow now and then.
    void showValue(int value);
    int shownValue() const { return m_shown; }

signals:
    void valueShown(int value); // every value

protected:
    void initStyleOption(QStyleOptionProgressBar *option) const override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool needsRepaint() const;

    int m_shown = 0;
    int m_painted = 0;
    QElapsedTimer m_told;
};
