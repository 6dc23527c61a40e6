#include "app/project_directory.h"

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

#include "export/format_install.h"

namespace app {
namespace fs = std::filesystem;

namespace {

bool usable(const fs::path& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
}

}  // namespace

std::string choose_project_directory(const std::string& home_option,
                                     const std::string& executable_dir,
                                     const std::string& user_data_dir, std::string& error) {
    fs::path chosen;
    const char* env = std::getenv("OHM7416_HOME");
    if (!home_option.empty()) {
        chosen = home_option;
    } else if (env && *env) {
        chosen = env;
    } else if (!executable_dir.empty() && ::access(executable_dir.c_str(), W_OK) == 0) {
        chosen = executable_dir;
    } else {
        chosen = user_data_dir;
    }
    if (chosen.empty() || !usable(chosen)) {
        error = "Das Projektverzeichnis " + chosen.string() +
                " kann nicht angelegt oder beschrieben werden.";
        return {};
    }
    std::error_code ec;
    fs::path absolute = fs::absolute(chosen, ec);
    if (!ec) chosen = absolute.lexically_normal();
    exporting::seed_export_formats(chosen);
    std::string text = chosen.string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

}  // namespace app
