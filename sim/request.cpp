#include "sim/request.h"

#include <charconv>
#include <cctype>
#include <cmath>
#include <cstring>

#include "sim/dispatcher.h"
#include "sim/value_format.h"

namespace tarvolux::sim {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool same_text(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && (is_blank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> split_args(std::string_view params) {
    std::vector<std::string_view> args;
    if (params.empty()) return args;
    for (;;) {
        const std::size_t comma = params.find(',');
        args.push_back(trim(params.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        params.remove_prefix(comma + 1);
    }
    return args;
}

}  // namespace

SplitLine split_line(std::string_view line) {
    line = trim(line);
    std::size_t end = 0;
    while (end < line.size() && !is_blank(line[end])) ++end;
    return {line.substr(0, end), trim(line.substr(end))};
}

std::optional<double> parse_number(std::string_view text) {
    // from_chars accepts no leading '+' and, unlike strtod, also no "inf", "nan" or
    // hexadecimal forms we do not want; it ignores the locale.
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return std::nullopt;
    for (char c : text) {
        const bool allowed =
            (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!allowed) return std::nullopt;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> parse_quantity(std::string_view text, std::span<const UnitFactor> units) {
    const UnitFactor* unit = nullptr;
    for (const UnitFactor& candidate : units) {
        const std::string_view suffix = candidate.suffix;
        // The longest suffix wins: "MOHM" also ends in "OHM".
        if (text.size() > suffix.size() && (!unit || suffix.size() > std::strlen(unit->suffix)) &&
            same_text(text.substr(text.size() - suffix.size()), suffix))
            unit = &candidate;
    }
    if (unit) text = trim(text.substr(0, text.size() - std::strlen(unit->suffix)));
    const auto value = parse_number(text);
    if (!value) return std::nullopt;
    return *value * (unit ? unit->factor : 1.0);
}

Request::Request(std::string_view header, std::string_view params, InstrumentState& s)
    : state(s), header_(header), params_(params), args_(split_args(params)) {}

std::string_view Request::all_params() {
    all_used_ = true;
    return params_;
}

std::optional<std::string_view> Request::text_arg(std::size_t index) {
    if (index + 1 > used_) used_ = index + 1;
    if (index >= args_.size() || args_[index].empty()) {
        fail(ScpiError::MissingParameter);
        return std::nullopt;
    }
    return args_[index];
}

std::optional<double> Request::real_arg(std::size_t index, double min, double max) {
    const auto text = text_arg(index);
    if (!text) return std::nullopt;
    const auto value = parse_number(*text);
    if (!value) {
        fail(ScpiError::DataTypeError);
        return std::nullopt;
    }
    if (*value < min || *value > max) {
        fail(ScpiError::DataOutOfRange);
        return std::nullopt;
    }
    return value;
}

std::optional<double> Request::quantity_arg(std::size_t index, double min, double max,
                                            std::span<const UnitFactor> units) {
    const auto text = text_arg(index);
    if (!text) return std::nullopt;
    const auto value = parse_quantity(*text, units);
    if (!value) {
        fail(ScpiError::DataTypeError);
        return std::nullopt;
    }
    if (*value < min || *value > max) {
        fail(ScpiError::DataOutOfRange);
        return std::nullopt;
    }
    return value;
}

std::optional<bool> Request::bool_arg(std::size_t index) {
    const auto text = text_arg(index);
    if (!text) return std::nullopt;
    if (same_text(*text, "ON")) return true;
    if (same_text(*text, "OFF")) return false;
    const auto value = integer_arg(index, 0, 1);
    if (!value) return std::nullopt;
    return *value == 1;
}

std::optional<std::size_t> Request::choice_arg(std::size_t index,
                                               std::span<const Keyword> keywords) {
    const auto text = text_arg(index);
    if (!text) return std::nullopt;
    for (std::size_t position = 0; position < keywords.size(); ++position) {
        for (const std::string& spelling : Dispatcher::expand(keywords[position].pattern)) {
            if (same_text(*text, spelling)) return position;
        }
    }
    fail(ScpiError::IllegalParameterValue);
    return std::nullopt;
}

std::optional<std::string_view> Request::label_arg(std::size_t index, std::size_t max_length) {
    if (index + 1 > used_) used_ = index + 1;
    // An empty parameter list is one empty text: a label may be cleared.
    if (index >= args_.size() && !(index == 0 && args_.empty())) {
        fail(ScpiError::MissingParameter);
        return std::nullopt;
    }
    const std::string_view text = index < args_.size() ? args_[index] : std::string_view{};
    if (text.size() > max_length) {
        fail(ScpiError::DataOutOfRange);
        return std::nullopt;
    }
    if (text.find_first_of(" \t") != std::string_view::npos) {
        fail(ScpiError::IllegalParameterValue);
        return std::nullopt;
    }
    return text;
}

std::optional<long> Request::integer_arg(std::size_t index, long min, long max) {
    const auto value =
        real_arg(index, static_cast<double>(min) - 0.5, static_cast<double>(max) + 0.5);
    if (!value) return std::nullopt;
    const long rounded = std::lround(*value);
    if (rounded < min || rounded > max) {
        fail(ScpiError::DataOutOfRange);
        return std::nullopt;
    }
    return rounded;
}

void Request::reply(std::string text) {
    answer_ = std::move(text);
}

void Request::fail(ScpiError error) {
    // Only the first fault of a line is reported, as the line is rejected there.
    if (failed_) return;
    failed_ = true;
    state.report_error(error);
}

std::optional<std::string> Request::finish() {
    if (!failed_ && !all_used_ && used_ < args_.size()) fail(ScpiError::ParameterNotAllowed);
    if (failed_) return std::nullopt;
    return std::move(answer_);
}

}  // namespace tarvolux::sim
