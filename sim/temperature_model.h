// How temperature compensation acts on a measured resistance.
#pragma once

#include "sim/instrument_state.h"

namespace tarvolux::sim {

// Degrees Celsius from the selected source: the manual value, the PT100 sensor, or an
// analogue input scaled by its two points.
double current_temperature(const InstrumentState& state);

// The selected coefficient's value, ppm per kelvin.
long selected_coefficient(const TemperatureSettings& settings);

// The resistance corrected to the reference temperature while compensation is on.
double compensate(const InstrumentState& state, double ohms);

}  // namespace tarvolux::sim
