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
// child, open and press as its actions), with the texts the rule gives.
class ComboBoxInterface final : public QAccessibleWidget
{
public:
    explicit ComboBoxInterface(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        const QString shown = shownText(box());
        switch (kind) {
        case QAccessible::Name: {
            const QString own = QAccessibleWidget::text(kind); // its name, or its label's
            return own.isEmpty() ? shown : own;
        }
        case QAccessible::Value:
            return shown;
        case QAccessible::Description: {
            const QString own = box()->accessibleDescription();
            return own.isEmpty() || own == shown ? shown : shown + QLatin1Char('\n') + own;
        }
        default:
            return QAccessibleWidget::text(kind);
        }
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

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
};

// Assistive technology keeps a description it was given until told it changed.
class DescriptionNotice final : public QObject
{
    Q_OBJECT

public:
    explicit DescriptionNotice(QComboBox *box) : QObject(box)
    {
        connect(box, &QComboBox::currentTextChanged, this, &DescriptionNotice::send);
        if (box->metaObject()->indexOfSignal("shownTextChanged()") >= 0)
            connect(box, SIGNAL(shownTextChanged()), this, SLOT(send()));
    }

public slots:
    void send()
    {
        QAccessibleEvent event(parent(), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
};

QAccessibleInterface *shownValueFactory(const QString &, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    if (!box || box->isEditable()) // an editable box's text is its text box's
        return nullptr;
    new DescriptionNotice(box);
    return new ComboBoxInterface(box);
}

} // namespace

void ScreenReader::install()
{
    QAccessible::installFactory(shownValueFactory);
}

#include "screenreader.moc"
