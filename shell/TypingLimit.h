#pragma once

#include <QValidator>

class QLineEdit;

// Bounds how many characters the user can type into a text box, while text the
// program shows there stays whole (QLineEdit's own maximum length would cut a
// loaded "-32768" to "-327", and "Apply" would then store -327). Deleting is
// always allowed; typing may not make the text longer than the limit, nor
// longer than it already is.
class TypingLimit : public QValidator
{
public:
    TypingLimit(int limit, QLineEdit *box);

    State validate(QString &input, int &position) const override;

    // Puts text into box whole, whatever its typing limit.
    static void showText(QLineEdit *box, const QString &text);

private:
    int m_limit;
    qsizetype m_shown = 0; // length of the text before the edit being checked
};
