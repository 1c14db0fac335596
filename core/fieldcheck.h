#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Converts every field that "Apply" writes before the first write, and
// collects the fields that do not convert into one message for the user.
class FieldCheck
{
public:
    // The field's value, or 0 (and a problem noted) when the text does not convert.
    std::int64_t take(std::string_view label, std::string_view text, std::int64_t min,
                      std::int64_t max);
    bool ok() const { return m_problems.empty(); }
    std::string message() const;

private:
    std::vector<std::string> m_problems;
};
