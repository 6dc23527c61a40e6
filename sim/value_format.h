// How the instrument writes numbers and resistance values in its answers. Everything
// here is independent of the C locale: the simulator also runs inside the Qt program,
// which may set LC_NUMERIC to a locale with a decimal comma.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarvolux::sim {

// The seven measuring ranges, numbered 1 (200 mOhm) to 7 (200 kOhm). The instrument's
// unit words are MOHM (milliohm), OHM and KOHM.
struct RangeSpec {
    int number;
    const char* text;   // as in ":SENSE:FRES:RANG:MAN 200MOHM"
    double full_scale;  // ohms; a value must stay below it
    const char* unit;
    double unit_ohms;  // ohms per unit
};

constexpr int RANGE_COUNT = 7;
const RangeSpec& range_spec(int number);
// The range a text names ("2kohm", "200MOHM"), or a number of ohms equal to a full scale.
std::optional<int> range_of_text(std::string_view text);

// A unit suffix a numeric parameter may carry, and its factor to the stored unit.
struct UnitFactor {
    const char* suffix;
    double factor;
};
// Resistances: no suffix, OHM, MOHM (milliohm) or KOHM.
std::span<const UnitFactor> resistance_units();

// Fixed-point notation with exactly `decimals` digits after the point.
std::string format_fixed(double value, int decimals);
// The shortest fixed-point text that reads back as `value` (no exponent).
std::string format_number(double value);

// Resolution setting: the fine one shows five significant digits, the coarse one four.
enum class Resolution { Coarse, Fine };

// A measured value in `range` with the instrument's digits ("12.345MOHM"), or nothing
// when the value does not fit the range (overload).
std::optional<std::string> format_in_range(double ohms, int range, Resolution resolution);
// The smallest range that holds the value; nothing when even the largest does not.
std::optional<int> fitting_range(double ohms, Resolution resolution, int low = 1,
                                 int high = RANGE_COUNT);
// A result that is no measurement (statistics, envelope): in the smallest range that
// holds it, or written in kilohms beyond the largest.
std::string format_result(double ohms, Resolution resolution);
// A deviation from the reference, signed, with the finest digits of `range`.
std::string format_deviation(double ohms, int range, Resolution resolution);
// Numbers of at least two digits with a leading zero, joined by commas: "01,05,09".
std::string two_digit_fields(std::initializer_list<long> values);

// A setting in ohms (limit, reference): the unit word by magnitude and up to six
// decimals, so that the number sent comes back unchanged.
std::string format_setting(double ohms);

}  // namespace tarvolux::sim
