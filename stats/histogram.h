// A histogram of a stream of values in bounded memory. The values are counted in a
// fixed number of fine bins; when a value falls outside their span, neighbouring bins
// are merged (the fine width doubles) until every value fits, so memory stays the same
// however many values come and however far they spread. The bins shown are groups of
// fine bins whose width follows Scott's rule, 3.49 s n^(-1/3): it needs only the count
// and the standard deviation, which the running statistics keep anyway, where the
// Freedman-Diaconis rule would need quartiles and with them the values themselves.
//
// Values of an instrument come in steps of their last digit. The fine bins start at
// that step with their edges half a step between two values, and a bin shown is never
// narrower than a step, so no bin shown is empty only because no value can fall in it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace stats {

class Histogram {
  public:
    static constexpr std::int64_t FINE_BINS = 4096;
    static constexpr std::int64_t MAX_SHOWN_BINS = 200;

    struct Bin {
        double low;
        double high;
        std::uint64_t count;
    };

    Histogram() = default;

    // `resolution` is the step of the values (0 when unknown).
    void add(double x, double resolution = 0.0);
    void reset() { *this = Histogram{}; }
    std::uint64_t count() const { return n_; }
    double fine_width() const { return width_; }

    // The width Scott's rule gives for `deviation` and the values counted, made a whole
    // number of fine bins, at least one step of the values, and wide enough that the
    // span of the values needs at most MAX_SHOWN_BINS bins. 0 before the first value.
    double shown_width(std::optional<double> deviation) const;
    // Consecutive bins of that width from the lowest value to the highest.
    std::vector<Bin> bins(std::optional<double> deviation) const;

  private:
    std::int64_t index_of(double x) const;
    void make_room_for(double position);
    std::int64_t group_size(std::optional<double> deviation) const;

    std::vector<std::uint64_t> fine_;  // fine_[i] counts the bin with index lo_ + i
    std::int64_t lo_ = 0;
    std::int64_t occupied_lo_ = 0;  // lowest and highest index with a value
    std::int64_t occupied_hi_ = 0;
    double width_ = 0.0;  // of a fine bin; bin k spans [origin_ + k w, origin_ + (k+1) w)
    double origin_ = 0.0;
    double step_ = 0.0;  // the coarsest step of the values seen
    std::uint64_t n_ = 0;
};

}  // namespace stats
