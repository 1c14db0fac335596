#pragma once

#include "core/applywrites.h"
#include "core/fieldcheck.h"
#include "core/recordtable.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <optional>
#include <vector>

class Desktop;
class QLineEdit;
class RomFile;

// The record list of an editor: its name, what it is called to a screen
// reader, its longest entry and its size in the window's design (twips).
struct RecordList
{
    const char *name;
    const char *description;
    const char *longestEntry;
    int width;
    int height;
};

// A number box bound to the field it shows: its name, the field, and how many
// characters the user may type (none when 0: a read-only box). Its caption is
// the field's ("HP:") unless another is given; Apply accepts the field's range
// unless the window's rules give a wider one.
struct NumberBox
{
    struct Range
    {
        std::int64_t minimum, maximum;
    };
    const char *name;
    const RecordField &field;
    int typingLimit;
    QString caption = {};
    std::optional<Range> accepted = {};
};

// What every editor window shares: the record list with "Apply" and "Cancel",
// the controls bound to the fields of the record shown, and that record's
// life: read from the file (its bytes kept for "Apply"'s check), shown in the
// bound controls, taken from them and applied, or cleared from the window.
// Loading and "Apply" go through the record's own field list, so a window
// states each field once, in its layout; what stays in a window is its own.
//
// Enter presses only the button that has the focus: in a text box it neither
// writes the file nor closes the window and drops the edits. Esc closes
// without writing.
class EditorDialog : public QDialog
{
    Q_OBJECT

public:
    // Whether the window closed itself while it opened (a refused first record).
    bool closedWhileOpening() const { return m_closedWhileOpening; }

protected:
    EditorDialog(RomFile &rom, Desktop &desktop, const char *name, const QString &caption,
                 QWidget *parent);

    // The record list, "Apply" and "Cancel", each connected: a change of the
    // list's selection, by the user or the window, runs select, and so does a
    // click, Enter or Space on the record shown, to load it again; "Apply"
    // runs apply, "Cancel" CancelCMD_Click.
    template <class Form>
    QListWidget *makeRecordControls(const RecordList &list, void (Form::*select)(),
                                    void (Form::*apply)())
    {
        QListWidget *records = makeRecordList(list);
        auto *form = static_cast<Form *>(this);
        connect(records, &QListWidget::itemSelectionChanged, form, select);
        watchForReload(records, [form, select] { (form->*select)(); });
        connect(ApplyCMD, &QPushButton::clicked, form, apply);
        return records;
    }

    QLineEdit *addNumberBox(QWidget *parent, const NumberBox &box);
    // Binds a control whose user property holds a field's number (an item
    // box's id) to that field, named and called caption.
    void bind(QWidget *control, const char *name, const RecordField &field, const QString &caption);
    QWidget *controlFor(const RecordField &field) const;
    QLineEdit *boxFor(const RecordField &field) const;

    // The selected record's index, or -1.
    int shownIndex() const;
    // Reads record index, keeps its bytes for "Apply"'s check and turns Apply
    // on; when the read fails, nothing, and the window is cleared.
    template <class Record> std::optional<Record> readShownRecord(int index)
    {
        auto record = readRecord<Record>(m_rom, index, m_snapshot);
        if (record)
            ApplyCMD->setEnabled(true);
        else
            clearRecord();
        return record;
    }
    // Shows every bound field of record.
    template <class Record> void showFields(const Record &record)
    {
        RecordFields::each(record, [this](const RecordField &field, const auto &member) {
            if (const auto value = RecordFields::valueOf(member))
                showField(field, *value);
        });
    }
    void showField(const RecordField &field, std::int64_t value);
    // "Apply": every bound field taken into record (which holds what the
    // window's own rules set), nothing written unless all convert, any
    // refusal reported.
    template <class Record> void applyShown(int index, Record record)
    {
        FieldCheck check;
        RecordFields::each(record, [&](const auto &field, auto &member) {
            if constexpr (std::remove_cvref_t<decltype(field)>::written)
                if (const auto value = takeField(check, field))
                    RecordFields::set(member, *value);
        });
        applyChecked(check, recordWrites(index, record));
    }
    // No record is shown (none selected, or it could not be read, or read back
    // after "Apply"): no value of another record stays in a box, a list or an
    // option, and "Apply" stays off.
    void clearRecord();

    // The order Tab visits the controls in.
    void tabOrder(const std::vector<QWidget *> &order);
    // A warning box over this window, or over the one beneath while it opens.
    void warn(const QString &text);
    // Closes the window as it opens, so that it is never shown.
    void closeWhileOpening();
    void CancelCMD_Click();

    void keyPressEvent(QKeyEvent *event) override;

    RomFile &m_rom;
    QPushButton *ApplyCMD = nullptr;
    QPushButton *CancelCMD = nullptr;

private:
    struct Binding
    {
        const RecordField *field;
        QWidget *control;
        NumberBox::Range accepted;
    };

    QListWidget *makeRecordList(const RecordList &list);
    void watchForReload(QListWidget *records, std::function<void()> reload);
    std::optional<std::int64_t> takeField(FieldCheck &check, const RecordField &field) const;
    void applyChecked(const FieldCheck &check, const RomWrites &writes);
    const Binding *bindingOf(const RecordField &field) const;

    Desktop &m_desktop;
    QListWidget *m_records = nullptr;
    std::vector<Binding> m_bindings;
    RecordSnapshot m_snapshot;
    bool m_closedWhileOpening = false;
};

// Creates an editor window afresh and shows it modally over parent, unless it
// closed itself while it opened.
template <class Form> void openEditor(QWidget *parent, RomFile &rom, Desktop &desktop)
{
    Form window(rom, desktop, parent);
    if (!window.closedWhileOpening())
        window.exec();
}
