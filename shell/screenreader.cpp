#include "shell/screenreader.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

QString shownText(const QComboBox *box)
{
    return box->currentIndex() >= 0 ? box->currentText() : box->placeholderText();
}

// A drop-down list as Qt's own interface presents it (its list as its one
// child, open and press as its actions), with what it shows as its value and
// as its text: Windows screen readers read the value, Orca the text.
class ComboBoxInterface final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ComboBoxInterface(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString own = QAccessibleWidget::text(kind); // its name, or its label's
        const QString shown = shownText(box());
        if (kind == QAccessible::Value || (kind == QAccessible::Name && own.isEmpty()))
            return shown;
        if (kind == QAccessible::Description && own == shown)
            return {}; // a tool tip that repeats the placeholder: said once, as the value
        return own;
    }

    int childCount() const override { return 1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // The shown text, read as one run: no caret, no selection, nothing to edit.
    QString text(int start, int end) const override
    {
        return shownText(box()).mid(start, end - start);
    }
    int characterCount() const override { return int(shownText(box()).size()); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
};

// A text box as Qt's own interface presents it, but its text read as one run:
// Qt 6.4 gives an empty attribute run at every offset, and Orca 43 reading by
// those runs drops the last character ("3152" for 31523).
class LineEditInterface final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface
{
public:
    explicit LineEditInterface(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString own = kind == QAccessible::Value ? box()->text() : QString();
        if (!own.isEmpty())
            return own;
        if (kind == QAccessible::Description && QAccessibleWidget::text(kind).isEmpty())
            return box()->placeholderText();
        return QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind != QAccessible::Value)
            return QAccessibleWidget::setText(kind, text);
        QString checked = text;
        int position = 0;
        if (!box()->validator() ||
            box()->validator()->validate(checked, position) == QValidator::Acceptable)
            box()->setText(checked);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(int start, int end) const override
    {
        return start > end ? QString() : box()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                             int *end) const override
    {
        return QAccessibleTextInterface::textBeforeOffset(at(offset), boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                            int *end) const override
    {
        return QAccessibleTextInterface::textAfterOffset(at(offset), boundary, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                         int *end) const override
    {
        return QAccessibleTextInterface::textAtOffset(at(offset), boundary, start, end);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = *start + int(box()->selectedText().size());
        }
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    // Where a character is drawn: the program's boxes show their text whole,
    // left-aligned, never scrolled.
    QRect characterRect(int offset) const override
    {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty())
            return {};
        QStyleOptionFrame option;
        option.initFrom(box());
        const QRect contents =
            box()->style()->subElementRect(QStyle::SE_LineEditContents, &option, box());
        const QFontMetrics metrics(box()->font());
        const QPoint at(contents.left() + box()->textMargins().left() + 2 +
                            metrics.horizontalAdvance(box()->text().left(offset)),
                        contents.top() + box()->textMargins().top());
        return {box()->mapToGlobal(at),
                QSize(metrics.horizontalAdvance(character), metrics.height())};
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }

    void deleteText(int start, int end) override
    {
        box()->setText(box()->text().remove(start, end - start));
    }
    void insertText(int offset, const QString &text) override
    {
        box()->setText(box()->text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString &text) override
    {
        box()->setText(box()->text().replace(start, end - start, text));
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
    int at(int offset) const { return offset == -2 ? cursorPosition() : offset; } // -2: the caret
};

QAccessibleInterface *shownValueFactory(const QString &, QObject *object)
{
    if (auto *box = qobject_cast<QLineEdit *>(object))
        return box->echoMode() == QLineEdit::Normal ? new LineEditInterface(box) : nullptr;
    auto *box = qobject_cast<QComboBox *>(object);
    if (!box || box->isEditable()) // an editable box's text is its text box's
        return nullptr;
    return new ComboBoxInterface(box);
}

} // namespace

void ScreenReader::install()
{
    QAccessible::installFactory(shownValueFactory);
}
