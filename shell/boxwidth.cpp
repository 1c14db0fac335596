#include "shell/boxwidth.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace {

// QLineEdit keeps this many pixels free on each side of its text.
constexpr int lineEditMargin = 2;

} // namespace

int widthShowing(const QLineEdit *box, const QString &text)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.state |= QStyle::State_Sunken;
    const QMargins margins = box->textMargins();
    // The text's own width, rounded up, and a pixel for the cursor after it.
    const int textWidth = int(std::ceil(QFontMetricsF(box->font()).horizontalAdvance(text))) + 1;
    const QSize contents(textWidth + 2 * lineEditMargin + margins.left() + margins.right(),
                         box->fontMetrics().height());
    return box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, box).width();
}
