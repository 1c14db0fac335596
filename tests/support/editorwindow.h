#pragma once

#include "catalogue/ItemBox.h"
#include "core/romfile.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/romimage.h"

#include <QTest>
#include <QtWidgets>

// An editor window, shown, over a ROM file of its own that is open before the
// window loads its first record.
template <class Window, class Rom = RomFile> struct EditorWindow
{
    explicit EditorWindow(const std::vector<std::uint8_t> &image) : original(image), file(image)
    {
        window.show();
    }
    template <class T = QLineEdit> T *get(const QString &name) const
    {
        return window.template findChild<T *>(name);
    }
    QListWidget *list() const { return window.template findChild<QListWidget *>(); }
    void select(int row) const { list()->setCurrentRow(row); }
    void apply() const { QTest::mouseClick(get<QWidget>("ApplyCMD"), Qt::LeftButton); }
    void type(const QString &name, const QString &text) const // as the user types it
    {
        get(name)->setFocus();
        get(name)->clear();
        QTest::keyClicks(get(name), text);
    }
    void set(const QStringList &edits) const // box, text, box, text, ...: as the program sets them
    {
        for (qsizetype i = 0; i + 1 < edits.size(); i += 2)
            get(edits[i])->setText(edits[i + 1]);
    }
    // What the named controls show, spaced: a box's text, an item box's id, an option's 1 or 0.
    QString shown(const QStringList &names) const
    {
        QStringList shown;
        for (const QString &name : names) {
            const auto *items = get<ItemBox>(name);
            const auto *option = get<QRadioButton>(name);
            shown << (items    ? QString::number(items->itemId())
                      : option ? QString::number(option->isChecked())
                               : get<QWidget>(name)->property("text").toString());
        }
        return shown.join(' ');
    }
    // The controls Tab visits, from the one with the focus; "name=text" when withText.
    QStringList tabWalk(int stops, bool withText = false) const
    {
        QStringList visited;
        for (int i = 0; i < stops; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab)) {
            const QWidget *at = QApplication::focusWidget();
            visited << at->objectName() + (withText ? '=' + at->property("text").toString() : "");
        }
        return visited;
    }
    // No record shown: no box holds a value, no item or option is picked, "Apply" is off.
    bool showsNoRecord() const
    {
        for (const QWidget *control : window.template findChildren<QWidget *>()) {
            const auto *box = qobject_cast<const QLineEdit *>(control);
            const auto *items = qobject_cast<const QComboBox *>(control);
            const auto *option = qobject_cast<const QAbstractButton *>(control);
            if ((box && !box->text().isEmpty()) || (option && option->isChecked()) ||
                (items && (items->currentIndex() >= 0 || !items->placeholderText().isEmpty())))
                return qWarning() << control->objectName() << "shows a record", false;
        }
        return !get<QWidget>("ApplyCMD")->isEnabled();
    }

    std::vector<std::uint8_t> original;
    TempRom file;
    Rom rom;
    bool opened = rom.open(file.path());
    FakeDesktop desktop;
    Window window{rom, desktop};
};

// What a screen reader hears of a control as Qt's bridge passes it on, its
// descriptions left unspoken: on Windows the name and, but for plain text, the
// value; on Linux the name and the text (where Orca finds a drop-down list's
// value), read run by run of its attributes as Orca reads it.
inline QStringList heard(QWidget *control)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(control);
    QStringList heard = {i->text(QAccessible::Name)};
#ifdef _WIN32
    if (i->role() != QAccessible::StaticText)
        heard << i->text(QAccessible::Value);
#else
    if (QAccessibleTextInterface *text = i->textInterface()) {
        QString read;
        for (int at = 0, start = 0, end = 0; at < text->characterCount();
             at = std::max(end, at + 1)) {
            text->attributes(at, &start, &end);
            read += text->text(std::max(start, at), end);
        }
        heard << read;
    }
#endif
    return heard;
}

// Every control of window that shows a value (an item box's entry or
// placeholder, a box's text, a label, the rows of a list or tree) is heard with
// what it shows and with its own name. Empty when so; else what is not heard.
inline QStringList unheardValues(const QWidget &window)
{
    QStringList unheard;
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (!control->isVisibleTo(&window))
            continue;
        QStringList shown = {control->accessibleName()}, hearing = heard(control);
        if (const auto *box = qobject_cast<QComboBox *>(control))
            shown << (box->currentIndex() >= 0 ? box->currentText() : box->placeholderText());
        else if (const auto *label = qobject_cast<QLabel *>(control))
            shown << label->text();
        else if (const auto *text = qobject_cast<QLineEdit *>(control))
            shown << text->text();
        else if (const auto *view = qobject_cast<QAbstractItemView *>(control)) {
            QAccessibleInterface *cells = QAccessible::queryAccessibleInterface(control);
            for (int cell = 0; cell < cells->childCount(); ++cell)
                hearing << cells->child(cell)->text(QAccessible::Name);
            const auto *tree = qobject_cast<const QTreeView *>(view); // its open rows
            for (QModelIndex row = view->model()->index(0, 0); row.isValid();
                 row = tree ? tree->indexBelow(row) : row.siblingAtRow(row.row() + 1))
                shown << row.data().toString();
        }
        for (const QString &text : shown)
            if (!text.isEmpty() && !hearing.contains(text))
                unheard << window.objectName() + '.' + control->objectName() + ": \"" + text +
                               "\" heard as \"" + heard(control).join("\" / \"") + '"';
    }
    return unheard;
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

// Whether an item box shows the placeholder of every id without an entry whole:
// ids of one hexadecimal digit four times over, so the font's widest digit is among them.
inline bool showsEveryUnlistedIdWhole(ItemBox *box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    for (int digit = 1; digit <= 15; ++digit) {
        box->setItemId(std::int16_t(digit * 0x1111 - (digit == 15)));
        const QString shown = box->placeholderText();
        if (shown.isEmpty() ||
            QFontMetricsF(box->font()).horizontalAdvance(shown) > field.width() - 2)
            return qWarning() << box->objectName() << field << shown, false;
    }
    return true;
}
