#include "sim/calibration_commands.h"

#include <array>

#include "sim/request.h"

namespace tarvolux::sim {

namespace {

constexpr auto OPER = EventRegisterId::Operation;
// The numbers of the input calibrations are the instrument's business; only absurd
// ones are refused.
constexpr double CONSTANT_LIMIT = 1e6;

CalibrationState& calibration(Request& r) {
    return r.state.calibration;
}

void end_step(InstrumentState& state) {
    state.calibration.busy_since.reset();
    state.status.set_condition_bits(OPER, OPER_CALIBRATING, false);
}

// Every calibration command needs the calibration mode; a measuring step also waits
// for the one before to end.
bool allowed(Request& r) {
    if (calibration(r).on) return true;
    r.fail(ScpiError::SettingsConflict);
    return false;
}

bool begin_step(Request& r) {
    if (!allowed(r)) return false;
    if (calibration(r).busy_since) {
        r.fail(ScpiError::SettingsConflict);
        return false;
    }
    calibration(r).busy_since = r.state.clock.now();
    ++calibration(r).steps;
    r.state.status.set_condition_bits(OPER, OPER_CALIBRATING, true);
    return true;
}

template <std::size_t N>
std::optional<std::array<double, N>> constants_args(Request& r) {
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto value = r.real_arg(i, -CONSTANT_LIMIT, CONSTANT_LIMIT);
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    return values;
}

}  // namespace

void CalibrationCommands::install(Dispatcher& dispatcher) {
    using C = CalibrationCommands;
    constexpr auto LOW = CalibrationPoint::Low;
    constexpr auto HIGH = CalibrationPoint::High;
    static const CommandSpec<C> table[] = {
        {"CALibration:STATe", &C::set_state},
        {"CALibration:STATe?", &C::read_state},
        {"CALibration:FRESistance", &C::calibrate_resistance},
        {"CALibration:20MV:LOW", &C::millivolt_point<LOW>},
        {"CALibration:20MV:HIGH", &C::millivolt_point<HIGH>},
        {"CALibration:20MV:INITiate", &C::millivolt_init},
        {"CALibration:20MV", &C::millivolt_constants},
        {"CALibration:VOLTage:LOW", &C::voltage_point<LOW>},
        {"CALibration:VOLTage:HIGH", &C::voltage_point<HIGH>},
        {"CALibration:VOLTage:INITiate", &C::voltage_init},
        {"CALibration:VOLTage", &C::voltage_constants},
        {"CALibration:CURRent", &C::calibrate_current},
        {"CALibration:PT100:LOW", &C::pt100_point<LOW>},
        {"CALibration:PT100:HIGH", &C::pt100_point<HIGH>},
        {"CALibration:PT100", &C::pt100_compute},
    };
    add_commands(dispatcher, *this, table);
}

void CalibrationCommands::reset(InstrumentState& state) {
    end_step(state);
    state.calibration.on = false;
}

void CalibrationCommands::advance(InstrumentState& state) {
    const auto& since = state.calibration.busy_since;
    if (since && state.clock.elapsed(*since, CALIBRATION_STEP_TIME)) end_step(state);
}

// Leaving the calibration mode abandons a step that runs.
void CalibrationCommands::set_state(Request& r) {
    const auto on = r.bool_arg(0);
    if (!on) return;
    if (!*on) end_step(r.state);
    if (*on && !calibration(r).on) calibration(r).steps = 0;
    calibration(r).on = *on;
}

void CalibrationCommands::read_state(Request& r) {
    r.reply(calibration(r).on ? "1" : "0");
}

// A range and the reference resistor's value, which must lie inside that range.
void CalibrationCommands::calibrate_resistance(Request& r) {
    const auto text = r.text_arg(0);
    if (!text) return;
    const auto range = range_of_text(*text);
    if (!range) {
        r.fail(ScpiError::DataOutOfRange);
        return;
    }
    const auto ohms = r.quantity_arg(1, 0.0, range_spec(*range).full_scale, resistance_units());
    if (!ohms) return;
    if (*ohms <= 0) {
        r.fail(ScpiError::DataOutOfRange);
        return;
    }
    if (begin_step(r)) calibration(r).resistance[static_cast<std::size_t>(*range - 1)] = *ohms;
}

template <CalibrationPoint Point>
void CalibrationCommands::millivolt_point(Request& r) {
    if (begin_step(r)) calibration(r).millivolt_point = Point;
}

void CalibrationCommands::millivolt_init(Request& r) {
    begin_step(r);
}

void CalibrationCommands::millivolt_constants(Request& r) {
    const auto values = constants_args<3>(r);
    if (values && allowed(r)) calibration(r).millivolt = *values;
}

template <CalibrationPoint Point>
void CalibrationCommands::voltage_point(Request& r) {
    if (begin_step(r)) calibration(r).voltage_point = Point;
}

void CalibrationCommands::voltage_init(Request& r) {
    begin_step(r);
}

void CalibrationCommands::voltage_constants(Request& r) {
    const auto values = constants_args<2>(r);
    if (values && allowed(r)) calibration(r).voltage = *values;
}

void CalibrationCommands::calibrate_current(Request& r) {
    const auto milliamps = r.real_arg(0, -CONSTANT_LIMIT, CONSTANT_LIMIT);
    if (milliamps && begin_step(r)) calibration(r).current = *milliamps;
}

template <CalibrationPoint Point>
void CalibrationCommands::pt100_point(Request& r) {
    const auto value = r.real_arg(0, -CONSTANT_LIMIT, CONSTANT_LIMIT);
    if (value && begin_step(r)) calibration(r).pt100[static_cast<std::size_t>(Point)] = *value;
}

// The PT100 calibration is computed from both points.
void CalibrationCommands::pt100_compute(Request& r) {
    if (!calibration(r).pt100[0] || !calibration(r).pt100[1]) {
        r.fail(ScpiError::SettingsConflict);
        return;
    }
    begin_step(r);
}

}  // namespace tarvolux::sim
