#include "sim/measurement_commands.h"

#include "sim/measurement_engine.h"
#include "sim/request.h"
#include "sim/setting_commands.h"

namespace tarvolux::sim {

namespace {

constexpr Keyword AVERAGING[] = {{"MOVing", "MOV"}, {"REPeat", "REP"}};
constexpr Keyword LOADS[] = {{"REAL", "REAL"}, {"COMPlex", "COMP"}};
constexpr Keyword MODES[] = {
    {"REFC", "REFC"}, {"NONC", "NONC"}, {"ONEC", "ONEC"}, {"STANdard", "STAN"}};
constexpr Keyword INTEGRATION[] = {
    {"MINimum", "MIN"}, {"MEDium", "MED"}, {"MAXimum", "MAX"}, {"STANdard", "STAN"}};

MeasurementSettings& settings(InstrumentState& s) {
    return s.settings.measurement;
}

}  // namespace

void MeasurementCommands::install(Dispatcher& dispatcher) {
    using M = MeasurementCommands;
    static const CommandSpec<M> table[] = {
        {"INITiate:[IMMediate]|IN", &M::start},
        {"ABORt|AB", &M::stop},
        {"FETCh?|FE?", &M::fetch},
        {"[SENSe]:FRESistance:MODE", &M::set_mode},
        {"[SENSe]:FRESistance:MODE?", &M::read_mode},
    };
    add_commands(dispatcher, *this, table);

    add_choice_setting<AveragingType>(
        dispatcher, "[SENSe]:AVERage:TCONtrol", AVERAGING,
        [](InstrumentState & s) -> auto& { return settings(s).averaging; });
    add_integer_setting(dispatcher, "[SENSe]:AVERage:COUNt", 0, AVERAGING_COUNT_MAX,
                        [](InstrumentState& s) -> int& { return settings(s).averaging_count; });
    add_flag_setting(dispatcher, "INITiate:CONTinuous",
                     [](InstrumentState& s) -> bool& { return settings(s).continuous; });
    add_flag_setting(dispatcher, "SOURce:VOLTage:LIMit:STATe",
                     [](InstrumentState& s) -> bool& { return settings(s).voltage_limit; });
    add_choice_setting<LoadType>(
        dispatcher, "[SENSe]:FRESistance:LOAD", LOADS,
        [](InstrumentState & s) -> auto& { return settings(s).load; });
    add_choice_setting<Integration>(
        dispatcher, "[SENSe]:FRESistance:NPLCycles", INTEGRATION,
        [](InstrumentState & s) -> auto& { return settings(s).integration; });
}

void MeasurementCommands::reset(InstrumentState& state) {
    stop_measuring(state);
    state.settings.measurement = {};
    state.run = {};
    state.status.set_condition_bits(EventRegisterId::Operation, OPER_VALUE_AVAILABLE, false);
}

void MeasurementCommands::advance(InstrumentState& state) {
    advance_measurement(state);
}

void MeasurementCommands::start(Request& r) {
    start_measuring(r.state);
}

void MeasurementCommands::stop(Request& r) {
    stop_measuring(r.state);
}

void MeasurementCommands::fetch(Request& r) {
    if (const auto value = fetch_value(r.state)) {
        r.reply(*value);
    } else {
        r.fail(ScpiError::DataStale);
    }
}

// Switching to the reference-compensated mode makes the instrument take a reference
// measurement first, which it answers as "000".
void MeasurementCommands::set_mode(Request& r) {
    if (const auto mode = r.choice_arg(0, MODES)) {
        settings(r.state).mode = static_cast<MeasuringMode>(*mode);
        r.state.run.reference_due = settings(r.state).mode == MeasuringMode::RefC;
    }
}

void MeasurementCommands::read_mode(Request& r) {
    r.reply(std::string(MODES[static_cast<std::size_t>(settings(r.state).mode)].answer));
}

}  // namespace tarvolux::sim
