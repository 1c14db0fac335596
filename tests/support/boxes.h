#pragma once

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

// What a screen reader gets for a control.
inline QString accessibleText(QWidget *widget, QAccessible::Text text = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

// Turns an option on the way a screen reader's "activate" does: toggle(), no click.
inline void toggleAccessibly(QWidget *option)
{
    QAccessible::queryAccessibleInterface(option)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
}

// Whether box shows text without scrolling: the text area as the box paints it,
// against the text's width in its font.
inline bool showsWhole(const QLineEdit *box, const QString &text)
{
    QStyleOptionFrame panel;
    panel.initFrom(box);
    panel.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, box);
    const QRect contents = box->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, box)
                               .marginsRemoved(box->textMargins());
    const int textArea = contents.width() - 2 * 2; // QLineEdit's margin on each side
    return qRound(QFontMetricsF(box->font()).horizontalAdvance(text)) + 1 <= textArea;
}
