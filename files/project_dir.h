// The project directory every program file is found in, and the last path the operator
// chose in a file dialog.
#pragma once

#include <string>
#include <string_view>

namespace files {

// Set once by the program at start.
extern std::string curr_dir;
// The path last chosen in a file dialog (configuration, backup or export file).
extern std::string file_name;

// Joins path parts with '/', without doubling a separator a part already ends with.
std::string join_path(std::string_view first, std::string_view second);

template <typename... Rest>
std::string join_path(std::string_view first, std::string_view second, Rest... rest) {
    return join_path(join_path(first, second), rest...);
}

}  // namespace files
