// Everything the program counts of a measurement from its start (or from the
// operator's reset): the figures and the histogram of the resistances, their classes
// against the comparator limits, and, apart from them, how many overloads, reference
// measurements and error codes came. Constant time and memory per value.
#pragma once

#include <cstdint>
#include <optional>

#include "stats/capability.h"
#include "stats/histogram.h"
#include "stats/running_statistics.h"
#include "stats/value_classes.h"

namespace stats {

class SessionStatistics {
  public:
    // A resistance in ohms with the step of its text; classified when the comparator
    // gives limits.
    void add_resistance(double ohms, double resolution, const std::optional<Limits>& limits);
    void add_overload() { ++overloads_, ++version_; }
    void add_reference() { ++references_, ++version_; }
    void add_error() { ++errors_, ++version_; }
    void reset();

    const RunningStatistics& values() const { return values_; }
    const Histogram& histogram() const { return histogram_; }
    const ClassCounts& classes() const { return classes_; }
    // The limits the last classified value was compared with; nullopt when none was.
    const std::optional<Limits>& limits() const { return limits_; }
    // Cp and Cpk against the inner two of those limits.
    Capability capability() const;

    std::uint64_t overloads() const { return overloads_; }
    std::uint64_t references() const { return references_; }
    std::uint64_t errors() const { return errors_; }
    // Changes with everything counted and with a reset: a view redraws only then.
    std::uint64_t version() const { return version_; }

  private:
    RunningStatistics values_;
    Histogram histogram_;
    ClassCounts classes_;
    std::optional<Limits> limits_;
    std::uint64_t overloads_ = 0;
    std::uint64_t references_ = 0;
    std::uint64_t errors_ = 0;
    std::uint64_t version_ = 0;
};

}  // namespace stats
