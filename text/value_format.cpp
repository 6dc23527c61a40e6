#include "text/value_format.h"

#include <cctype>

#include "text/number_text.h"
#include "text/text_field.h"

namespace text {

namespace {

constexpr std::size_t UNIT_LENGTH = 10;

bool is_letter(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u < 0x80 && std::isalpha(u);
}

}  // namespace

float format_for_display(std::string& text) {
    std::size_t letter = std::string::npos;
    for (std::size_t i = 2; i < text.size(); ++i) {
        if (is_letter(text[i])) {
            letter = i;
            break;
        }
    }
    if (letter == std::string::npos) return 0.0f;

    std::string unit = text.substr(letter, UNIT_LENGTH);
    for (char& c : unit) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (unit[0] == 'o')
        unit[0] = 'O';
    else if (unit.size() > 1 && unit[1] == 'o')
        unit[1] = 'O';
    text.erase(letter);
    text += ' ';
    text += unit;

    double value = parse_leading_number(text).value_or(0.0);
    if (unit[0] == 'm')
        value /= 1000.0;
    else if (unit[0] == 'k')
        value *= 1000.0;
    return static_cast<float>(value);
}

float format_for_display(char* text, std::size_t size) {
    if (size == 0) return 0.0f;
    std::string_view original = text::field_text(text, size);
    std::string rewritten(original);
    float value = format_for_display(rewritten);
    if (rewritten != original) text::copy_text(text, size, rewritten);
    return value;
}

}  // namespace text
