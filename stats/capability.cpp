#include "stats/capability.h"

#include <algorithm>

namespace stats {

Capability capability(std::optional<double> mean, std::optional<double> deviation,
                      std::optional<double> lower, std::optional<double> upper) {
    Capability result;
    if (!mean || !deviation || !(*deviation > 0.0)) return result;
    if (lower && upper && !(*lower < *upper)) return result;
    const double sigma = *deviation;
    if (lower && upper) result.cp = (*upper - *lower) / (6.0 * sigma);
    std::optional<double> upper_index, lower_index;
    if (upper) upper_index = (*upper - *mean) / (3.0 * sigma);
    if (lower) lower_index = (*mean - *lower) / (3.0 * sigma);
    if (upper_index && lower_index)
        result.cpk = std::min(*upper_index, *lower_index);
    else
        result.cpk = upper_index ? upper_index : lower_index;
    return result;
}

}  // namespace stats
