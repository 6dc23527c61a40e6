// The open export file and the switch for storing running measurements into it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace exporting {

// Owns one export file. Every write goes straight to the system (one call per line),
// so a line is on disk even if the program ends without closing, and a failing write
// is noticed at that line rather than at some later buffer flush.
class ExportFile {
  public:
    ExportFile() = default;
    ~ExportFile() { close(); }
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    // Creates or truncates `path` for writing; closes a file still open first.
    bool open(const std::string& path);
    bool write(std::string_view bytes);
    // False when the system reports an error on closing. Closing a closed file is fine.
    bool close();
    bool is_open() const { return fd_ >= 0; }
    // The path of the file opened last.
    const std::string& path() const { return path_; }

  private:
    int fd_ = -1;
    std::string path_;
};

extern ExportFile export_fhdl;

// 1 while running measurements are stored into export_fhdl.
extern int measure_store_mode;

// Ends a running measurement export: the file is closed and storing switched off. The
// measure panel's store switch follows (see set_store_switch_follower). Used by the
// store switch itself, the measure panel's close, the datalogger read-out and the
// shutdown. False when closing reported an error (the last lines may be lost).
bool close_measurement_export();

// Called whenever storing ends, from wherever: the measure panel puts its store switch
// off. An empty function removes the follower.
void set_store_switch_follower(std::function<void()> follower);
// Storing has ended: measure_store_mode 0 and the follower told. For the paths that
// end storing without a file to close (a cancelled file choice, a failed header).
void storing_ended();

// Writes `text` (UTF-8) to the file in Latin-1: 1, or -1 when the write fails or the
// file is not open. Named for the program's `export`, which is a C++ keyword.
int export_(ExportFile& file, std::string_view text);

}  // namespace exporting
