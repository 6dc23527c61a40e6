#include "settings/identification.h"

#include <cstddef>

#include "settings/records.h"
#include "text/text_field.h"

namespace settings {
namespace {

// A two-character decimal number: leading digits only; a non-digit first counts as 0.
int two_digit_number(std::string_view text, std::size_t pos) {
    int value = 0;
    for (std::size_t i = pos; i < pos + 2 && i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

void store_identification(std::string_view answer) {
    struct Field {
        char* text;
        std::size_t size;
    };
    const Field fields[] = {{rec::device.ident_1, sizeof rec::device.ident_1},
                            {rec::device.ident_2, sizeof rec::device.ident_2},
                            {rec::device.ident_3, sizeof rec::device.ident_3},
                            {rec::device.ident_4, sizeof rec::device.ident_4},
                            {rec::device.ident_5, sizeof rec::device.ident_5}};
    std::string_view rest = answer;
    for (const Field& field : fields) {
        std::size_t comma = rest.find(',');
        text::copy_text(field.text, field.size, rest.substr(0, comma));
        if (comma == std::string_view::npos) return;
        rest.remove_prefix(comma + 1);
    }
}

void check_new_version() {
    std::string_view firmware = text::field_text(rec::device.ident_4);
    int month = two_digit_number(firmware, 1);
    int year = two_digit_number(firmware, 3);
    bool newer = year == 97 ? month >= 4 : (year > 97 || year < 50);
    rec::device.new_firmware = newer ? 1 : 0;
}

}  // namespace settings
