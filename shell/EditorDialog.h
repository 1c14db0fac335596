#pragma once

#include "core/applywrites.h"
#include "core/recordtable.h"

#include <QDialog>
#include <optional>

class Desktop;
class FieldCheck;
class QPushButton;
class RomFile;

// The life of the record an editor window shows: read from the file (its
// bytes kept for "Apply"'s check), applied back, or cleared from the window.
// The controls come from EditorControls; each window keeps only its controls,
// their arrangement and its records' own rules.
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

    // Reads the record at index to show it and remembers its bytes for
    // "Apply"'s check; apply goes on. When the read fails, nothing: the window
    // is cleared (clearRecord).
    template <class Record> std::optional<Record> readShownRecord(int index, QPushButton *apply)
    {
        m_apply = apply;
        auto record = readRecord<Record>(m_rom, index, m_snapshot);
        if (record)
            enableApply(apply);
        else
            clearRecord(apply);
        return record;
    }
    // "Apply": writes nothing unless every field converted, and reports any refusal.
    void applyRecord(const FieldCheck &check, const RomWrites &writes);
    // No record is shown (none selected, or it could not be read, or read back
    // after "Apply"): no value of another record stays in a box, a list or an
    // option, and apply stays off.
    void clearRecord(QPushButton *apply);

    // A warning box over this window, or over the one beneath while it opens.
    void warn(const QString &text);
    // Closes the window as it opens, so that it is never shown.
    void closeWhileOpening();

    void keyPressEvent(QKeyEvent *event) override;

    RomFile &m_rom;

private:
    static void enableApply(QPushButton *apply);

    Desktop &m_desktop;
    RecordSnapshot m_snapshot;
    QPushButton *m_apply = nullptr; // of the record shown
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
