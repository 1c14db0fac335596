#include "shell/EditorDialog.h"

#include "shell/ShownRecordReload.h"
#include "shell/SpeaksCurrent.h"
#include "shell/TypingLimit.h"
#include "shell/desktop.h"
#include "shell/editorcontrols.h"
#include "shell/program.h"
#include "shell/windowfont.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaProperty>
#include <QScrollBar>

using namespace EditorControls;

namespace {

// "Apply" and "Cancel": named for tests, announced by their caption, never
// the dialog's default button, as wide as the window's design says.
QPushButton *createButton(QWidget *parent, const char *caption, const char *name)
{
    auto *button = new QPushButton(QLatin1String(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(button->text());
    button->setAutoDefault(false);
    button->setMinimumWidth(twips(1485));
    return button;
}

} // namespace

EditorDialog::EditorDialog(RomFile &rom, Desktop &desktop, const char *name, const QString &caption,
                           QWidget *parent)
    : QDialog(parent), m_rom(rom), m_desktop(desktop)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setFont(windowFont());
    ApplyCMD = createButton(this, "Apply", "ApplyCMD");
    ApplyCMD->setEnabled(false); // until a record is shown
    CancelCMD = createButton(this, "Cancel", "CancelCMD");
    connect(CancelCMD, &QPushButton::clicked, this, &EditorDialog::CancelCMD_Click);
}

// One entry per record, picked one at a time; as wide as designed, and never
// too narrow for the longest entry beside a scroll bar.
QListWidget *EditorDialog::makeRecordList(const RecordList &list)
{
    m_records = new SpeaksCurrent<QListWidget>(this);
    m_records->setObjectName(QLatin1String(list.name));
    m_records->setAccessibleName(QLatin1String(list.description));
    m_records->setSelectionMode(QAbstractItemView::SingleSelection);
    m_records->setUniformItemSizes(true); // hundreds of entries of one height
    const int entry = m_records->fontMetrics().horizontalAdvance(QLatin1String(list.longestEntry));
    m_records->setFixedWidth(
        std::max(twips(list.width), entry + 2 * m_records->frameWidth() + 8 +
                                        m_records->verticalScrollBar()->sizeHint().width()));
    m_records->setMinimumHeight(twips(list.height));
    return m_records;
}

void EditorDialog::watchForReload(QListWidget *records, std::function<void()> reload)
{
    new ShownRecordReload(
        records, [this] { return shownIndex(); }, std::move(reload));
}

QLineEdit *EditorDialog::addNumberBox(QWidget *parent, const NumberBox &box)
{
    auto *edit = new QLineEdit(parent);
    if (box.typingLimit > 0)
        new TypingLimit(box.typingLimit, edit);
    else
        edit->setReadOnly(true);
    const QString name = box.caption.isEmpty() ? caption(box.field) : box.caption;
    bind(edit, box.name, box.field, name);
    if (box.accepted)
        m_bindings.back().accepted = *box.accepted;
    return edit;
}

void EditorDialog::bind(QWidget *control, const char *name, const RecordField &field,
                        const QString &caption)
{
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(caption);
    m_bindings.push_back({&field, control, {field.minimum(), field.maximum()}});
}

const EditorDialog::Binding *EditorDialog::bindingOf(const RecordField &field) const
{
    for (const Binding &binding : m_bindings)
        if (binding.field == &field)
            return &binding;
    return nullptr;
}

QWidget *EditorDialog::controlFor(const RecordField &field) const
{
    const Binding *binding = bindingOf(field);
    return binding ? binding->control : nullptr;
}

QLineEdit *EditorDialog::boxFor(const RecordField &field) const
{
    return qobject_cast<QLineEdit *>(controlFor(field));
}

int EditorDialog::shownIndex() const
{
    const QList<QListWidgetItem *> selected = m_records->selectedItems();
    return selected.isEmpty() ? -1 : m_records->row(selected.first());
}

void EditorDialog::showField(const RecordField &field, std::int64_t value)
{
    QWidget *control = controlFor(field);
    if (auto *box = qobject_cast<QLineEdit *>(control))
        showNumber(box, value);
    else if (control)
        control->metaObject()->userProperty().write(control, QVariant::fromValue(int(value)));
}

// The field's number as its control holds it; a text that does not convert
// is noted in check under the field's caption ("HP:").
std::optional<std::int64_t> EditorDialog::takeField(FieldCheck &check,
                                                    const RecordField &field) const
{
    const Binding *binding = bindingOf(field);
    if (!binding)
        return std::nullopt;
    if (auto *box = qobject_cast<QLineEdit *>(binding->control))
        return check.take(caption(field).toStdString(), box->text().toStdString(),
                          binding->accepted.minimum, binding->accepted.maximum);
    return binding->control->metaObject()->userProperty().read(binding->control).toLongLong();
}

void EditorDialog::applyChecked(const FieldCheck &check, const RomWrites &writes)
{
    if (!check.ok()) {
        warn(QString::fromStdString(check.message()));
        return;
    }
    const ApplyResult result = applyWrites(m_rom, m_snapshot, writes);
    if (!result.ok())
        warn(QString::fromStdString(result.message));
    if (result.status == ApplyResult::ReadBackFailed)
        clearRecord(); // as any record that fails to read
}

void EditorDialog::clearRecord()
{
    m_snapshot = RecordSnapshot();
    for (QLineEdit *box : findChildren<QLineEdit *>())
        box->clear();
    for (QButtonGroup *group : findChildren<QButtonGroup *>())
        uncheckAll(group);
    for (QComboBox *box : findChildren<QComboBox *>()) {
        box->setPlaceholderText({}); // Qt then shows entry 0, which the next line takes away
        box->setToolTip({});
        box->setCurrentIndex(-1);
    }
    ApplyCMD->setEnabled(false);
}

void EditorDialog::tabOrder(const std::vector<QWidget *> &order)
{
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void EditorDialog::warn(const QString &text)
{
    m_desktop.showMessage(isVisible() ? this : parentWidget(), Program::title(), text,
                          QMessageBox::Warning);
}

void EditorDialog::closeWhileOpening()
{
    m_closedWhileOpening = !isVisible();
    reject();
}

void EditorDialog::CancelCMD_Click()
{
    reject();
}

void EditorDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
