#include "sim/temperature_model.h"

namespace tarvolux::sim {

namespace {

// The straight line through (x1, t1) and (x2, t2); a scale whose points coincide gives t1.
double scale(const std::array<double, 4>& points, double x) {
    const auto [x1, x2, t1, t2] = points;
    if (x1 == x2) return t1;
    return t1 + (x - x1) * (t2 - t1) / (x2 - x1);
}

}  // namespace

double current_temperature(const InstrumentState& state) {
    const TemperatureSettings& settings = state.settings.temperature;
    switch (settings.source) {
        case TemperatureSource::Manual:
            return settings.manual;
        case TemperatureSource::Pt100:
            return state.temperature_inputs.pt100_celsius;
        case TemperatureSource::Voltage:
            return scale(settings.voltage, state.temperature_inputs.volts);
        case TemperatureSource::Current:
            return scale(settings.current, state.temperature_inputs.milliamps);
    }
    return settings.manual;
}

long selected_coefficient(const TemperatureSettings& settings) {
    return settings.coefficients[static_cast<std::size_t>(settings.selected - 1)];
}

double compensate(const InstrumentState& state, double ohms) {
    const TemperatureSettings& settings = state.settings.temperature;
    if (!settings.on) return ohms;
    const double alpha = static_cast<double>(selected_coefficient(settings)) * 1e-6;
    const double factor = 1.0 + alpha * (current_temperature(state) - settings.reference);
    return factor > 0 ? ohms / factor : ohms;
}

}  // namespace tarvolux::sim
