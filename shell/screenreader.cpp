#include "shell/screenreader.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

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

QAccessibleInterface *shownValueFactory(const QString &, QObject *object)
{
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
