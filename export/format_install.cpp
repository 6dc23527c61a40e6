#include "export/format_install.h"

#include <unistd.h>

#include <string>

#include "export/ascii_exp.h"

namespace exporting {

namespace fs = std::filesystem;

fs::path installed_format_dir() {
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return exe.parent_path().parent_path() / "share" / "ohm7416" / FORMAT_FOLDER;
}

bool seed_export_formats(const fs::path& project_dir, const fs::path& source) {
    std::error_code error;
    fs::path target = project_dir / FORMAT_FOLDER;
    if (fs::exists(fs::symlink_status(target, error))) return true;
    if (!fs::is_directory(source, error)) return false;

    // Copied beside the target first and renamed, so a copy that fails half-way never
    // leaves a partial folder that would stop the next attempt.
    fs::path staging =
        project_dir / (std::string(FORMAT_FOLDER) + ".new" + std::to_string(::getpid()));
    fs::remove_all(staging, error);
    fs::copy(source, staging, fs::copy_options::recursive, error);
    if (!error) fs::rename(staging, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove_all(staging, ignored);
        return fs::is_directory(target, ignored);
    }
    return true;
}

}  // namespace exporting
