#include "monsters/typinglimit.h"

#include <QLineEdit>

#include <algorithm>

TypingLimit::TypingLimit(int limit, QObject *parent)
    : QValidator(parent), m_limit(limit), m_room(limit)
{
}

void TypingLimit::show(QLineEdit *box, const QString &text)
{
    if (auto *limit = qobject_cast<const TypingLimit *>(box->validator()))
        limit->m_room = std::max(limit->m_limit, int(text.size()));
    box->setText(text);
}

QValidator::State TypingLimit::validate(QString &input, int &) const
{
    if (input.size() > m_room)
        return Invalid;
    m_room = std::max(m_limit, int(input.size()));
    return Acceptable;
}
