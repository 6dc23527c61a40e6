// Where the program keeps its files (Com.stp, Config, EXPORT, format.for): the project
// directory, chosen once at start.
#pragma once

#include <string>

namespace app {

// --home DIR, else $OHM7416_HOME, else the program's own folder when it is writable,
// else a per-user data folder. The folder is created when missing and seeded with the
// installed export formats. Empty with `error` set when no folder can be used.
std::string choose_project_directory(const std::string& home_option,
                                     const std::string& executable_dir,
                                     const std::string& user_data_dir, std::string& error);

}  // namespace app
