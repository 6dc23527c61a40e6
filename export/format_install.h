// The export formats installed with the program, and seeding a project directory with
// them.
#pragma once

#include <filesystem>

namespace exporting {

// <folder of the executable>/../share/ohm7416/format.for
std::filesystem::path installed_format_dir();

// When `project_dir` has no "format.for" yet, copies the installed one there (as a
// whole: it appears complete or not at all). A project that has one is left alone, so
// an operator's formats are never overwritten. True when the project has a format
// folder afterwards.
bool seed_export_formats(const std::filesystem::path& project_dir,
                         const std::filesystem::path& source = installed_format_dir());

}  // namespace exporting
