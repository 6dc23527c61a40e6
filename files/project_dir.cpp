#include "files/project_dir.h"

namespace files {

std::string curr_dir;
std::string file_name;

std::string join_path(std::string_view first, std::string_view second) {
    std::string path(first);
    if (path.empty()) return std::string(second);
    if (path.back() != '/') path += '/';
    path += second;
    return path;
}

}  // namespace files
