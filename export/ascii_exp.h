// Export formats: the format in use (ascii_exp) and its format files in the folder
// "format.for" of the project directory.
#pragma once

#include <string>

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

// Reads the format file named by ascii_exp.format_file into ascii_exp. A line that
// does not parse leaves its field as it was. 1, or -1 after "Kann Datei : %s nicht
// öffnnen" with the format file's name.
int load_export_para();

// Writes ascii_exp into the format file named by ascii_exp.format_file, four lines,
// the last without a line end. 1, or -1 after telling the operator.
int save_export_para();

// The format file's contents for `format`, byte for byte.
std::string format_file_text(const AsciiExp& format);

}  // namespace exporting
