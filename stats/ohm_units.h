// Resistances as the operator reads them: in the unit the instrument would use for
// them (mOhm, Ohm, kOhm) and with the number of digits that means something.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace stats {

struct OhmUnit {
    const char* name;  // "mOhm", "Ohm", "kOhm"
    double per_ohm;    // 1000, 1, 0.001
};

// The unit a value of `ohms` is read in: below 1 ohm milliohms, from 1 kilohm kilohms.
OhmUnit unit_for(double ohms);

// `value` with `significant` digits, '.' as the decimal point whatever the locale, in
// exponent form only where the plain form would be very long.
std::string number_text(double value, int significant);

// A resistance as the operator reads it: "12.3451 mOhm"; "-" when there is none.
std::string figure_text(const std::optional<double>& ohms, const OhmUnit& unit, int significant);

// The step of a value text such as "12.345 mOhm" (its last digit, in ohms): 1e-6 here;
// 0 when the text does not begin with a number.
double text_resolution(std::string_view value_text);

}  // namespace stats
