#include "sim/identity.h"

namespace tarvolux::sim {

Identity Identity::for_firmware(Firmware firmware) {
    if (firmware == Firmware::New) {
        return {{"TARVOLUX", "Typ 7416 Digital-Milliohmmeter", "S/N 7416-0815", "V0499-2.31",
                 "CAL 03.11.2002"},
                {}};
    }
    return {{"TARVOLUX", "Typ 7416 Digital-Milliohmmeter", "S/N 7416-0233", "V1296-1.12",
             "CAL 14.01.1997"},
            {}};
}

Identity Identity::from_text(std::string_view text) {
    Identity identity;
    identity.text = std::string(text);
    // The fields are split as the program splits them; the last one runs to the end.
    for (std::size_t i = 0; i < identity.fields.size(); ++i) {
        const std::size_t comma =
            i + 1 < identity.fields.size() ? text.find(',') : std::string_view::npos;
        identity.fields[i] = std::string(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
    return identity;
}

std::string Identity::answer() const {
    if (!text.empty()) return text;
    std::string out;
    for (const std::string& field : fields) {
        if (!out.empty()) out += ',';
        out += field;
    }
    return out;
}

namespace {

// Two characters read as a decimal number; a pair that does not start with a digit
// counts as 0, one digit followed by a non-digit counts as that digit.
int two_digits(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') return 0;
    int value = text[pos] - '0';
    if (pos + 1 < text.size() && text[pos + 1] >= '0' && text[pos + 1] <= '9')
        value = value * 10 + (text[pos + 1] - '0');
    return value;
}

}  // namespace

Firmware firmware_of(const Identity& identity) {
    const std::string& firmware = identity.fields[3];
    const int month = two_digits(firmware, 1);
    const int year = two_digits(firmware, 3);
    if (year == 97) return month >= 4 ? Firmware::New : Firmware::Old;
    if (year > 97 || year < 50) return Firmware::New;
    return Firmware::Old;
}

}  // namespace tarvolux::sim
