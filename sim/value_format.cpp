#include "sim/value_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "sim/request.h"

namespace tarvolux::sim {

namespace {

constexpr std::array<RangeSpec, RANGE_COUNT> RANGES{{
    {1, "200MOHM", 0.2, "MOHM", 1e-3},
    {2, "2OHM", 2.0, "OHM", 1.0},
    {3, "20OHM", 20.0, "OHM", 1.0},
    {4, "200OHM", 200.0, "OHM", 1.0},
    {5, "2KOHM", 2e3, "KOHM", 1e3},
    {6, "20KOHM", 2e4, "KOHM", 1e3},
    {7, "200KOHM", 2e5, "KOHM", 1e3},
}};

constexpr UnitFactor RESISTANCE_UNITS[] = {{"OHM", 1.0}, {"MOHM", 1e-3}, {"KOHM", 1e3}};

// Digits of a value in a range's unit: the rounded number as an integer count of the
// last digit shown, and how many digits follow the point.
struct Digits {
    long long counts;
    int decimals;
};

double power_of_ten(int n) {
    return std::pow(10.0, n);
}

int significant_digits(Resolution resolution) {
    return resolution == Resolution::Fine ? 5 : 4;
}

// The finest digit a range shows: the fine resolution splits the full scale into
// 200000 steps, the coarse one into 20000.
int max_decimals(const RangeSpec& range, Resolution resolution) {
    const int integer_digits =
        static_cast<int>(std::floor(std::log10(range.full_scale / range.unit_ohms))) + 1;
    return (resolution == Resolution::Fine ? 6 : 5) - integer_digits;
}

long long round_counts(double magnitude, int decimals) {
    return std::llround(magnitude * power_of_ten(decimals));
}

// The instrument shows a fixed number of significant digits, but never a digit finer
// than the range resolves.
Digits digits_for(double magnitude, const RangeSpec& range, Resolution resolution) {
    const int finest = max_decimals(range, resolution);
    const int significant = significant_digits(resolution);
    int decimals = finest;
    if (magnitude > 0) {
        const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
        decimals = std::clamp(significant - 1 - exponent, 0, finest);
    }
    long long counts = round_counts(magnitude, decimals);
    // Rounding up into the next decade (9.99996 -> 10.0000) would add a digit.
    if (decimals > 0 && counts >= std::llround(power_of_ten(significant))) {
        --decimals;
        counts = round_counts(magnitude, decimals);
    }
    return {counts, decimals};
}

bool fits(const Digits& digits, const RangeSpec& range) {
    return digits.counts < round_counts(range.full_scale / range.unit_ohms, digits.decimals);
}

std::string write(const Digits& digits, bool negative, bool plus_sign, const RangeSpec& range) {
    std::string number = std::to_string(digits.counts);
    if (digits.decimals > 0) {
        const auto width = static_cast<std::size_t>(digits.decimals) + 1;
        if (number.size() < width) number.insert(0, width - number.size(), '0');
        number.insert(number.size() - static_cast<std::size_t>(digits.decimals), 1, '.');
    }
    if (negative && digits.counts != 0) {
        number.insert(0, 1, '-');
    } else if (plus_sign) {
        number.insert(0, 1, '+');
    }
    return number + range.unit;
}

std::string to_chars_text(double value, std::chars_format format, std::optional<int> precision) {
    if (value == 0) value = 0;  // no "-0"
    char buffer[64];
    const auto result =
        precision ? std::to_chars(buffer, buffer + sizeof buffer, value, format, *precision)
                  : std::to_chars(buffer, buffer + sizeof buffer, value, format);
    if (result.ec != std::errc{}) return "0";
    return std::string(buffer, result.ptr);
}

}  // namespace

const RangeSpec& range_spec(int number) {
    if (number < 1 || number > RANGE_COUNT) throw std::out_of_range("range number");
    return RANGES[static_cast<std::size_t>(number - 1)];
}

std::optional<int> range_of_text(std::string_view text) {
    const auto ohms = parse_quantity(text, resistance_units());
    if (!ohms) return std::nullopt;
    for (const RangeSpec& range : RANGES) {
        if (std::fabs(*ohms - range.full_scale) <= range.full_scale * 1e-9) return range.number;
    }
    return std::nullopt;
}

std::span<const UnitFactor> resistance_units() {
    return RESISTANCE_UNITS;
}

std::string format_fixed(double value, int decimals) {
    return to_chars_text(value, std::chars_format::fixed, decimals);
}

std::string format_number(double value) {
    return to_chars_text(value, std::chars_format::fixed, std::nullopt);
}

std::optional<std::string> format_in_range(double ohms, int range, Resolution resolution) {
    const RangeSpec& scale = range_spec(range);
    const Digits digits = digits_for(std::fabs(ohms) / scale.unit_ohms, scale, resolution);
    if (!fits(digits, scale)) return std::nullopt;
    return write(digits, ohms < 0, false, scale);
}

std::optional<int> fitting_range(double ohms, Resolution resolution, int low, int high) {
    for (int range = low; range <= high; ++range) {
        if (format_in_range(ohms, range, resolution)) return range;
    }
    return std::nullopt;
}

std::string format_result(double ohms, Resolution resolution) {
    const int range = fitting_range(ohms, resolution).value_or(RANGE_COUNT);
    const RangeSpec& scale = range_spec(range);
    return write(digits_for(std::fabs(ohms) / scale.unit_ohms, scale, resolution), ohms < 0, false,
                 scale);
}

std::string format_deviation(double ohms, int range, Resolution resolution) {
    const RangeSpec& scale = range_spec(range);
    const int decimals = max_decimals(scale, resolution);
    const Digits digits{round_counts(std::fabs(ohms) / scale.unit_ohms, decimals), decimals};
    return write(digits, ohms < 0, true, scale);
}

std::string two_digit_fields(std::initializer_list<long> values) {
    std::string text;
    for (const long value : values) {
        if (!text.empty()) text += ',';
        const std::string digits = std::to_string(value < 0 ? -value : value);
        if (value < 0) text += '-';
        if (digits.size() < 2) text += '0';
        text += digits;
    }
    return text;
}

std::string format_setting(double ohms) {
    const double magnitude = std::fabs(ohms);
    const RangeSpec& scale = magnitude == 0    ? range_spec(2)
                            : magnitude < 1.0 ? range_spec(1)
                            : magnitude < 1e3 ? range_spec(2)
                                              : range_spec(5);
    std::string number = format_fixed(ohms / scale.unit_ohms, 6);
    while (number.back() == '0') number.pop_back();
    if (number.back() == '.') number.pop_back();
    if (number == "-0") number = "0";
    return number + scale.unit;
}

}  // namespace tarvolux::sim
