// The list of selectable export types, read from format.for/export.exp.
#pragma once

namespace exporting {

inline constexpr int MAX_EXPORT_TYPES = 10;

struct ExportType {
    char export_type_name[21];  // shown in the list (Latin-1)
    char export_type_file[15];  // its format file
};

extern ExportType export_types[MAX_EXPORT_TYPES];
// Index of the last valid entry (-1 for an empty list).
extern int export_type_last;

// Reads export.exp: one type per line, name and format file as the first two words,
// up to a line that begins with "<ende>". A line with fewer than two words, or whose
// file name is longer than 14 characters, is no type (a cut file name would name
// another file); a longer type name is cut to 20 characters. When ten types have been
// read, "Zu viele Export Type" is shown and reading stops.
// 1 when the file was read, -1 after "Kann Datei : export.exp nicht öffnnen".
int get_export_types();

}  // namespace exporting
