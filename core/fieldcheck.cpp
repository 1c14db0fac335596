#include "core/fieldcheck.h"

#include "core/numbertext.h"

std::int64_t FieldCheck::take(std::string_view label, std::string_view text, std::int64_t min,
                              std::int64_t max)
{
    if (const auto value = NumberText::toValue(text, min, max))
        return *value;
    m_problems.push_back(std::string(label) + " a number from " + NumberText::fromValue(min) +
                         " to " + NumberText::fromValue(max));
    return 0;
}

std::string FieldCheck::message() const
{
    std::string text = "Nothing was written. These fields need a number in their range:\n";
    for (const std::string &problem : m_problems)
        text += "\n" + problem;
    return text;
}
