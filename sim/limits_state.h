// The comparator (two or four limits, classification counts) and the envelope (the
// smallest and largest value measured).
#pragma once

#include <array>
#include <optional>

namespace tarvolux::sim {

enum class FaultMode { None, Upper };  // what a faulty measurement counts as

constexpr std::size_t CLASS_COUNT = 5;  // below GW1, GW1..GW2, pass, GW3..GW4, above GW4
constexpr std::size_t PASS_CLASS = 2;

struct ComparatorSettings {
    bool on = false;
    bool relative = false;  // limits apply to the deviation from the reference
    FaultMode fault = FaultMode::None;
    int limit_count = 2;
    // GW1 ... GW4 in ohms as entered; the lower and upper limit of the two-limit
    // comparator are GW2 and GW3.
    std::array<double, 4> limits{50.0, 100.0, 150.0, 190.0};
    // The last set in order, which the comparator classifies with.
    std::array<double, 4> accepted{limits};
};

struct ComparatorCounts {
    std::array<long, CLASS_COUNT> counts{};
};

struct EnvelopeSettings {
    bool on = false;
};

struct EnvelopeRecord {
    std::optional<double> minimum;
    std::optional<double> maximum;
};

}  // namespace tarvolux::sim
