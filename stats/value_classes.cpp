#include "stats/value_classes.h"

#include <numeric>

namespace stats {

const std::array<const char*, CLASS_COUNT> CLASS_NAMES{"<<", "<", "Gut", ">", ">>"};

int classify(const Limits& limits, double x) {
    if (limits.four() && x < limits.lowest) return 0;
    if (x < limits.lower) return 1;
    if (x <= limits.upper) return GOOD_CLASS;
    if (limits.four() && x > limits.highest) return 4;
    return 3;
}

std::uint64_t ClassCounts::total() const {
    return std::accumulate(counts_.begin(), counts_.end(), std::uint64_t{0});
}

std::optional<double> ClassCounts::percent(int value_class) const {
    const std::uint64_t all = total();
    if (all == 0) return std::nullopt;
    return 100.0 * static_cast<double>(count(value_class)) / static_cast<double>(all);
}

}  // namespace stats
