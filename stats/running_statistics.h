// Count, mean, standard deviation, minimum and maximum of a stream of values, updated
// in constant time and memory per value with Welford's method: the mean and the sum of
// squared deviations are carried forward, so no history is kept and the deviation of
// many nearly equal values (milliohms that differ in the microohms) loses no digits to
// the cancellation a sum of squares would suffer.
#pragma once

#include <cstdint>
#include <optional>

namespace stats {

class RunningStatistics {
  public:
    void add(double x);
    void reset() { *this = RunningStatistics{}; }

    std::uint64_t count() const { return n_; }
    // nullopt before the first value.
    std::optional<double> mean() const;
    std::optional<double> minimum() const;
    std::optional<double> maximum() const;
    std::optional<double> range() const;
    // The sample standard deviation (divided by n - 1, as the instrument's own figure);
    // nullopt for fewer than two values.
    std::optional<double> deviation() const;

  private:
    std::uint64_t n_ = 0;
    double mean_ = 0.0;
    double m2_ = 0.0;  // sum of squared deviations from the running mean
    double min_ = 0.0;
    double max_ = 0.0;
};

}  // namespace stats
