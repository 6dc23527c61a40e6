#include "measure/live_statistics.h"

#include "settings/records.h"
#include "stats/ohm_units.h"

namespace measure {

stats::SessionStatistics live_statistics;

namespace {

std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();

}  // namespace

std::optional<stats::Limits> comparator_limits() {
    const rec::Compare& c = rec::compare;
    if (c.state != 1) return std::nullopt;
    const double base = c.relative == 1 ? rec::measurement_configuration.reference : 0.0;
    stats::Limits limits;
    limits.count = c.limit_count == 4 ? 4 : 2;
    limits.lowest = base + c.limit_1;
    limits.lower = base + c.limit_2;
    limits.upper = base + c.limit_3;
    limits.highest = base + c.limit_4;
    return limits;
}

void count_reading(const Reading& reading) {
    if (reading.kind == Reading::Kind::Error) {
        live_statistics.add_error();
    } else if (reading.reference) {
        live_statistics.add_reference();
    } else if (reading.ohms) {
        live_statistics.add_resistance(*reading.ohms, stats::text_resolution(reading.text),
                                       comparator_limits());
    } else if (reading.text.find(">>>") != std::string::npos) {
        live_statistics.add_overload();
    }
}

std::chrono::steady_clock::time_point measurement_start() {
    return started;
}

void start_statistics() {
    started = std::chrono::steady_clock::now();
    live_statistics.reset();
}

}  // namespace measure
