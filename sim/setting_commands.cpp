#include "sim/setting_commands.h"

#include "sim/request.h"

namespace tarvolux::sim {

void add_flag_setting(Dispatcher& dispatcher, std::string_view pattern, FlagField field) {
    dispatcher.add(pattern, [field](Request& r) {
        if (const auto on = r.bool_arg(0)) field(r.state) = *on;
    });
    dispatcher.add(query_pattern(pattern),
                   [field](Request& r) { r.reply(field(r.state) ? "1" : "0"); });
}

void add_integer_setting(Dispatcher& dispatcher, std::string_view pattern, long min, long max,
                         IntegerField field) {
    dispatcher.add(pattern, [field, min, max](Request& r) {
        if (const auto value = r.integer_arg(0, min, max))
            field(r.state) = static_cast<int>(*value);
    });
    dispatcher.add(query_pattern(pattern),
                   [field](Request& r) { r.reply(std::to_string(field(r.state))); });
}

std::optional<ClockFields> clock_args(Request& r, std::size_t first, long hours_max) {
    const auto hours = r.integer_arg(first, 0, hours_max);
    if (!hours) return std::nullopt;
    const auto minutes = r.integer_arg(first + 1, 0, 59);
    if (!minutes) return std::nullopt;
    const auto seconds = r.integer_arg(first + 2, 0, 59);
    if (!seconds) return std::nullopt;
    return ClockFields{static_cast<int>(*hours), static_cast<int>(*minutes),
                       static_cast<int>(*seconds)};
}

std::string query_pattern(std::string_view pattern) {
    std::string query;
    for (const char c : pattern) {
        if (c == '|') query += '?';
        query += c;
    }
    return query + '?';
}

}  // namespace tarvolux::sim
