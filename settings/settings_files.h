// Configuration files (one settings set) and backup files (32 sets): raw images of the
// ten records in set order, no header, little-endian.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "files/atomic_file.h"
#include "settings/records.h"

namespace settings {

struct RecordPlace {
    const char* name;
    std::size_t offset;
    std::size_t size;
};

inline constexpr std::size_t SET_SIZE = 3900;
inline constexpr int BACKUP_SETS = 32;
inline constexpr std::size_t BACKUP_SIZE = SET_SIZE * BACKUP_SETS;

// The ten records in set order and where each lies in a set.
inline constexpr std::array<RecordPlace, 10> SET_LAYOUT{{
    {"device", 0, sizeof(rec::Device)},
    {"measurement_configuration", 132, sizeof(rec::MeasurementConfiguration)},
    {"datalog", 188, sizeof(rec::Datalog)},
    {"env", 2348, sizeof(rec::Env)},
    {"compare", 2444, sizeof(rec::Compare)},
    {"print", 2596, sizeof(rec::Print)},
    {"upload", 2648, sizeof(rec::Upload)},
    {"tempconf", 2668, sizeof(rec::Tempconf)},
    {"memory", 2828, sizeof(rec::Memory)},
    {"access", 3824, sizeof(rec::Access)},
}};

constexpr bool set_layout_is_seamless() {
    std::size_t next = 0;
    for (const auto& place : SET_LAYOUT) {
        if (place.offset != next) return false;
        next += place.size;
    }
    return next == SET_SIZE;
}
static_assert(set_layout_is_seamless());

using SetImage = std::array<unsigned char, SET_SIZE>;

// The records as they stand, every byte included.
SetImage capture_set();
// Overwrites all ten records, device included.
void apply_set(const SetImage& set);

// Saves the records as a configuration file; 1, or -1 after telling the operator
// ("Kann Datei : %s nicht öffnnen" with the path, or the write-error text).
int write_configuration_file(const std::string& path);
// Loads a configuration file into the records; 1, or -1 after telling the operator.
// A file that cannot be read whole, or is not exactly one set long, changes nothing.
int read_configuration_file(const std::string& path);
// Reads and checks a configuration file without touching the records; 1, or -1 after
// telling the operator, as above.
int read_configuration_image(const std::string& path, SetImage& set);

// Collects the 32 sets of a backup, set by set, into a temporary file that becomes the
// backup only when all 32 were written.
class BackupFileWriter {
  public:
    // 1, or -1 after the open-failure message.
    int open(const std::string& path);
    // Appends `set` as the next set; 1, or -1 (the write-error message is shown once).
    int write_set(const SetImage& set);
    // 1 when all 32 sets are on disk under the chosen name; otherwise -1 after the
    // write-error message, and the previous file of that name is untouched.
    int commit();

  private:
    std::unique_ptr<files::AtomicFile> file_;
    std::string path_;
    int sets_written_ = 0;
    bool failed_ = false;
};

// A whole backup file in memory, so a restore can walk its sets without the records
// being touched until the caller applies one.
class BackupFileReader {
  public:
    // 1, or -1 after telling the operator (cannot open, read error, wrong length).
    int open(const std::string& path);
    // Set i (0 to 31) of the file opened last.
    const SetImage& set(int i) const { return sets_.at(static_cast<std::size_t>(i)); }

  private:
    std::array<SetImage, BACKUP_SETS> sets_{};
};

}  // namespace settings
