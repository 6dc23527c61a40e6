#include "stats/session_statistics.h"

namespace stats {

void SessionStatistics::add_resistance(double ohms, double resolution,
                                       const std::optional<Limits>& limits) {
    values_.add(ohms);
    histogram_.add(ohms, resolution);
    if (limits) {
        classes_.add(*limits, ohms);
        limits_ = limits;
    }
    ++version_;
}

void SessionStatistics::reset() {
    std::uint64_t next = version_ + 1;
    *this = SessionStatistics{};
    version_ = next;
}

Capability SessionStatistics::capability() const {
    if (!limits_) return {};
    return stats::capability(values_.mean(), values_.deviation(), limits_->lower, limits_->upper);
}

}  // namespace stats
