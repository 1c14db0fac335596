#pragma once

#include "core/recordtable.h"

#include <QString>
#include <cstdint>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QWidget;

// How the editor windows size, label and fill their controls, one way for all.
namespace EditorControls {

// Pixels at 96 dots per inch for a size of the windows' design, given in twips.
constexpr int twips(int size)
{
    return size / 15;
}

// What labels a field's control: its name and a colon ("HP:").
QString caption(const RecordField &field);
// The label that names control, to the eye and to a screen reader.
QLabel *labelFor(QWidget *control, const QString &text);
// As wide as the window's design says (in twips), and never too narrow to
// show the widest text the field can hold.
void setWidthFor(QLineEdit *box, const QString &widest, int designTwips);
// The grey look of a box the user does not type into.
void showReadOnly(QLineEdit *box);
// The box that is labelled "Name:" but holds nothing: the records have no name.
QLineEdit *nameBox(QWidget *parent, int typingLimit);
// Turns every option of the group off, which an exclusive group refuses.
void uncheckAll(QButtonGroup *group);
void showNumber(QLineEdit *box, std::int64_t value);

} // namespace EditorControls
