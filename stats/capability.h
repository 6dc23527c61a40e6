// Process capability of values against tolerance limits: how many standard
// deviations fit between the mean and the limits. Cp compares the width of the
// tolerance with the spread (six deviations) and needs both limits; Cpk takes the
// nearer limit, so it also falls when the process is off centre, and with one limit
// it is the one-sided index of that limit.
#pragma once

#include <optional>

namespace stats {

struct Capability {
    std::optional<double> cp;
    std::optional<double> cpk;
};

// nullopt figures where they are not defined: without a deviation (fewer than two
// values, or all values equal), Cp without both limits, limits in the wrong order.
Capability capability(std::optional<double> mean, std::optional<double> deviation,
                      std::optional<double> lower, std::optional<double> upper);

}  // namespace stats
