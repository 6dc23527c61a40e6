// Starting an export once the operator has picked the export type.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/ui.h"

namespace exporting {

// The comment of the last export (UTF-8, at most 100 characters); the measurement
// graph shows it too.
extern std::string remark_text;

inline constexpr std::size_t REMARK_LENGTH = 100;

// Loads the format `format_file` (the name as the type list holds it), lets the
// operator choose the file ("Daten exportieren") and enter a comment, and opens the
// file. With measure_store_mode 1 it writes the header and leaves the file open for
// the values to come; otherwise it writes the datalogger export and closes the file.
//
// Returns 1 when the export runs or was written; -1 when the format could not be read,
// the operator cancelled the file choice, or the file could not be opened or written.
// On -1 measure_store_mode is 0 and no file is left open, and the caller switches its
// storing switch off; every failure except the cancel has been told to the operator.
int export_data(const std::string& format_file);

// The file dialog of an export: titled `title`, in the project's EXPORT folder, for
// files with the format's extension.
ui::FileSelection export_file_selection(const std::string& title, std::string_view extension);

}  // namespace exporting
