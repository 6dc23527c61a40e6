#include "stats/ohm_units.h"

#include <charconv>
#include <cmath>

namespace stats {

OhmUnit unit_for(double ohms) {
    const double magnitude = std::abs(ohms);
    if (magnitude < 1.0) return {"mOhm", 1000.0};
    if (magnitude < 1000.0) return {"Ohm", 1.0};
    return {"kOhm", 0.001};
}

std::string number_text(double value, int significant) {
    char text[64];
    auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, significant);
    if (error != std::errc()) return {};
    return std::string(text, end);
}

std::string figure_text(const std::optional<double>& ohms, const OhmUnit& unit, int significant) {
    if (!ohms) return "-";
    return number_text(*ohms * unit.per_ohm, significant) + " " + unit.name;
}

double text_resolution(std::string_view value_text) {
    std::size_t i = value_text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return 0.0;
    if (value_text[i] == '+' || value_text[i] == '-') ++i;
    int digits = 0, decimals = 0;
    bool point = false;
    for (; i < value_text.size(); ++i) {
        char c = value_text[i];
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            ++digits;
            if (point) ++decimals;
        } else {
            break;
        }
    }
    if (digits == 0) return 0.0;
    double per_unit = 1.0;
    std::size_t unit = value_text.find_first_not_of(' ', i);
    if (unit != std::string_view::npos && unit + 1 < value_text.size()) {
        if (value_text[unit] == 'm') per_unit = 1e-3;
        if (value_text[unit] == 'k') per_unit = 1e3;
    }
    return std::pow(10.0, -decimals) * per_unit;
}

}  // namespace stats
