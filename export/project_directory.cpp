#include "export/project_directory.h"

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

#include "export/format_install.h"
#include "ui/translatable.h"

namespace exporting {
namespace fs = std::filesystem;

namespace {

bool usable(const fs::path& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
}

// An installed program (<prefix>/bin beside <prefix>/share/ohm7416) never keeps the
// operator's files beside itself, even where it may write there (run as root, or
// installed into the home folder): that folder belongs to the package manager. Only a
// build tree or a loose copy of the program is its own project directory.
bool installed(const fs::path& executable_dir) {
    std::error_code ec;
    fs::path prefix = executable_dir.parent_path();
    return fs::is_directory(prefix / "share" / "ohm7416", ec) &&
           !fs::exists(prefix / "CMakeCache.txt", ec);
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
    } else if (!executable_dir.empty() && ::access(executable_dir.c_str(), W_OK) == 0 &&
               !installed(executable_dir)) {
        chosen = executable_dir;
    } else {
        chosen = user_data_dir;
    }
    if (chosen.empty() || !usable(chosen)) {
        error = ui::compose(UI_TEXT("ohm7416",
                                    "Das Projektverzeichnis %1 kann nicht angelegt oder "
                                    "beschrieben werden."),
                            chosen.string());
        return {};
    }
    std::error_code ec;
    fs::path absolute = fs::absolute(chosen, ec);
    if (!ec) chosen = absolute.lexically_normal();
    seed_export_formats(chosen);
    std::string text = chosen.string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

std::string executable_directory() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

std::string user_data_directory() {
    const char* data_home = std::getenv("XDG_DATA_HOME");
    if (data_home && *data_home == '/') return (fs::path(data_home) / "ohm7416").string();
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    return (fs::path(home) / ".local" / "share" / "ohm7416").string();
}

}  // namespace exporting
