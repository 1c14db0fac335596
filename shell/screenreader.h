#pragma once

// What a control shows, a screen reader reads, in every window: one rule for
// the whole program, installed once after the application object exists.
//
// Qt's own interfaces already give a text box's text (as its value and text),
// a label's text (as its name, unless it has a name of its own) and the rows of
// a list or tree (as the names of its cells). A drop-down list is given here:
// its name stays its own ("Drop item 1", or its label), and what it shows (the
// picked entry, or the placeholder naming a stored value that has no entry) is
// its value, which Windows passes on, and its text, where Orca looks for a
// drop-down list's value. A box whose shown text changes without a change of
// entry (a new placeholder) raises the value-change event itself.
namespace ScreenReader {

void install();

} // namespace ScreenReader
