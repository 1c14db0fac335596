#include "shell/QuietProgressBar.h"

#include <QStyle>
#include <QStyleOptionProgressBar>

namespace {

constexpr qint64 tellEveryMs = 250;

} // namespace

void QuietProgressBar::showValue(int value)
{
    const bool moved = filledWidth(value) != filledWidth(m_shown);
    m_shown = value;
    emit valueShown(value);
    if (value == minimum() || value == maximum() || !m_told.isValid() ||
        m_told.hasExpired(tellEveryMs)) {
        setValue(value);
        m_told.start();
    }
    if (moved)
        repaint();
}

void QuietProgressBar::initStyleOption(QStyleOptionProgressBar *option) const
{
    QProgressBar::initStyleOption(option);
    option->progress = m_shown;
}

int QuietProgressBar::filledWidth(int value) const
{
    return QStyle::sliderPositionFromValue(minimum(), maximum(), value, width());
}
