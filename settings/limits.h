// The comparator limits: their order check and their short display texts.
#pragma once

#include <string>

namespace settings {

// 1 when the limits in rec::compare are in strict ascending order for its number of
// limits; otherwise shows the inconsistency message and returns -1.
int check_limits();

// Fills compare.limit_text_1..4 ("R<" / "R>" and the limit with its unit) from the
// four limits; returns 0.
int format_limit_for_display();

// A limit in ohms as number and unit in the unit that suits its size ("15.000 kOhm").
std::string limit_display_text(double ohms);

// The unit the comparator dialog shows the limits in, chosen by the measuring range:
// mOhm for 200 mOhm, kOhm for 2 kOhm to 200 kOhm, Ohm for the others and automatic.
// A number shown in it is `ohms` x 10^-exponent.
struct LimitUnit {
    int exponent;         // -3, 0 or 3
    const char* caption;  // "Messwert in mOhm", ...
};
LimitUnit limit_unit(int range);

// value x 10^power, shifted on the value's shortest decimal digits rather than by a
// binary multiplication: 0.015 Ohm is 15 mOhm and 15 mOhm is 0.015 Ohm again, to the
// last bit, where 0.015 * 1000 / 1000 need not be.
double shift_decimal(double value, int power);

}  // namespace settings
