// The value axis of the measurement graph and the scaling of plotted values: a fixed
// range draws in the unit of its range (mOhm, Ohm, kOhm) from 0 to the range's end; the
// automatic range draws in ohms and follows the range the instrument reports.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace measure {

struct Axis {
    std::string name;  // "mOhm", "Ohm", "kOhm"
    double low;
    double high;
};

// The axis of a fixed range 1-7; nullopt for the automatic range (0) and numbers that
// name no range (a record from a damaged file).
std::optional<Axis> fixed_range_axis(int range);

// The axis in automatic range while the instrument measures in `range_number` (1-7);
// nullopt for a number it does not know (the axis stays as it was).
std::optional<Axis> automatic_range_axis(int range_number);

// A value in ohms in the unit the graph draws for the record's range.
double scale_for_range(double ohms, int range);

// The traces the graph has: the measured values alone with the comparator off, with
// the two inner limits for two limits, with all four limits otherwise.
int trace_count(int compare_state, int limit_count);

// One point of each trace, scaled: the value, then limit 2, limit 3, limit 1, limit 4.
std::array<double, 5> plot_values(double ohms);

}  // namespace measure
