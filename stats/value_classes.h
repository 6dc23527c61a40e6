// The comparator's classes of a value: below the lowest limit "<<", below the lower
// "<", between the inner limits "Gut", above the upper ">", above the highest ">>".
// Two limits use only the middle three. A value equal to a limit belongs to "Gut" or
// to the class nearer to "Gut", as the instrument counts it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace stats {

inline constexpr int CLASS_COUNT = 5;
inline constexpr int GOOD_CLASS = 2;
// "<<", "<", "Gut", ">", ">>"
extern const std::array<const char*, CLASS_COUNT> CLASS_NAMES;

// Absolute limits in ohms, lowest first. With two limits only lower and upper count.
struct Limits {
    int count = 2;  // 2 or 4
    double lowest = 0.0;
    double lower = 0.0;
    double upper = 0.0;
    double highest = 0.0;

    bool four() const { return count == 4; }
    // The classes used: 0-4 with four limits, 1-3 with two.
    int first_class() const { return four() ? 0 : 1; }
    int last_class() const { return four() ? CLASS_COUNT - 1 : CLASS_COUNT - 2; }
};

int classify(const Limits& limits, double x);

class ClassCounts {
  public:
    void add(const Limits& limits, double x) {
        ++counts_[static_cast<std::size_t>(classify(limits, x))];
    }
    void reset() { counts_ = {}; }
    std::uint64_t count(int value_class) const {
        return counts_[static_cast<std::size_t>(value_class)];
    }
    std::uint64_t total() const;
    // Percent of the classified values; nullopt while none was classified.
    std::optional<double> percent(int value_class) const;

  private:
    std::array<std::uint64_t, CLASS_COUNT> counts_{};
};

}  // namespace stats
