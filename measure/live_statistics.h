// The statistics of the running measurement, kept by the measurement cycle whether or
// not a panel shows them: the export closes with them at the stop, and the statistics
// group and histogram read them when the operator opens them.
#pragma once

#include <chrono>
#include <optional>

#include "measure/reading.h"
#include "stats/session_statistics.h"
#include "stats/value_classes.h"

namespace measure {

// Since the start of the measurement, or since the operator's reset.
extern stats::SessionStatistics live_statistics;

// The comparator's limits as absolute resistances (relative limits are deviations from
// the reference value); nullopt while the comparator is off.
std::optional<stats::Limits> comparator_limits();

// Counts what a tick brought: a resistance into the figures, an overload, a reference
// measurement or an error code apart from them. Texts of the deviation and class
// displays carry no resistance and count nowhere.
void count_reading(const Reading& reading);

// When the running (or the last) measurement started, on the steady clock.
std::chrono::steady_clock::time_point measurement_start();
// A measurement starts: the statistics begin anew.
void start_statistics();

}  // namespace measure
