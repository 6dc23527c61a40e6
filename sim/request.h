// One command line as a handler sees it: the header it was matched by, its
// parameters, and the answer it gives. The parameter readers report malformed or
// missing parameters to the error queue themselves, so a handler only checks whether
// it got a value. Parameters the handler never looked at count as "Parameter not
// allowed", which also rejects parameters given to a command that takes none.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sim/instrument_state.h"

namespace tarvolux::sim {

struct UnitFactor;

// A keyword parameter: its spellings in SCPI notation ("MOVing") and the word a query
// answers for it.
struct Keyword {
    std::string_view pattern;
    std::string_view answer;
};

class Request {
  public:
    Request(std::string_view header, std::string_view params, InstrumentState& state);

    InstrumentState& state;

    std::string_view header() const { return header_; }

    std::size_t arg_count() const { return args_.size(); }
    // The parameter text, whole (for texts that may hold commas); marks all as used.
    std::string_view all_params();
    std::optional<std::string_view> text_arg(std::size_t index);
    // Numbers are read without regard to the process locale. Integers accept a
    // decimal fraction and round it, as SCPI instruments do.
    std::optional<long> integer_arg(std::size_t index, long min, long max);
    std::optional<double> real_arg(std::size_t index, double min, double max);
    // A number with an optional unit suffix, scaled to the stored unit before the range
    // test ("4.5MA", "12MOHM").
    std::optional<double> quantity_arg(std::size_t index, double min, double max,
                                       std::span<const UnitFactor> units);
    // ON/OFF, or 0/1.
    std::optional<bool> bool_arg(std::size_t index);
    // One of the keywords; its position in the list.
    std::optional<std::size_t> choice_arg(std::size_t index, std::span<const Keyword> keywords);
    // A name or label: may be empty, at most `max_length` characters, no blanks.
    std::optional<std::string_view> label_arg(std::size_t index, std::size_t max_length);

    void reply(std::string text);
    void fail(ScpiError error);
    bool failed() const { return failed_; }

    // Checks for unused parameters; the answer to send, if the command succeeded and
    // gave one.
    std::optional<std::string> finish();

  private:
    std::string_view header_;
    std::string_view params_;
    std::vector<std::string_view> args_;
    std::size_t used_ = 0;
    bool all_used_ = false;
    bool failed_ = false;
    std::optional<std::string> answer_;
};

// A line split into header and parameters: the header ends at the first blank, the
// parameters start after any run of blanks and lose trailing blanks.
struct SplitLine {
    std::string_view header;
    std::string_view params;
};
SplitLine split_line(std::string_view line);

// A number in SCPI decimal notation ([+-]digits[.digits][E[+-]digits]); nothing else.
std::optional<double> parse_number(std::string_view text);
// A number followed by one of the suffixes (any case), multiplied by its factor; a
// bare number takes factor 1.
std::optional<double> parse_quantity(std::string_view text, std::span<const UnitFactor> units);

}  // namespace tarvolux::sim
