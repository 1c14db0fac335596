#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How every editor shows a number and reads one back. A text is a number when
// it has optional blanks around an optional sign and digits with an optional
// fraction ("12", "-3", "2.5", ".5", "7."); nothing else is ("", "-", "1e3",
// "1,000", "0x10"). A fraction rounds to the nearest whole number, an exact
// half to the even neighbour, decided on the digits themselves.
namespace NumberText {

std::string fromValue(std::int64_t value);

// The rounded value of text when it is a number within min..max.
std::optional<std::int64_t> toValue(std::string_view text, std::int64_t min, std::int64_t max);

// True when text is a number whose exact value is greater than limit
// ("65535.5" is above 65535, "65535" is not).
bool isAbove(std::string_view text, std::int64_t limit);

} // namespace NumberText
