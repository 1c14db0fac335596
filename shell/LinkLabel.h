#pragma once

#include <QLabel>

// The blue web address on the splash and the About window: our own hand
// cursor, a tool tip, and a click (or Enter/Space when focused) opens it.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &address, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
