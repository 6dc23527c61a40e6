// The value texts the instrument sends and the program shows: convert_string_to_value
// (limits and reference values), format_for_display (measured values, envelope reports,
// statistics) and the limit texts of format_limit_for_display.
// Input: the text itself; its first 32 bytes are also taken as the four limits.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "driver/zk7416.h"
#include "fuzz/fuzz_check.h"
#include "settings/limits.h"
#include "settings/records.h"
#include "text/value_format.h"

namespace {

void check_terminated(const char* field, std::size_t size, const char* what) {
    fuzz::check(std::memchr(field, '\0', size) != nullptr, what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string c_text = text.c_str();  // what a C caller can pass: up to the first NUL

    convert_string_to_value(c_text.c_str());

    std::string shown = c_text;
    float value = text::format_for_display(shown);
    fuzz::check(shown.size() <= c_text.size() + 1, "the display text grew by more than a blank");

    // The same rewrite into the fixed fields the records keep it in.
    for (std::size_t field_size : {sizeof rec::env.report_1, sizeof rec::env.report_3}) {
        // The fields come terminated from the instrument's answers.
        std::vector<char> field(field_size, '\0');
        std::memcpy(field.data(), text.data(), std::min(field_size - 1, text.size()));
        float in_field = text::format_for_display(field.data(), field.size());
        check_terminated(field.data(), field.size(), "a display field lost its terminator");
        if (c_text.size() < field_size)
            fuzz::check(in_field == value || (std::isnan(in_field) && std::isnan(value)),
                        "a field gives another value than the same text");
    }

    if (size >= 4 * sizeof(double)) {
        double limits[4];
        std::memcpy(limits, data, sizeof limits);
        rec::compare.limit_1 = limits[0];
        rec::compare.limit_2 = limits[1];
        rec::compare.limit_3 = limits[2];
        rec::compare.limit_4 = limits[3];
        settings::format_limit_for_display();
        for (const char* field : {rec::compare.limit_text_1, rec::compare.limit_text_2,
                                  rec::compare.limit_text_3, rec::compare.limit_text_4})
            check_terminated(field, sizeof rec::compare.limit_text_1,
                             "a limit text lost its terminator");
    }
    return 0;
}
