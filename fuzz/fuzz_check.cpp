#include "fuzz/fuzz_check.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "ui/scripted_backend.h"

namespace fuzz {

namespace {

// In memory where the system has a tmpfs: the program syncs every file it saves, which
// on a disk would slow a harness down to a few hundred inputs a second.
std::string make_scratch_dir() {
    char in_memory[] = "/dev/shm/ohm7416-fuzz-XXXXXX";
    char on_disk[] = "/tmp/ohm7416-fuzz-XXXXXX";
    const char* dir = ::mkdtemp(in_memory);
    if (!dir) dir = ::mkdtemp(on_disk);
    check(dir != nullptr, "cannot make a scratch folder");
    std::string path = dir;
    static const std::string removed_at_exit = path;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(removed_at_exit, ignored);
    });
    return path;
}

ui::ScriptedBackend& popups() {
    static ui::ScriptedBackend backend;
    return backend;
}

}  // namespace

void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

const std::string& scratch_dir() {
    static const std::string dir = make_scratch_dir();
    return dir;
}

std::string write_scratch_file(const std::string& name, std::string_view bytes) {
    std::string path = scratch_dir() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    check(static_cast<bool>(out), "cannot write a scratch file");
    return path;
}

void use_scripted_popups() {
    static bool installed = false;
    if (!installed) {
        ui::set_backend(&popups());
        installed = true;
    }
    popups().clear_records();
}

std::size_t popups_shown() { return popups().popups().size(); }

std::string last_popup_text() {
    return popups().popups().empty() ? std::string() : popups().popups().back().text;
}

}  // namespace fuzz
