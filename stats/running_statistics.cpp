#include "stats/running_statistics.h"

#include <algorithm>
#include <cmath>

namespace stats {

void RunningStatistics::add(double x) {
    if (!std::isfinite(x)) return;
    ++n_;
    if (n_ == 1) {
        mean_ = min_ = max_ = x;
        m2_ = 0.0;
        return;
    }
    const double delta = x - mean_;
    mean_ += delta / static_cast<double>(n_);
    m2_ += delta * (x - mean_);
    min_ = std::min(min_, x);
    max_ = std::max(max_, x);
}

std::optional<double> RunningStatistics::mean() const {
    if (n_ == 0) return std::nullopt;
    return mean_;
}

std::optional<double> RunningStatistics::minimum() const {
    if (n_ == 0) return std::nullopt;
    return min_;
}

std::optional<double> RunningStatistics::maximum() const {
    if (n_ == 0) return std::nullopt;
    return max_;
}

std::optional<double> RunningStatistics::range() const {
    if (n_ == 0) return std::nullopt;
    return max_ - min_;
}

std::optional<double> RunningStatistics::deviation() const {
    if (n_ < 2) return std::nullopt;
    return std::sqrt(m2_ / static_cast<double>(n_ - 1));
}

}  // namespace stats
