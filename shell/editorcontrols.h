#pragma once

#include "core/recordtable.h"

#include <QString>
#include <cstdint>

class FieldCheck;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// How the three editor windows make their controls and move numbers between
// them and a record, one way for all three.
namespace EditorControls {

// Pixels at 96 dots per inch for a size of the windows' design, given in twips.
constexpr int twips(int size)
{
    return size / 15;
}

// "Apply" and "Cancel": named for tests, announced by their caption, and
// never the dialog's default button.
QPushButton *createButton(QWidget *parent, const QString &caption, const char *name);
// The list of a table's records, one entry per record, picked one at a time.
QListWidget *createRecordList(QWidget *parent, const char *name, const QString &accessibleName);
// A text box for a number; the user may type at most typingLimit characters
// (none when 0), while a loaded value always shows whole.
QLineEdit *createNumberBox(QWidget *parent, const char *name, const QString &accessibleName,
                           int typingLimit);
// The label that names control, to the eye and to a screen reader.
QLabel *labelFor(QWidget *control, const QString &text);
// As wide as the window's design says (in twips), and never too narrow to
// show the widest text the field can hold.
void setWidthFor(QLineEdit *box, const QString &widest, int designTwips);
// The grey look of a box the user does not type into.
void showReadOnly(QLineEdit *box);
// Turns every option of the group off, which an exclusive group refuses.
void uncheckAll(QButtonGroup *group);

// What labels a field's control: its name and a colon ("HP:").
QString caption(const RecordField &field);
void showNumber(QLineEdit *box, std::int64_t value);
// The box's number for "Apply"; a text that does not convert is noted in
// check under label, or the box's accessible name when label is empty.
std::int64_t take(FieldCheck &check, const QLineEdit *box, std::int64_t min, std::int64_t max,
                  const QString &label = {});
// The box's number for field, in the field's range and type, noted under its caption.
template <class Value>
Value take(FieldCheck &check, const QLineEdit *box, const Field<Value> &field)
{
    return Value(take(check, box, field.minimum(), field.maximum(), caption(field)));
}

} // namespace EditorControls
