#include "driver/command_helpers.h"

#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "driver/answer_parsing.h"
#include "driver/zk7416_internal.h"

namespace zk7416 {

int32_t run_steps(std::initializer_list<Step> steps) {
    for (const Step& step : steps) {
        int32_t s = step();
        if (s != 0) return s;
    }
    return 0;
}

int32_t send_all(int32_t handle, std::initializer_list<std::string_view> commands) {
    for (std::string_view command : commands) {
        int32_t s = zk7416_send_scpi(handle, std::string(command).c_str());
        if (s != 0) return s;
    }
    return 0;
}

namespace {

// A real number in fixed-point notation that reads back as the same double. "%f" keeps
// six decimals, which turns a PT100 coefficient of 0.0039083 into 0.003908 and
// -5.775e-7 into -0.000001; where six decimals already give the value back the text is
// exactly "%f"'s, otherwise decimals are added until it reads back unchanged, up to
// MAX_REAL_DECIMALS: a value that needs more (below about 1e-23, which no setting of the
// instrument resolves; only a damaged file holds one) is sent rounded there, so it
// cannot make its command too long for a line.
constexpr int MAX_REAL_DECIMALS = 40;

std::string real_text(const std::string& head, double value) {
    char text[kBufferSize * 8];
    std::snprintf(text, sizeof text, (head + ".6f").c_str(), value);
    if (!std::isfinite(value)) return text;
    for (int decimals = 7; decimals <= MAX_REAL_DECIMALS && std::strtod(text, nullptr) != value;
         ++decimals) {
        int n = std::snprintf(text, sizeof text, (head + ".*f").c_str(), decimals, value);
        // Beyond this the line is far longer than the message layer accepts anyway.
        if (n < 0 || static_cast<std::size_t>(n) >= sizeof text) break;
    }
    return text;
}

// One conversion of the format: flags and width as written, the precision if any, the
// length modifiers and the conversion letter.
struct Conversion {
    std::string head;  // '%', flags, width; without precision, length and letter
    std::string precision;
    std::string length;
    char letter = 0;
};

const char* parse_conversion(const char* p, Conversion& c) {
    c.head = "%";
    while (*p && std::strchr("-+ #0", *p)) c.head += *p++;
    while (*p && (std::isdigit(static_cast<unsigned char>(*p)) || *p == '*')) c.head += *p++;
    if (*p == '.') {
        c.precision += *p++;
        while (*p && (std::isdigit(static_cast<unsigned char>(*p)) || *p == '*'))
            c.precision += *p++;
    }
    while (*p && std::strchr("hlLqjzt", *p)) c.length += *p++;
    c.letter = *p ? *p++ : 0;
    return p;
}

// One argument formatted by one printf conversion.
template <class T>
std::string printf_text(const std::string& conversion, T value) {
    char text[kBufferSize * 8];
    std::snprintf(text, sizeof text, conversion.c_str(), value);
    return text;
}

// One argument of an integer conversion, read with the type its length modifier names.
template <class Signed, class Unsigned>
std::string integer_text(const std::string& conversion, bool is_signed, va_list& args) {
    if (is_signed) return printf_text(conversion, va_arg(args, Signed));
    return printf_text(conversion, va_arg(args, Unsigned));
}

// printf-style formatting in the "C" locale, except that "%f" without a precision
// writes its number so that it reads back unchanged (real_text).
std::string vline(const char* format, va_list arguments) {
    ClassicNumberScope classic;
    va_list args;
    va_copy(args, arguments);
    std::string out;
    const char* p = format;
    while (*p) {
        if (*p != '%') {
            out += *p++;
            continue;
        }
        Conversion c;
        p = parse_conversion(p + 1, c);
        if (c.letter == '%') {
            out += '%';
            continue;
        }
        // Widths and precisions given as '*' come first in the arguments.
        std::string prefix = c.head + c.precision;
        std::string resolved;
        for (char ch : prefix) {
            if (ch == '*')
                resolved += std::to_string(va_arg(args, int));
            else
                resolved += ch;
        }
        std::string conversion = resolved + c.length + c.letter;
        bool is_signed = c.letter == 'd' || c.letter == 'i';
        switch (c.letter) {
            case 'f':
            case 'F':
                if (c.precision.empty()) {
                    out += real_text(resolved, va_arg(args, double));
                    break;
                }
                [[fallthrough]];
            case 'e':
            case 'E':
            case 'g':
            case 'G':
            case 'a':
            case 'A':
                out += printf_text(conversion, va_arg(args, double));
                break;
            case 's':
                out += printf_text(conversion, va_arg(args, const char*));
                break;
            case 'c':
            case 'd':
            case 'i':
            case 'u':
            case 'x':
            case 'X':
            case 'o':
                if (c.length == "l")
                    out += integer_text<long, unsigned long>(conversion, is_signed, args);
                else if (c.length == "ll")
                    out += integer_text<long long, unsigned long long>(conversion, is_signed, args);
                else if (c.length == "z")
                    out += integer_text<std::ptrdiff_t, std::size_t>(conversion, is_signed, args);
                else
                    out += integer_text<int, unsigned>(conversion, is_signed, args);
                break;
            default:
                // Not a conversion the driver uses: written as it stands.
                out += resolved + c.length;
                if (c.letter) out += c.letter;
                break;
        }
    }
    va_end(args);
    return out;
}

}  // namespace

std::string line(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = vline(format, args);
    va_end(args);
    return text;
}

int32_t send_formatted(int32_t handle, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string command = vline(format, args);
    va_end(args);
    return zk7416_send_scpi(handle, command.c_str());
}

bool flags_valid(std::initializer_list<int32_t> flags, int32_t first_code) {
    int32_t code = first_code;
    for (int32_t flag : flags) {
        if (zk7416_invalid_integer_range(flag, 0, 1, code)) return false;
        --code;
    }
    return true;
}

bool text_fits(const char* text, std::size_t max_length, int32_t code) {
    if (text && std::strlen(text) <= max_length) return true;
    fail(code);
    return false;
}

void replace_blanks(char* text, bool keep_last) {
    std::size_t n = std::strlen(text);
    if (keep_last && n > 0) --n;
    for (std::size_t i = 0; i < n; ++i)
        if (text[i] == ' ') text[i] = '_';
}

int32_t ask(int32_t handle, std::string_view query, std::string& answer) {
    char buffer[kBufferSize];
    buffer[0] = '\0';
    int32_t s = zk7416_receive_scpi(handle, std::string(query).c_str(), buffer);
    if (s == 0) answer = buffer;
    return s;
}

int32_t query_int(int32_t handle, std::string_view query, int32_t* out) {
    std::string answer;
    int32_t s = ask(handle, query, answer);
    int32_t value = 0;
    if (s == 0 && parse_leading_int(answer, value)) store(out, value);
    return s;
}

int32_t query_double(int32_t handle, std::string_view query, double* out) {
    std::string answer;
    int32_t s = ask(handle, query, answer);
    double value = 0.0;
    if (s == 0 && parse_leading_double(answer, value)) store(out, value);
    return s;
}

int32_t query_keyword(int32_t handle, std::string_view query, int32_t* out,
                      std::initializer_list<const char*> keywords, int32_t otherwise) {
    std::string answer;
    int32_t s = ask(handle, query, answer);
    if (s != 0) return s;
    int32_t index = 0;
    for (const char* keyword : keywords) {
        if (equals_ignore_case(answer, keyword)) {
            store(out, index);
            return 0;
        }
        ++index;
    }
    if (otherwise != kUnchanged) store(out, otherwise);
    return 0;
}

int32_t query_word(int32_t handle, std::string_view query, char* out, std::size_t size) {
    std::string answer;
    int32_t s = ask(handle, query, answer);
    if (s == 0) copy_bounded(out, size, first_word(answer));
    return s;
}

int32_t query_text(int32_t handle, std::string_view query, char* out, std::size_t size) {
    std::string answer;
    int32_t s = ask(handle, query, answer);
    if (s == 0) copy_bounded(out, size, answer);
    return s;
}

namespace {

// Parses the comma fields of the answer into the outputs in order, until a field
// holds no number or the outputs run out.
template <class T, class Parse>
int32_t query_fields(int32_t handle, std::string_view query, std::initializer_list<T*> outs,
                     std::size_t field_width, Parse parse) {
    std::string answer;
    int32_t s = ask(handle, query, answer);
    if (s != 0) return s;
    std::vector<std::string_view> fields = split_fields(answer);
    std::size_t i = 0;
    for (T* out : outs) {
        if (i >= fields.size()) break;
        std::string_view field = fields[i++];
        if (field_width > 0) field = field.substr(0, field_width);
        T value{};
        if (!parse(field, value)) break;
        store(out, value);
    }
    return 0;
}

}  // namespace

int32_t query_int_fields(int32_t handle, std::string_view query,
                         std::initializer_list<int32_t*> outs) {
    return query_fields(handle, query, outs, 0,
                        [](std::string_view f, int32_t& v) { return parse_leading_int(f, v); });
}

int32_t query_double_fields(int32_t handle, std::string_view query,
                            std::initializer_list<double*> outs, std::size_t field_width) {
    return query_fields(handle, query, outs, field_width,
                        [](std::string_view f, double& v) { return parse_leading_double(f, v); });
}

}  // namespace zk7416
