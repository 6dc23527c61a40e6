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

}  // namespace settings
