// Program files are written under a temporary name beside their target and renamed
// into place only after every byte was written and flushed to the disk: a failed save
// never leaves a cut-off file, nor destroys the file saved before.
#pragma once

#include <cstddef>
#include <string>

namespace files {

class AtomicFile {
  public:
    explicit AtomicFile(std::string target) : target_(std::move(target)) {}
    ~AtomicFile() { discard(); }
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file. False when the folder is missing or not writable, or
    // the target exists and may not be written.
    bool open();
    // Writes all of `size` bytes; false on any failure, and every later write and the
    // commit fail too.
    bool write(const void* data, std::size_t size);
    // Flushes, closes and renames into place. False leaves the target as it was.
    bool commit();
    // Removes the temporary file unless committed.
    void discard();

    const std::string& target() const { return target_; }

  private:
    std::string target_;
    std::string temp_;
    int fd_ = -1;
    bool failed_ = false;
};

enum class SaveStatus { Saved, OpenFailed, WriteFailed };

// Writes a whole file at once through AtomicFile.
SaveStatus save_file(const std::string& path, const void* data, std::size_t size);

// Tells the operator about a failed save, naming the file `shown_name`. Returns 1 for
// a saved file, -1 otherwise.
int report_save(SaveStatus status, const std::string& shown_name);

}  // namespace files
