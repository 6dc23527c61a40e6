// The export format of a command that writes an export file: named on the command line
// as the export type panel lists it, and checked before anything is sent.
#pragma once

#include <string>

namespace ctl {

// `name` is an export type of format.for/export.exp, by its name in the list (letters
// in either case) or by its format file ("tabelle.for"); empty means the first type,
// the one the panel preselects. Sets `format_file` when the type is listed and its
// format file can be read; otherwise false after one message to the operator.
// Needs the project directory.
bool choose_export_format(const std::string& name, std::string& format_file);

}  // namespace ctl
