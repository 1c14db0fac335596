#pragma once

#include "core/applywrites.h"
#include "core/recordtable.h"

#include <QDialog>
#include <QList>
#include <functional>
#include <optional>

class Desktop;
class FieldCheck;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class RomFile;

// What the three editor windows share: how they open, how their controls are
// made, and how a record goes from the file into the controls and back. Each
// window keeps only its controls, their arrangement and its records' own rules.
//
// Enter presses only the button that has the focus: in a text box it neither
// writes the file nor closes the window and drops the edits. Esc closes
// without writing.
class EditorDialog : public QDialog
{
    Q_OBJECT

public:
    // Turns every option of the group off, which an exclusive group refuses.
    static void uncheckAll(QButtonGroup *group);
    // Whether the window closed itself while it opened (a refused first record).
    bool closedWhileOpening() const { return m_closedWhileOpening; }

protected:
    EditorDialog(RomFile &rom, Desktop &desktop, const char *name, const QString &caption,
                 QWidget *parent);

    // ---- Controls ----

    // "Apply" and "Cancel": named for tests, announced by their caption, and
    // never the dialog's default button.
    QPushButton *createButton(const QString &caption, const char *name);
    // A text box for a number; the user may type at most typingLimit characters
    // (none when 0), while a loaded value always shows whole.
    static QLineEdit *createNumberBox(QWidget *parent, const char *name,
                                      const QString &accessibleName, int typingLimit);
    // The label that names control, to the eye and to a screen reader.
    static QLabel *labelFor(QWidget *control, const QString &text);
    // As wide as the window's design says (in twips), and never too narrow to
    // show the widest text the field can hold.
    static void setWidthFor(QLineEdit *box, const QString &widest, int designTwips);
    // The grey look of a box the user does not type into.
    static void showReadOnly(QLineEdit *box);
    // Tabbing into the group lands on its chosen option, as on the Windows desktop.
    void enterAtChosen(QButtonGroup *group);

    // Pixels at 96 dots per inch for a size of the windows' design, given in twips.
    static constexpr int twips(int size) { return size / 15; }

    // ---- Records ----

    // Reads the record at index and remembers its bytes for "Apply"'s check.
    template <class Record> std::optional<Record> readShownRecord(int index)
    {
        return readRecord<Record>(m_rom, index, m_snapshot);
    }
    static void showNumber(QLineEdit *box, std::int64_t value);
    // The box's number for "Apply"; a text that does not convert is noted in check.
    static std::int64_t take(FieldCheck &check, const QLineEdit *box, std::int64_t min,
                             std::int64_t max, const QString &label = {});
    // "Apply": writes nothing unless every field converted, and reports any refusal.
    void applyRecord(const FieldCheck &check, const RomWrites &writes);
    // No record is shown (none selected, or it could not be read): no value of
    // another record stays in a box or an option, and apply stays off.
    void clearRecord(QPushButton *apply);
    // A click on the record shown, or Enter or Space on it in the list, loads
    // it again: after another program changed it, that is how the user takes
    // the file's values. shownRow gives the list position of the record shown,
    // or -1.
    void watchRecordList(QListWidget *list, std::function<int()> shownRow,
                         std::function<void()> reload);

    // A warning box over this window, or over the one beneath while it opens.
    void warn(const QString &text);
    // Closes the window as it opens, so that it is never shown.
    void closeWhileOpening();

    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    RomFile &m_rom;

private:
    Desktop &m_desktop;
    RecordSnapshot m_snapshot;
    bool m_closedWhileOpening = false;
    QList<QButtonGroup *> m_groups;
    QListWidget *m_list = nullptr;
    std::function<int()> m_shownRow;
    std::function<void()> m_reload;
    int m_rowAtPress = -1;
};

// Creates an editor window afresh and shows it modally over parent, unless it
// closed itself while it opened.
template <class Form> void openEditor(QWidget *parent, RomFile &rom, Desktop &desktop)
{
    Form window(rom, desktop, parent);
    if (!window.closedWhileOpening())
        window.exec();
}
