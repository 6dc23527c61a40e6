// Reading and writing the fixed-size text fields of the records. Nothing here ever
// touches a byte outside the field.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

// Stores `text` (Latin-1) in the field: at most size - 1 bytes, then one terminator.
// The bytes after that terminator are left as they stand: they are part of the file
// image, and files must carry them unchanged.
void copy_text(char* field, std::size_t size, std::string_view text);

// The field's text: up to its terminator, or the whole field when it has none (a field
// loaded from a damaged file).
std::string_view field_text(const char* field, std::size_t size);

template <std::size_t N>
void copy_text(char (&field)[N], std::string_view text) {
    copy_text(field, N, text);
}

template <std::size_t N>
std::string_view field_text(const char (&field)[N]) {
    return field_text(field, N);
}

// Stores a UTF-8 text (a program literal such as "Gelöscht") as Latin-1.
void copy_utf8_text(char* field, std::size_t size, std::string_view utf8);

template <std::size_t N>
void copy_utf8_text(char (&field)[N], std::string_view utf8) {
    copy_utf8_text(field, N, utf8);
}

// The field's text converted to UTF-8, for the ui layer.
std::string field_text_utf8(const char* field, std::size_t size);

template <std::size_t N>
std::string field_text_utf8(const char (&field)[N]) {
    return field_text_utf8(field, N);
}

}  // namespace text
