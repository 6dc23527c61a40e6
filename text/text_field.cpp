#include "text/text_field.h"

#include <cstring>

#include "text/latin1.h"

namespace text {

void copy_text(char* field, std::size_t size, std::string_view text) {
    if (size == 0) return;
    std::size_t length = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

std::string_view field_text(const char* field, std::size_t size) {
    const void* end = std::memchr(field, '\0', size);
    return {field, end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : size};
}

void copy_utf8_text(char* field, std::size_t size, std::string_view utf8) {
    copy_text(field, size, text::utf8_to_latin1(utf8));
}

std::string field_text_utf8(const char* field, std::size_t size) {
    return text::latin1_to_utf8(field_text(field, size));
}

}  // namespace text
