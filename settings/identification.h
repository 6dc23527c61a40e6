// The instrument's identification: the "*IDN?" answer split into the device record,
// and the firmware generation derived from its fourth field.
#pragma once

#include <string_view>

namespace settings {

// Splits the answer at commas into device.ident_1 ... ident_5; each field is cut to
// its array (never written past it). Fields the answer does not have keep their text.
void store_identification(std::string_view answer);

// device.new_firmware := 1 when the firmware date in ident_4 (month at characters 2-3,
// two-digit year at 4-5, counted from 1) is later than March 1997, else 0.
void check_new_version();

}  // namespace settings

// The name the start-up and the interface dialogs call it by.
inline void check_new_version() {
    settings::check_new_version();
}
