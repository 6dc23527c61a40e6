#include "driver/answer_parsing.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zk7416 {

ClassicNumberScope::ClassicNumberScope() {
    // Made once and never freed: the process needs it until its end.
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
    previous_ = classic ? uselocale(classic) : locale_t{};
}

ClassicNumberScope::~ClassicNumberScope() {
    if (previous_) uselocale(previous_);
}

namespace {

std::size_t skip_blanks(std::string_view text, std::size_t i = 0) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return i;
}

int digit_value(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

bool parse_integer(std::string_view text, int base, int32_t& out) {
    std::size_t i = skip_blanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    std::size_t digits = 0;
    for (; i < text.size(); ++i, ++digits) {
        int d = digit_value(text[i], base);
        if (d < 0) break;
        // Saturate instead of overflowing on absurdly long digit runs.
        if (value < (int64_t{1} << 40)) value = value * base + d;
    }
    if (digits == 0) return false;
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    if (value < INT32_MIN) value = INT32_MIN;
    out = static_cast<int32_t>(value);
    return true;
}

}  // namespace

bool parse_leading_int(std::string_view text, int32_t& out) {
    return parse_integer(text, 10, out);
}

bool parse_leading_hex(std::string_view text, int32_t& out) {
    return parse_integer(text, 16, out);
}

bool parse_leading_double(std::string_view text, double& out, std::size_t* length) {
    // strtod needs a terminated string; answers are short, so copy.
    std::string copy(text);
    const char* begin = copy.c_str();
    char* end = nullptr;
    errno = 0;
    ClassicNumberScope classic;
    double v = std::strtod(begin, &end);
    if (end == begin) return false;
    out = v;
    if (length) *length = static_cast<std::size_t>(end - begin);
    return true;
}

std::string first_word(std::string_view text) {
    std::size_t i = skip_blanks(text);
    std::size_t j = i;
    while (j < text.size() && text[j] != ' ' && text[j] != '\t' && text[j] != '\r' &&
           text[j] != '\n')
        ++j;
    return std::string(text.substr(i, j - i));
}

std::vector<std::string_view> split_fields(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t pos = text.find(separator, start);
        if (pos == std::string_view::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, pos - start));
        start = pos + 1;
    }
}

bool equals_ignore_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

void copy_bounded(char* dst, std::size_t size, std::string_view src) {
    if (!dst || size == 0) return;
    std::size_t n = src.size() < size - 1 ? src.size() : size - 1;
    std::memcpy(dst, src.data(), n);
    dst[n] = '\0';
}

std::string fixed_point(double value) {
    char text[400];
    ClassicNumberScope classic;
    std::snprintf(text, sizeof text, "%f", value);
    return text;
}

}  // namespace zk7416
