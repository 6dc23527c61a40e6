// Export formats: the format in use (ascii_exp) and its format files in the folder
// "format.for" of the project directory.
#pragma once

#include <string>
#include <string_view>

namespace exporting {

struct AsciiExp {
    char format_file[15];  // name of the format file in use, e.g. "user.for"
    char extension[5];     // with its dot, e.g. ".txt"
    char decimal_separator;
    char column_separator;
    int max_lines;  // kept in the format file; the writers do not apply it
};

extern AsciiExp ascii_exp;

inline constexpr const char* FORMAT_FOLDER = "format.for";

// Path of a file in the project's format folder.
std::string format_path(const std::string& name);

// Reads the format file named by format.format_file into `format`. A line that does
// not parse leaves its field as it was. 1, or -1 after "Kann Datei : %s nicht
// öffnnen" with the format file's name.
int load_export_para(AsciiExp& format);
int load_export_para();  // into ascii_exp

// Writes `format` into the format file named by its format_file, four lines, the last
// without a line end. 1, or -1 after telling the operator.
int save_export_para(const AsciiExp& format);
int save_export_para();  // ascii_exp

// What an operator may choose for a format: an extension of a dot and three letters or
// digits; separators of one Latin-1 character each, the two different from each other.
bool valid_extension(std::string_view extension);
// The operator's text for separators that cannot be used; empty when they can.
std::string separator_refusal(std::string_view decimal_utf8, std::string_view column_utf8);
// A separator as the format file holds it (Latin-1); the text must have passed
// separator_refusal.
char separator_char(std::string_view utf8);

// The format file's contents for `format`, byte for byte.
std::string format_file_text(const AsciiExp& format);

}  // namespace exporting
