// The export of a command that writes an export file: the type named on the command
// line as the export type panel lists it, checked before anything is sent, and the
// file and comment the program would ask for, taken from the options.
#pragma once

#include <map>
#include <string>

#include "ctl/subcommand.h"

namespace ctl {

// The options --format and --comment, the same for every command that exports.
// Functions, not objects: the command tables are built during static initialisation.
CommandOption format_option();
CommandOption comment_option();

// --format and --comment only with --export, and --export with a file name. False with
// a German one-line `error`.
bool check_export_options(const std::map<std::string, std::string>& values, std::string& error);

// `name` is an export type of format.for/export.exp, by its name in the list (letters
// in either case) or by its format file ("tabelle.for"); empty means the first type,
// the one the panel preselects. Sets `format_file` when the type is listed and its
// format file can be read; otherwise false after one message to the operator.
// Needs the project directory.
bool choose_export_format(const std::string& name, std::string& format_file);

// exporting::export_data(format_file) as after OK in the export type panel, with the
// file (--export) and the comment (--comment) given where the program asks for them.
// Its result: 1 when the export runs or was written.
int export_as_chosen(Invocation& invocation, const std::string& format_file);

}  // namespace ctl
