#include "shell/TypingLimit.h"

#include <QLineEdit>

TypingLimit::TypingLimit(int limit, QLineEdit *box) : QValidator(box), m_limit(limit)
{
    m_shown = box->text().size();
    // The box checks an edit before it reports the new text, so m_shown holds
    // the length before the edit whenever validate() runs.
    connect(box, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_shown = text.size(); });
    box->setValidator(this);
}

QValidator::State TypingLimit::validate(QString &input, int &) const
{
    return input.size() <= std::max<qsizetype>(m_limit, m_shown) ? Acceptable : Invalid;
}

void TypingLimit::showText(QLineEdit *box, const QString &text)
{
    if (auto *limit = box->findChild<TypingLimit *>(QString(), Qt::FindDirectChildrenOnly))
        limit->m_shown = std::max(limit->m_shown, text.size());
    box->setText(text);
}
