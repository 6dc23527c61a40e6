#include "settings/limits.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "text/number_text.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "ui/ui.h"

namespace settings {

namespace {

constexpr std::size_t TEXT_FIELD = sizeof rec::compare.limit_text_1;

// A limit in the unit that suits its size: the number in that unit and its decimals.
struct Shown {
    double number;
    int decimals;
    const char* unit;
};

Shown shown(double v) {
    if (v >= 100000) return {v / 1000, 2, " kOhm"};
    if (v >= 10000) return {v / 1000, 3, " kOhm"};
    if (v >= 1000) return {v / 1000, 4, " kOhm"};
    if (v >= 10) return {v, 2, " Ohm"};  // 10 to 1000 Ohm alike: two decimals
    if (v >= 1) return {v, 4, " Ohm"};
    return {v * 1000, 2, " mOhm"};  // below 1, negative, and anything that compares with nothing
}

std::string scientific(double value) {
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 3);
    return result.ec == std::errc() ? std::string(text, result.ptr) : std::string();
}

// Limits far outside the instrument's ranges would not fit the 20-byte field in fixed
// notation; they are shown in exponent notation instead of being cut to a wrong number.
void store(char (&field)[TEXT_FIELD], const char* prefix, double v) {
    std::string text = prefix + limit_display_text(v);
    if (text.size() >= TEXT_FIELD) {
        Shown limit = shown(v);
        text = prefix + scientific(limit.number) + limit.unit;
    }
    text::copy_text(field, text);
}

}  // namespace

std::string limit_display_text(double ohms) {
    Shown limit = shown(ohms);
    return text::format_fixed(limit.number, limit.decimals) + limit.unit;
}

LimitUnit limit_unit(int range) {
    if (range == 1) return {-3, UI_TEXT("ohm7416", "Messwert in mOhm")};
    if (range >= 5 && range <= 7) return {3, UI_TEXT("ohm7416", "Messwert in kOhm")};
    return {0, UI_TEXT("ohm7416", "Messwert in Ohm")};
}

double shift_decimal(double value, int power) {
    if (power == 0 || value == 0 || !std::isfinite(value)) return value;
    char text[48];
    auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    if (written.ec != std::errc()) return value;
    std::string_view digits(text, static_cast<std::size_t>(written.ptr - text));
    std::size_t e = digits.find('e');
    int exponent = 0;
    std::from_chars(digits.data() + e + 1 + (digits[e + 1] == '+'), digits.data() + digits.size(),
                    exponent);
    std::string shifted = std::string(digits.substr(0, e)) + "e" + std::to_string(exponent + power);
    double result = value;
    std::from_chars(shifted.data(), shifted.data() + shifted.size(), result);
    return result;
}

int check_limits() {
    const rec::Compare& c = rec::compare;
    if (c.limit_count == 4) {
        if (!(c.limit_3 < c.limit_4 && c.limit_2 < c.limit_3 && c.limit_1 < c.limit_2)) {
            ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"),
                            UI_TEXT("ohm7416",
                                    "Grenzen sind inconsistent.\n\nBitte Grenze Eingabe ändern\n\n"
                                    "Grenzwert '>>' > Grenzwert '>',\nGrenzwert '>' > Grenzwert '<'"
                                    "\n\nusw."));
            return -1;
        }
    } else if (!(c.limit_2 < c.limit_3)) {
        ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"),
                        UI_TEXT("ohm7416",
                                "Grenzen sind inconsistent.\n\nBitte Grenze Eingabe ändern\n\n"
                                "Grenzwert '>' > Grenzwert '<'"));
        return -1;
    }
    return 1;
}

int format_limit_for_display() {
    rec::Compare& c = rec::compare;
    store(c.limit_text_4, "R>", c.limit_4);
    store(c.limit_text_3, "R>", c.limit_3);
    store(c.limit_text_2, "R<", c.limit_2);
    store(c.limit_text_1, "R<", c.limit_1);
    return 0;
}

}  // namespace settings
