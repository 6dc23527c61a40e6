// Settings that need nothing but a range test get their command and query from one
// table row: "DISPlay:RANGe 1" sets the field, "DISPlay:RANGe?" answers it.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "sim/dispatcher.h"
#include "sim/instrument_state.h"
#include "sim/request.h"

namespace tarvolux::sim {

using FlagField = std::function<bool&(InstrumentState&)>;
using IntegerField = std::function<int&(InstrumentState&)>;

// Answers 0 or 1; takes ON, OFF, 0 or 1.
void add_flag_setting(Dispatcher& dispatcher, std::string_view pattern, FlagField field);
void add_integer_setting(Dispatcher& dispatcher, std::string_view pattern, long min, long max,
                         IntegerField field);

// A setting that takes one of the keywords; the query answers the keyword's word.
// `keywords` lists them in the order of the enumeration.
template <class Enum>
void add_choice_setting(Dispatcher& dispatcher, std::string_view pattern,
                        std::span<const Keyword> keywords,
                        std::function<Enum&(InstrumentState&)> field);

// Hours, minutes and seconds from three parameters starting at `first`.
struct ClockFields {
    int hours;
    int minutes;
    int seconds;
};
std::optional<ClockFields> clock_args(Request& r, std::size_t first, long hours_max);

// The query of a command pattern: '?' after each of its spellings.
std::string query_pattern(std::string_view pattern);

template <class Enum>
void add_choice_setting(Dispatcher& dispatcher, std::string_view pattern,
                        std::span<const Keyword> keywords,
                        std::function<Enum&(InstrumentState&)> field) {
    dispatcher.add(pattern, [keywords, field](Request& r) {
        if (const auto position = r.choice_arg(0, keywords))
            field(r.state) = static_cast<Enum>(*position);
    });
    dispatcher.add(query_pattern(pattern), [keywords, field](Request& r) {
        r.reply(std::string(keywords[static_cast<std::size_t>(field(r.state))].answer));
    });
}

}  // namespace tarvolux::sim
