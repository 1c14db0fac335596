#pragma once

#include <QDialog>

class QPushButton;

// What the three editor windows share as dialogs. Enter presses only the
// button that has the focus: in a text box it neither writes the file nor
// closes the window and drops the edits. Esc closes without writing.
class EditorDialog : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    // "Apply" and "Cancel": named for tests, announced by their caption, and
    // never the dialog's default button.
    QPushButton *createButton(const QString &caption, const char *name);
    void keyPressEvent(QKeyEvent *event) override;
};
