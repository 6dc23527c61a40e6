#include "stats/histogram.h"

#include <algorithm>
#include <cmath>

namespace stats {

namespace {

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Values are single-precision numbers at best: a finer bin tells nothing.
constexpr double FINEST_RELATIVE = 1.0 / (1 << 20);
constexpr double FINEST_ABSOLUTE = 1e-15;

}  // namespace

std::int64_t Histogram::index_of(double x) const {
    return static_cast<std::int64_t>(std::floor((x - origin_) / width_));
}

void Histogram::add(double x, double resolution) {
    if (!std::isfinite(x)) return;
    if (resolution > 0.0 && std::isfinite(resolution)) step_ = std::max(step_, resolution);
    if (n_ == 0) {
        width_ = resolution > 0.0 ? resolution
                                  : std::max(std::abs(x) * FINEST_RELATIVE, FINEST_ABSOLUTE);
        // Edges half a step off the values: a value on its step never sits on an edge,
        // where rounding would put it now in one bin, now in the next.
        origin_ = resolution > 0.0 ? -resolution / 2 : x - width_ / 2;
        fine_.assign(static_cast<std::size_t>(FINE_BINS), 0);
        occupied_lo_ = occupied_hi_ = index_of(x);
        lo_ = occupied_lo_ - FINE_BINS / 2;
    }
    const double position = std::floor((x - origin_) / width_);
    if (position < static_cast<double>(lo_) || position >= static_cast<double>(lo_ + FINE_BINS))
        make_room_for(position);
    const std::int64_t k = index_of(x);
    ++fine_[static_cast<std::size_t>(k - lo_)];
    occupied_lo_ = std::min(occupied_lo_, k);
    occupied_hi_ = std::max(occupied_hi_, k);
    ++n_;
}

// Merges pairs of bins until the values counted and the new one (at fine position
// `position`, which may lie far beyond any index) span at most half of the fine bins,
// then centres them. Half, so that values that spread a little further do not need the
// same work again at once.
void Histogram::make_room_for(double position) {
    double low = std::min(static_cast<double>(occupied_lo_), position);
    double high = std::max(static_cast<double>(occupied_hi_), position);
    int doublings = 0;
    while (high - low + 1 > static_cast<double>(FINE_BINS / 2)) {
        low = std::floor(low / 2);
        high = std::floor(high / 2);
        ++doublings;
        width_ *= 2;
    }
    // An arithmetic shift is a division by 2^doublings that rounds towards minus
    // infinity, as the merged bin's index must.
    const int shift = std::min(doublings, 63);
    const std::int64_t new_lo =
        static_cast<std::int64_t>(low + std::floor((high - low) / 2)) - FINE_BINS / 2;
    std::vector<std::uint64_t> merged(static_cast<std::size_t>(FINE_BINS), 0);
    for (std::int64_t i = 0; i < FINE_BINS; ++i) {
        if (fine_[static_cast<std::size_t>(i)] == 0) continue;
        const std::int64_t k = (lo_ + i) >> shift;
        merged[static_cast<std::size_t>(k - new_lo)] += fine_[static_cast<std::size_t>(i)];
    }
    fine_.swap(merged);
    lo_ = new_lo;
    occupied_lo_ >>= shift;
    occupied_hi_ >>= shift;
}

std::int64_t Histogram::group_size(std::optional<double> deviation) const {
    double wanted = step_;
    if (deviation && *deviation > 0.0 && n_ > 1)
        wanted = std::max(wanted, 3.49 * *deviation / std::cbrt(static_cast<double>(n_)));
    const std::int64_t span = occupied_hi_ - occupied_lo_ + 1;
    // A hair below a whole number of fine bins is that number, not one more; a bin
    // wider than all the values is as good as one just as wide.
    const double fine_bins = std::min(std::ceil(wanted / width_ - 1e-9), static_cast<double>(span));
    const std::int64_t k = std::max<std::int64_t>(1, static_cast<std::int64_t>(fine_bins));
    return std::max(k, (span + MAX_SHOWN_BINS - 1) / MAX_SHOWN_BINS);
}

double Histogram::shown_width(std::optional<double> deviation) const {
    if (n_ == 0) return 0.0;
    return static_cast<double>(group_size(deviation)) * width_;
}

std::vector<Histogram::Bin> Histogram::bins(std::optional<double> deviation) const {
    std::vector<Bin> result;
    if (n_ == 0) return result;
    const std::int64_t k = group_size(deviation);
    const std::int64_t first = floor_div(occupied_lo_, k);
    const std::int64_t last = floor_div(occupied_hi_, k);
    result.reserve(static_cast<std::size_t>(last - first + 1));
    // Each edge computed once, so one bin ends exactly where the next begins.
    auto edge = [&](std::int64_t g) { return origin_ + static_cast<double>(g * k) * width_; };
    for (std::int64_t g = first; g <= last; ++g) result.push_back({edge(g), edge(g + 1), 0});
    for (std::int64_t i = occupied_lo_; i <= occupied_hi_; ++i)
        result[static_cast<std::size_t>(floor_div(i, k) - first)].count +=
            fine_[static_cast<std::size_t>(i - lo_)];
    return result;
}

}  // namespace stats
