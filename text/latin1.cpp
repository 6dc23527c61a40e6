#include "text/latin1.h"

namespace text {

namespace {

// Length of the valid UTF-8 sequence at `text[i]` and its code point; 0 when the bytes
// there are no valid sequence (overlong forms and surrogates included).
std::size_t decode(std::string_view text, std::size_t i, char32_t& code) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    std::size_t length;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

namespace {

// Strict: a character beyond Latin-1 or a byte that is no UTF-8 ends the conversion
// (nullopt). Lenient: the first becomes '?', the second is kept as it is.
std::optional<std::string> to_latin1(std::string_view utf8, bool strict) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            out += utf8[i++];
            continue;
        }
        char32_t code = 0;
        std::size_t length = decode(utf8, i, code);
        if (strict && (length == 0 || code > 0xFF)) return std::nullopt;
        if (length == 0) {
            out += utf8[i++];
            continue;
        }
        out += code <= 0xFF ? static_cast<char>(code) : '?';
        i += length;
    }
    return out;
}

}  // namespace

std::string utf8_to_latin1(std::string_view utf8) {
    return *to_latin1(utf8, false);
}

std::optional<std::string> exact_latin1(std::string_view utf8) {
    return to_latin1(utf8, true);
}

std::string latin1_to_utf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size() * 2);
    for (char c : latin1) {
        auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

}  // namespace text
