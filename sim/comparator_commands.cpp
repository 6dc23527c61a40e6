#include "sim/comparator_commands.h"

#include "sim/limits_model.h"
#include "sim/request.h"
#include "sim/setting_commands.h"

namespace tarvolux::sim {

namespace {

constexpr Keyword FAULT_MODES[] = {{"NONE", "NONE"}, {"UPPer", "UPP"}};

// Limits may be negative: relative limits are deviations from the reference.
constexpr double LIMIT_MAX = 2e5;

ComparatorSettings& comparator(Request& r) {
    return r.state.settings.comparator;
}

}  // namespace

void ComparatorCommands::install(Dispatcher& dispatcher) {
    using C = ComparatorCommands;
    static const CommandSpec<C> table[] = {
        {"CALCulate:LIMit:COUNt", &C::set_count},
        {"CALCulate:LIMit:COUNt?", &C::read_count},
        {"CALCulate:LIMit:GW1", &C::set_limit<0>},
        {"CALCulate:LIMit:GW1?", &C::read_limit<0>},
        {"CALCulate:LIMit:GW2|CALCulate:LIMit:LOWer", &C::set_limit<1>},
        {"CALCulate:LIMit:GW2?|CALCulate:LIMit:LOWer?", &C::read_limit<1>},
        {"CALCulate:LIMit:GW3|CALCulate:LIMit:UPPer", &C::set_limit<2>},
        {"CALCulate:LIMit:GW3?|CALCulate:LIMit:UPPer?", &C::read_limit<2>},
        {"CALCulate:LIMit:GW4", &C::set_limit<3>},
        {"CALCulate:LIMit:GW4?", &C::read_limit<3>},
        {"CALCulate:LIMit:ACKnowledge?", &C::acknowledge},
        {"CALCulate:LIMit:REPort?", &C::report},
        {"CALCulate:LIMit:CLEar", &C::clear},
    };
    add_commands(dispatcher, *this, table);

    add_flag_setting(dispatcher, "CALCulate:LIMit:STATe",
                     [](InstrumentState& s) -> bool& { return s.settings.comparator.on; });
    add_flag_setting(dispatcher, "CALCulate:LIMit:RELative",
                     [](InstrumentState& s) -> bool& { return s.settings.comparator.relative; });
    add_choice_setting<FaultMode>(
        dispatcher, "CALCulate:LIMit:FAULt", FAULT_MODES,
        [](InstrumentState & s) -> auto& { return s.settings.comparator.fault; });
}

void ComparatorCommands::reset(InstrumentState& state) {
    state.settings.comparator = {};
    state.comparator = {};
}

// The classes differ between the two modes, so the counts start afresh.
void ComparatorCommands::set_count(Request& r) {
    const auto count = r.integer_arg(0, 2, 4);
    if (!count) return;
    if (*count == 3) {
        r.fail(ScpiError::IllegalParameterValue);
        return;
    }
    if (comparator(r).limit_count != *count) r.state.comparator = {};
    comparator(r).limit_count = static_cast<int>(*count);
    if (limits_in_order(comparator(r))) comparator(r).accepted = comparator(r).limits;
}

void ComparatorCommands::read_count(Request& r) {
    r.reply(std::to_string(comparator(r).limit_count));
}

// A set in order takes effect at once; one out of order waits for the acknowledgement
// query, which rejects it.
template <std::size_t Limit>
void ComparatorCommands::set_limit(Request& r) {
    const auto ohms = r.quantity_arg(0, -LIMIT_MAX, LIMIT_MAX, resistance_units());
    if (!ohms) return;
    comparator(r).limits[Limit] = *ohms;
    if (limits_in_order(comparator(r))) comparator(r).accepted = comparator(r).limits;
}

template <std::size_t Limit>
void ComparatorCommands::read_limit(Request& r) {
    r.reply(format_setting(comparator(r).limits[Limit]));
}

// 1: the limits sent are in order and in force. 0: they are not; the instrument
// returns to the last limits that were in order.
void ComparatorCommands::acknowledge(Request& r) {
    if (limits_in_order(comparator(r))) {
        r.reply("1");
        return;
    }
    comparator(r).limits = comparator(r).accepted;
    r.reply("0");
}

void ComparatorCommands::report(Request& r) {
    r.reply(comparator_report(comparator(r), r.state.comparator));
}

void ComparatorCommands::clear(Request& r) {
    r.state.comparator = {};
}

void EnvelopeCommands::install(Dispatcher& dispatcher) {
    using E = EnvelopeCommands;
    static const CommandSpec<E> table[] = {
        {"[SENSe]:ENVelope:REPort:DATA?|[SENSe]:ENVelope:REPort?", &E::report},
        {"[SENSe]:ENVelope:CLEar", &E::clear},
    };
    add_commands(dispatcher, *this, table);
    add_flag_setting(dispatcher, "[SENSe]:ENVelope:STATe",
                     [](InstrumentState& s) -> bool& { return s.settings.envelope.on; });
}

void EnvelopeCommands::reset(InstrumentState& state) {
    state.settings.envelope = {};
    state.envelope = {};
}

void EnvelopeCommands::report(Request& r) {
    r.reply(envelope_report(r.state.envelope, r.state.settings.measurement.resolution));
}

void EnvelopeCommands::clear(Request& r) {
    r.state.envelope = {};
}

}  // namespace tarvolux::sim
