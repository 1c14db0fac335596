#pragma once

#include "shell/romfile.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/romimage.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

// An editor window, shown, over a ROM file of its own that is open before the
// window loads its first record.
template <class Window> struct EditorWindow
{
    explicit EditorWindow(const std::vector<std::uint8_t> &image) : original(image), file(image)
    {
        window.show();
    }
    template <class T = QLineEdit> T *get(const QString &name) const
    {
        return window.template findChild<T *>(name);
    }
    void select(int row) const { window.template findChild<QListWidget *>()->setCurrentRow(row); }
    void apply() const { QTest::mouseClick(get<QWidget>("ApplyCMD"), Qt::LeftButton); }
    void type(const QString &name, const QString &text) const // as the user types it
    {
        get(name)->clear();
        QTest::keyClicks(get(name), text);
    }

    std::vector<std::uint8_t> original;
    TempRom file;
    RomFile rom;
    bool opened = rom.open(file.path());
    FakeDesktop desktop;
    Window window{rom, desktop};
};

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
