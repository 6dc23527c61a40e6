// The measurement engine: conversions of the virtual resistor at the pace the settings
// give, ranging, the texts "FE?" answers, and what every value sets off - comparator
// counts, envelope, datalogger, printer and the status registers.
#pragma once

#include <optional>
#include <string>

#include "sim/instrument_state.h"

namespace tarvolux::sim {

// How long one value takes: the integration time, times the averaging count when the
// average repeats, doubled for an inductive load that needs settling.
Clock::Duration measuring_time(const MeasurementSettings& settings);

// "IN": a new measurement starts now (also when one runs).
void start_measuring(InstrumentState& state);
// "AB", or the end of a single measurement.
void stop_measuring(InstrumentState& state);
// Produces the values that are due by the clock.
void advance_measurement(InstrumentState& state);
// "FE?": the last value, which is then no longer new; nothing before the first value.
std::optional<std::string> fetch_value(InstrumentState& state);

}  // namespace tarvolux::sim
