#include "core/numbertext.h"

#include <cctype>

namespace {

// Large enough for any field; longer whole parts are simply out of range.
constexpr std::size_t maxWholeDigits = 18;

struct Decimal
{
    bool negative = false;
    std::string_view whole;    // digits before the point, may be empty
    std::string_view fraction; // digits after the point, may be empty
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool allDigits(std::string_view text)
{
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

std::optional<Decimal> parse(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    Decimal number;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto point = text.find('.');
    number.whole = text.substr(0, point);
    if (point != std::string_view::npos)
        number.fraction = text.substr(point + 1);
    if (number.whole.empty() && number.fraction.empty())
        return std::nullopt;
    if (!allDigits(number.whole) || !allDigits(number.fraction))
        return std::nullopt;
    while (number.whole.size() > 1 && number.whole.front() == '0')
        number.whole.remove_prefix(1);
    return number;
}

bool fractionIsZero(std::string_view fraction)
{
    return fraction.find_first_not_of('0') == std::string_view::npos;
}

std::int64_t wholeValue(std::string_view digits)
{
    std::int64_t value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// Rounds the magnitude half to even; the sign is applied afterwards, so -2.5 gives -2.
std::int64_t roundedMagnitude(const Decimal &number)
{
    std::int64_t value = wholeValue(number.whole);
    if (number.fraction.empty())
        return value;
    const char first = number.fraction.front();
    const bool restZero = fractionIsZero(number.fraction.substr(1));
    if (first > '5' || (first == '5' && !restZero) || (first == '5' && value % 2 == 1))
        ++value;
    return value;
}

} // namespace

namespace NumberText {

std::string fromValue(std::int64_t value)
{
    return std::to_string(value);
}

std::optional<std::int64_t> toValue(std::string_view text, std::int64_t min, std::int64_t max)
{
    const auto number = parse(text);
    if (!number || number->whole.size() > maxWholeDigits)
        return std::nullopt;
    const std::int64_t magnitude = roundedMagnitude(*number);
    const std::int64_t value = number->negative ? -magnitude : magnitude;
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

bool isAbove(std::string_view text, std::int64_t limit)
{
    const auto number = parse(text);
    if (!number)
        return false;
    if (number->negative)
        return false; // every cap is a limit of zero or more
    if (number->whole.size() > maxWholeDigits)
        return true;
    const std::int64_t whole = wholeValue(number->whole);
    return whole > limit || (whole == limit && !fractionIsZero(number->fraction));
}

} // namespace NumberText
