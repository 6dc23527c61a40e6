#include "sim/temperature_commands.h"

#include <array>
#include <cmath>
#include <optional>

#include "sim/request.h"
#include "sim/setting_commands.h"
#include "sim/temperature_model.h"

namespace tarvolux::sim {

namespace {

constexpr Keyword SOURCES[] = {
    {"MANual", "MAN"}, {"PT100", "PT100"}, {"UINPut", "UINP"}, {"IINPut", "IINP"}};

// The upper limit is 9999.9 as a single-precision number (9999.900390625), which the
// program may send, written with six decimals.
constexpr double TEMPERATURE_MAX = 9999.900391;
constexpr double SCALE_TEMPERATURE_MIN = -200.0;
constexpr double SCALE_TEMPERATURE_MAX = 800.0;
constexpr double VOLTS_MAX = 10.0;
constexpr double MILLIAMPS_MAX = 20.0;
constexpr long COEFFICIENT_LIMIT = 99999;
constexpr double PT100_LIMIT = 1e6;

constexpr UnitFactor MILLIAMPS[] = {{"MA", 1.0}};

TemperatureSettings& temperature(Request& r) {
    return r.state.settings.temperature;
}

std::optional<double> temperature_arg(Request& r) {
    return r.real_arg(0, -TEMPERATURE_LIMIT, TEMPERATURE_MAX);
}

// Two input points and two temperatures; nothing changes unless all four are good.
std::optional<std::array<double, 4>> scale_args(Request& r, double input_max,
                                                std::span<const UnitFactor> units) {
    std::array<double, 4> points{};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto value = i < 2 ? r.quantity_arg(i, 0.0, input_max, units)
                                 : r.real_arg(i, SCALE_TEMPERATURE_MIN, SCALE_TEMPERATURE_MAX);
        if (!value) return std::nullopt;
        points[i] = *value;
    }
    return points;
}

std::string join(std::span<const double> values, const char* first_two_unit = "") {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += ',';
        text += format_number(values[i]);
        if (i < 2) text += first_two_unit;
    }
    return text;
}

std::optional<int> coefficient_number(Request& r) {
    const auto number = r.integer_arg(0, 1, COEFFICIENT_COUNT);
    if (!number) return std::nullopt;
    return static_cast<int>(*number);
}

}  // namespace

void TemperatureCommands::install(Dispatcher& dispatcher) {
    using T = TemperatureCommands;
    static const CommandSpec<T> table[] = {
        {"[SENSe]:TCOMpensation:TEMPerature:REFerence", &T::set_reference},
        {"[SENSe]:TCOMpensation:TEMPerature:REFerence?", &T::read_reference},
        {"[SENSe]:TCOMpensation:TEMPerature", &T::set_manual},
        {"[SENSe]:TCOMpensation:TEMPerature?", &T::read_temperature},
        {"SCALe:PT100", &T::set_pt100},
        {"SCALe:PT100?", &T::read_pt100},
        {"SCALe:VOLTage", &T::set_voltage_scale},
        {"SCALe:VOLTage?", &T::read_voltage_scale},
        {"SCALe:CURRent", &T::set_current_scale},
        {"SCALe:CURRent?", &T::read_current_scale},
        {"[SENSe]:TCOMpensation:TCOefficient", &T::set_coefficient},
        {"[SENSe]:TCOMpensation:TCOefficient?", &T::read_coefficient},
        {"[SENSe]:TCOMpensation:TCOefficient:SELect", &T::select_coefficient},
        {"[SENSe]:TCOMpensation:TCOefficient:SELect?", &T::read_selected},
    };
    add_commands(dispatcher, *this, table);

    add_flag_setting(dispatcher, "[SENSe]:TCOMpensation:STATe",
                     [](InstrumentState& s) -> bool& { return s.settings.temperature.on; });
    add_choice_setting<TemperatureSource>(
        dispatcher, "[SENSe]:TCOMpensation", SOURCES,
        [](InstrumentState & s) -> auto& { return s.settings.temperature.source; });
}

void TemperatureCommands::reset(InstrumentState& state) {
    state.settings.temperature = {};
}

void TemperatureCommands::set_reference(Request& r) {
    if (const auto celsius = temperature_arg(r)) temperature(r).reference = *celsius;
}

void TemperatureCommands::read_reference(Request& r) {
    r.reply(format_number(temperature(r).reference));
}

void TemperatureCommands::set_manual(Request& r) {
    if (const auto celsius = temperature_arg(r)) temperature(r).manual = *celsius;
}

// The temperature the compensation works with: the manual one, or what the selected
// sensor measures.
void TemperatureCommands::read_temperature(Request& r) {
    r.reply(format_number(std::round(current_temperature(r.state) * 1000.0) / 1000.0));
}

void TemperatureCommands::set_pt100(Request& r) {
    std::array<double, 3> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto value = r.real_arg(i, -PT100_LIMIT, PT100_LIMIT);
        if (!value) return;
        values[i] = *value;
    }
    temperature(r).pt100 = values;
}

void TemperatureCommands::read_pt100(Request& r) {
    r.reply(join(temperature(r).pt100));
}

void TemperatureCommands::set_voltage_scale(Request& r) {
    if (const auto points = scale_args(r, VOLTS_MAX, {})) temperature(r).voltage = *points;
}

void TemperatureCommands::read_voltage_scale(Request& r) {
    r.reply(join(temperature(r).voltage));
}

// The currents may carry the unit MA; without it they are milliamperes all the same.
void TemperatureCommands::set_current_scale(Request& r) {
    if (const auto points = scale_args(r, MILLIAMPS_MAX, MILLIAMPS))
        temperature(r).current = *points;
}

void TemperatureCommands::read_current_scale(Request& r) {
    r.reply(join(temperature(r).current, "MA"));
}

void TemperatureCommands::set_coefficient(Request& r) {
    const auto number = coefficient_number(r);
    if (!number) return;
    if (const auto value = r.integer_arg(1, -COEFFICIENT_LIMIT, COEFFICIENT_LIMIT))
        temperature(r).coefficients[static_cast<std::size_t>(*number - 1)] = *value;
}

void TemperatureCommands::read_coefficient(Request& r) {
    if (const auto number = coefficient_number(r))
        r.reply(std::to_string(temperature(r).coefficients[static_cast<std::size_t>(*number - 1)]));
}

void TemperatureCommands::select_coefficient(Request& r) {
    if (const auto number = coefficient_number(r)) temperature(r).selected = *number;
}

// The instrument reports the selected coefficient by its value, not its number.
void TemperatureCommands::read_selected(Request& r) {
    r.reply(std::to_string(selected_coefficient(temperature(r))));
}

}  // namespace tarvolux::sim
