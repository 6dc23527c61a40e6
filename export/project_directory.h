// Where the program and its command-line tool keep their files (Com.stp,
// Schnittstellen.txt, Config, EXPORT, format.for): the project directory, chosen once
// at start and seeded with the installed export formats.
#pragma once

#include <string>

namespace exporting {

// --home DIR, else $OHM7416_HOME, else the program's own folder when it is writable and
// not an installation (a build tree, a loose copy), else a per-user data folder. The folder is
// created when missing and seeded with the installed export formats. Empty with `error` set when no
// folder can be used.
std::string choose_project_directory(const std::string& home_option,
                                     const std::string& executable_dir,
                                     const std::string& user_data_dir, std::string& error);

// The folder of the running executable ("" when it cannot be told).
std::string executable_directory();

// The per-user folder: $XDG_DATA_HOME/ohm7416, else ~/.local/share/ohm7416. The program
// and ohm7416ctl agree on it, so an installed tool finds the program's Com.stp.
std::string user_data_directory();

}  // namespace exporting
