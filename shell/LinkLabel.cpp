#include "shell/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

LinkLabel::LinkLabel(const QString &address, QWidget *parent) : QLabel(address, parent)
{
    setObjectName(QStringLiteral("URLLBL"));
    setTextFormat(Qt::PlainText);
    setStyleSheet(QStringLiteral("color: #0000FF;"));
    setCursor(QCursor(QPixmap(QStringLiteral(":/velmora/linkcursor.png")), 6, 1));
    setToolTip(tr("Visit the Velmora Editor homepage"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(address);
    setAccessibleDescription(toolTip());
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}
