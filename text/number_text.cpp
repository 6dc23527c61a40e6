#include "text/number_text.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace text {

namespace {

// Skips blanks and a leading '+', which from_chars does not accept. Returns the
// position of the number's first character, or npos when no digit or point follows.
std::size_t number_start(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return i;
    std::size_t sign = i;
    if (text[i] == '+' || text[i] == '-') ++i;
    if (i >= text.size()) return std::string_view::npos;
    bool digit = text[i] >= '0' && text[i] <= '9';
    bool point = text[i] == '.' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9';
    if (!digit && !point) return std::string_view::npos;
    return text[sign] == '+' ? sign + 1 : sign;
}

}  // namespace

std::string format_fixed(double value, int decimals) {
    char text[400];
    auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return {};
    return std::string(text, result.ptr);
}

std::optional<double> parse_leading_number(std::string_view text) {
    std::size_t start = number_start(text);
    if (start == std::string_view::npos) return std::nullopt;
    double value = 0;
    auto result = std::from_chars(text.data() + start, text.data() + text.size(), value);
    // Out of range (1e999): from_chars leaves no value to use.
    if (result.ec != std::errc()) return std::nullopt;
    return value;
}

std::optional<long> parse_leading_integer(std::string_view text) {
    std::size_t start = number_start(text);
    if (start == std::string_view::npos) return std::nullopt;
    long value = 0;
    auto result = std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (result.ec != std::errc()) return std::nullopt;
    return value;
}

std::optional<double> parse_typed_number(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    std::size_t last = text.find_last_not_of(" \t");
    std::string number(text.substr(first, last - first + 1));
    if (number.find(',') != std::string::npos) {
        if (number.find('.') != std::string::npos) return std::nullopt;
        number[number.find(',')] = '.';
    }
    const char* begin = number.data();
    const char* end = begin + number.size();
    if (*begin == '+' && ++begin < end && *begin == '-') return std::nullopt;
    double value = 0;
    auto result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace text
