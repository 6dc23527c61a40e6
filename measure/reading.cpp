#include "measure/reading.h"

#include "text/latin1.h"
#include "text/number_text.h"
#include "text/value_format.h"
#include "ui/translatable.h"

namespace measure {

namespace {

// The instrument's own names of the causes; a display shows them translated (ui::shown).
constexpr const char* CAUSE_TEXTS[] = {
    UI_TEXT("ohm7416", "T-Komp.Error"), UI_TEXT("ohm7416", "U-KabelError"),
    UI_TEXT("ohm7416", "I-Osiz.Error"), UI_TEXT("ohm7416", "Untersteuert"),
    UI_TEXT("ohm7416", "Übersteuert"),  UI_TEXT("ohm7416", "I-Over"),
    UI_TEXT("ohm7416", "Mess I-Over"),  UI_TEXT("ohm7416", "Mess U-Over")};

// A rewritten answer names a resistance when a number leads it and its unit is one of
// ohms; an overload text or the reference answer does not.
std::optional<double> resistance_of(const std::string& rewritten, float ohms) {
    if (!text::parse_leading_number(rewritten)) return std::nullopt;
    std::size_t blank = rewritten.find(' ');
    if (blank == std::string::npos || rewritten.find("Ohm", blank) == std::string::npos)
        return std::nullopt;
    return static_cast<double>(ohms);
}

}  // namespace

std::string error_text(std::int32_t status) {
    if (status >= 310 && status <= 317) return CAUSE_TEXTS[status - 310];
    return "Error " + std::to_string(status);
}

Reading interpret_reading(std::int32_t status, const std::string& answer, int display_mode) {
    Reading reading;
    if (status == 301) return reading;
    if (status != 0) {
        reading.kind = Reading::Kind::Error;
        reading.text = error_text(status);
        reading.status = status;
        return reading;
    }
    // The driver reports some polls that brought nothing with status 0 and the answer
    // untouched; those are no value.
    if (answer.empty()) return reading;

    reading.kind = Reading::Kind::Value;
    std::string text;
    std::string rewritten = answer;
    switch (display_mode) {
        case 0:
            if (answer == ">>>") {
                text = ">>> Over Range";
                break;
            }
            {
                float ohms = text::format_for_display(rewritten);
                text = rewritten;
                if (rewritten != "000") reading.ohms = resistance_of(rewritten, ohms);
            }
            break;
        case 2:
            text = std::string(10, ' ') + answer.substr(0, 5);
            break;
        default:
            text = answer.substr(0, 30);
            for (char& c : text) {
                if (c == 'M') c = 'm';
                if (c == 'H') c = 'h';
            }
            break;
    }
    if (rewritten == "000") {
        text = UI_TEXT("ohm7416", "Ref.Mess.");
        reading.reference = true;
        reading.ohms.reset();
    }
    if (text.size() > DISPLAY_TEXT_LENGTH) text.resize(DISPLAY_TEXT_LENGTH);
    reading.text = text::latin1_to_utf8(text);
    return reading;
}

}  // namespace measure
