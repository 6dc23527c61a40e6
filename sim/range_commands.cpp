#include "sim/range_commands.h"

#include <optional>

#include "sim/request.h"

namespace tarvolux::sim {

namespace {

MeasurementSettings& settings(Request& r) {
    return r.state.settings.measurement;
}

std::optional<int> range_arg(Request& r) {
    const auto text = r.text_arg(0);
    if (!text) return std::nullopt;
    const auto range = range_of_text(*text);
    if (!range) r.fail(ScpiError::DataOutOfRange);
    return range;
}

void reply_range(Request& r, int range) {
    r.reply(range_spec(range).text);
}

// The range in use: the one automatic ranging chose for the last value, else the
// fixed one.
int current_range(Request& r) {
    return settings(r).auto_range ? r.state.run.range : settings(r).manual_range;
}

}  // namespace

void RangeCommands::install(Dispatcher& dispatcher) {
    using R = RangeCommands;
    static const CommandSpec<R> table[] = {
        {"[SENSe]:FRESistance:RANGe:AUTO", &R::set_auto},
        {"[SENSe]:FRESistance:RANGe:AUTO?", &R::read_auto},
        {"[SENSe]:FRESistance:RANGe:MANual", &R::set_manual},
        {"[SENSe]:FRESistance:RANGe:MANual?", &R::read_manual},
        {"[SENSe]:FRESistance:RANGe:LOWer", &R::set_low},
        {"[SENSe]:FRESistance:RANGe:LOWer?", &R::read_low},
        {"[SENSe]:FRESistance:RANGe:UPPer", &R::set_high},
        {"[SENSe]:FRESistance:RANGe:UPPer?", &R::read_high},
        {"[SENSe]:FRESistance:RANGe?", &R::read_current},
    };
    add_commands(dispatcher, *this, table);
}

void RangeCommands::set_auto(Request& r) {
    if (const auto on = r.bool_arg(0)) settings(r).auto_range = *on;
}

// The state and the range in use: "1,20OHM".
void RangeCommands::read_auto(Request& r) {
    r.reply(std::string(settings(r).auto_range ? "1," : "0,") + range_spec(current_range(r)).text);
}

// As in SCPI, choosing a range ends automatic ranging.
void RangeCommands::set_manual(Request& r) {
    if (const auto range = range_arg(r)) {
        settings(r).manual_range = *range;
        settings(r).auto_range = false;
    }
}

void RangeCommands::read_manual(Request& r) {
    reply_range(r, settings(r).manual_range);
}

// The limits are coupled: a lower limit above the upper one takes the upper one
// along, so that the two can be sent in either order.
void RangeCommands::set_low(Request& r) {
    if (const auto range = range_arg(r)) {
        settings(r).auto_low = *range;
        if (settings(r).auto_high < *range) settings(r).auto_high = *range;
    }
}

void RangeCommands::read_low(Request& r) {
    reply_range(r, settings(r).auto_low);
}

void RangeCommands::set_high(Request& r) {
    if (const auto range = range_arg(r)) {
        settings(r).auto_high = *range;
        if (settings(r).auto_low > *range) settings(r).auto_low = *range;
    }
}

void RangeCommands::read_high(Request& r) {
    reply_range(r, settings(r).auto_high);
}

void RangeCommands::read_current(Request& r) {
    reply_range(r, current_range(r));
}

}  // namespace tarvolux::sim
