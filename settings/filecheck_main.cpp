// ohm7416-filecheck [FOLDER]
//
// Writes a configuration file and a backup file with the program's own writers and
// shows where the records landed. Each record of each set is filled with its own byte
// value first, so the record boundaries are found in the files themselves rather than
// taken from the layout table. Exits 0 when sizes and boundaries are as they must be.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "settings/records.h"
#include "settings/settings_files.h"
#include "ui/scripted_backend.h"

namespace {

using settings::SET_LAYOUT;

// Record r of set s carries this byte; neighbours always differ, across sets too.
unsigned char marker(int set, std::size_t record) {
    return static_cast<unsigned char>((set * 10 + static_cast<int>(record)) % 255 + 1);
}

void fill_records(int set) {
    settings::SetImage image;
    for (std::size_t r = 0; r < SET_LAYOUT.size(); ++r)
        std::memset(image.data() + SET_LAYOUT[r].offset, marker(set, r), SET_LAYOUT[r].size);
    settings::apply_set(image);
}

struct Run {
    std::size_t offset;
    std::size_t length;
    unsigned char value;
};

std::vector<Run> runs_of(const std::vector<unsigned char>& bytes) {
    std::vector<Run> runs;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (runs.empty() || bytes[i] != runs.back().value) runs.push_back({i, 0, bytes[i]});
        ++runs.back().length;
    }
    return runs;
}

std::vector<unsigned char> read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Checks that the file holds `sets` sets whose records lie exactly as the layout says;
// prints the boundaries found.
bool check_file(const std::string& path, int sets, bool print_each_record) {
    std::vector<unsigned char> bytes = read_all(path);
    std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
    bool ok = bytes.size() == settings::SET_SIZE * static_cast<std::size_t>(sets);
    std::vector<Run> runs = runs_of(bytes);
    ok = ok && runs.size() == SET_LAYOUT.size() * static_cast<std::size_t>(sets);
    for (std::size_t k = 0; ok && k < runs.size(); ++k) {
        int set = static_cast<int>(k / SET_LAYOUT.size());
        std::size_t record = k % SET_LAYOUT.size();
        const Run& run = runs[k];
        std::size_t offset_in_set = run.offset - settings::SET_SIZE * static_cast<std::size_t>(set);
        bool right = run.value == marker(set, record) &&
                     offset_in_set == SET_LAYOUT[record].offset &&
                     run.length == SET_LAYOUT[record].size;
        if (print_each_record || !right)
            std::printf("  %-26s offset %5zu  size %5zu%s\n", SET_LAYOUT[record].name,
                        offset_in_set, run.length, right ? "" : "  <- wrong");
        if (!print_each_record && record == 0)
            std::printf("  set %2d at offset %6zu\n", set, run.offset);
        ok = right;
    }
    std::printf("%s\n", ok ? "ok" : "WRONG LAYOUT");
    return ok;
}

constexpr const char* USAGE =
    "usage: ohm7416-filecheck [FOLDER]\n"
    "Writes check.cfg and check.bak into FOLDER (default: ohm7416-filecheck in the\n"
    "temporary folder) with the program's writers and shows where the records landed.\n"
    "Exit status 0 when sizes and record boundaries are right.\n";

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    // The command line is checked before anything is written: a mistyped option must
    // not become a folder.
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(USAGE, stdout);
        return EXIT_SUCCESS;
    }
    // A folder whose name starts with '-' is given as ./-name.
    if (argc == 2 && argv[1][0] == '-') {
        std::fprintf(stderr, "ohm7416-filecheck: unknown option %s\n%s", argv[1], USAGE);
        return 2;
    }
    if (argc > 2) {
        std::fprintf(stderr, "ohm7416-filecheck: one folder at most\n%s", USAGE);
        return 2;
    }
    std::error_code error;
    fs::path folder =
        argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path(error) / "ohm7416-filecheck";
    fs::create_directories(folder, error);

    ui::ScriptedBackend backend;
    backend.set_echo(&std::cerr);  // any error message reaches the terminal
    ui::set_backend(&backend);

    std::string configuration = (folder / "check.cfg").string();
    std::string backup = (folder / "check.bak").string();

    fill_records(0);
    if (settings::write_configuration_file(configuration) != 1) return EXIT_FAILURE;

    settings::BackupFileWriter writer;
    if (writer.open(backup) != 1) return EXIT_FAILURE;
    for (int set = 0; set < settings::BACKUP_SETS; ++set) {
        fill_records(set);
        writer.write_set(settings::capture_set());
    }
    if (writer.commit() != 1) return EXIT_FAILURE;

    bool ok = check_file(configuration, 1, true);
    ok = check_file(backup, settings::BACKUP_SETS, false) && ok;
    ui::set_backend(nullptr);
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
