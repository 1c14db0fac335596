#pragma once

#include <QDialog>
#include <functional>

class QButtonGroup;
class QListWidget;
class QPushButton;

// What the three editor windows share as dialogs. Enter presses only the
// button that has the focus: in a text box it neither writes the file nor
// closes the window and drops the edits. Esc closes without writing.
class EditorDialog : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;

    // Turns every option of the group off, which an exclusive group refuses.
    static void uncheckAll(QButtonGroup *group);

protected:
    // "Apply" and "Cancel": named for tests, announced by their caption, and
    // never the dialog's default button.
    QPushButton *createButton(const QString &caption, const char *name);

    // A click on the record shown, or Enter or Space on it in the list, loads
    // it again: after another program changed it, that is how the user takes
    // the file's values. shownRow gives the list position of the record shown,
    // or -1.
    void watchRecordList(QListWidget *list, std::function<int()> shownRow,
                         std::function<void()> reload);
    // A record that could not be read: no value of another record stays in a
    // box or an option, and apply stays off until a record loads.
    void clearRecord(QPushButton *apply);

    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidget *m_list = nullptr;
    std::function<int()> m_shownRow;
    std::function<void()> m_reload;
    int m_rowAtPress = -1;
};
