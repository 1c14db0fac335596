#include "shell/QuietProgressBar.h"

#include <QStyle>
#include <QStyleOptionProgressBar>

namespace {

constexpr qint64 tellEveryMs = 250;

} // namespace

void QuietProgressBar::showValue(int value)
{
    m_shown = value;
    emit valueShown(value);
    if (value == minimum() || value == maximum() || !m_told.isValid() ||
        m_told.hasExpired(tellEveryMs)) {
        setValue(value);
        m_told.start();
    }
    if (isVisible() && needsRepaint())
        repaint();
}

void QuietProgressBar::initStyleOption(QStyleOptionProgressBar *option) const
{
    QProgressBar::initStyleOption(option);
    option->progress = m_shown;
}

void QuietProgressBar::paintEvent(QPaintEvent *event)
{
    m_painted = m_shown;
    QProgressBar::paintEvent(event);
}

// As Qt's bar decides it: at its ends, or once it has grown by a chunk's width.
bool QuietProgressBar::needsRepaint() const
{
    if (m_shown == m_painted)
        return false;
    if (m_shown == minimum() || m_shown == maximum())
        return true;
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    const int chunk = style()->pixelMetric(QStyle::PM_ProgressBarChunkWidth, &option, this);
    const int groove = style()->subElementRect(QStyle::SE_ProgressBarGroove, &option, this).width();
    const qint64 moved = qAbs(qint64(m_shown) - m_painted);
    return moved * groove > qint64(chunk) * (qint64(maximum()) - minimum());
}
