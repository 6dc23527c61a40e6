// What the instrument says about itself in its answer to "*IDN?", and which firmware
// generation it runs. The generation decides formats elsewhere in the model (for
// example the length of datalogger dates), the identification only reports it.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tarvolux::sim {

enum class Firmware { Old, New };

// The widest field each position of the identification answer may have, so that the
// program's identification record holds it whole.
constexpr std::array<std::size_t, 5> IDN_FIELD_WIDTHS{29, 49, 14, 14, 17};

struct Identity {
    // The five comma-separated fields; the fourth is the firmware text, whose
    // characters 1-2 (counted from 0) are the month and 3-4 the two-digit year of the
    // firmware date.
    std::array<std::string, 5> fields;
    // An answer given whole (tool option --idn); wins over the fields when not empty.
    std::string text;

    static Identity for_firmware(Firmware firmware);
    static Identity from_text(std::string_view text);

    std::string answer() const;
};

// The generation a firmware date stands for: April 1997 and later is the newer one;
// two-digit years below 50 belong to the 2000s.
Firmware firmware_of(const Identity& identity);

}  // namespace tarvolux::sim
