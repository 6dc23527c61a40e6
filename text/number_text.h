// Numbers to and from text independent of the process locale: the Qt program runs
// under the operator's locale, where printf and strtod would use a decimal comma, but
// instrument answers, records and export files always use '.'.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace text {

// Fixed-point with `decimals` digits after the point, like "%.*f" in the C locale.
std::string format_fixed(double value, int decimals);

// The number at the start of `text` (after leading blanks or tabs), read up to the first
// character that cannot belong to it; nullopt when no number starts there.
std::optional<double> parse_leading_number(std::string_view text);
std::optional<long> parse_leading_integer(std::string_view text);

// A number the operator typed: the whole text (blanks around it allowed) must be one
// finite number; a decimal comma counts as a point. nullopt for "12abc", "abc", "",
// "1,2,3" and the like.
std::optional<double> parse_typed_number(std::string_view text);

}  // namespace text
