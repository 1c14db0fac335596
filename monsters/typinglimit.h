#pragma once

#include <QValidator>

class QLineEdit;

// The most characters the user can type into a box. Unlike
// QLineEdit::maxLength it never cuts a text the program shows: a loaded HP of
// -2147483648 stays whole in an eight-character box, and while the text is
// longer than the limit the user can shorten it but not lengthen it.
class TypingLimit : public QValidator
{
    Q_OBJECT

public:
    TypingLimit(int limit, QObject *parent);

    // Puts text into box whole, whatever its length.
    static void show(QLineEdit *box, const QString &text);

    State validate(QString &input, int &pos) const override;

private:
    int m_limit;
    mutable int m_room; // the limit, or the length of a longer text the program showed
};
