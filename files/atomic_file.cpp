#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "files/file_messages.h"

namespace files {

namespace {

std::string folder_of(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself durable; a failure here loses nothing already written.
void sync_folder(const std::string& path) {
    int fd = ::open(folder_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool AtomicFile::open() {
    discard();
    failed_ = false;
    // A target that could not be opened for writing (a folder, a write-protected
    // file) keeps refusing; the rename alone would replace it regardless.
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0 &&
        (S_ISDIR(existing.st_mode) || ::access(target_.c_str(), W_OK) != 0)) {
        return false;
    }
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name =
            target_ + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            temp_ = std::move(name);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

bool AtomicFile::write(const void* data, std::size_t size) {
    if (fd_ < 0 || failed_) return false;
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t written = ::write(fd_, p, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            failed_ = true;
            return false;
        }
        p += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool AtomicFile::commit() {
    if (fd_ < 0 || failed_) {
        discard();
        return false;
    }
    bool ok = ::fsync(fd_) == 0;
    ok = (::close(fd_) == 0) && ok;
    fd_ = -1;
    if (!ok || std::rename(temp_.c_str(), target_.c_str()) != 0) {
        discard();
        return false;
    }
    temp_.clear();
    sync_folder(target_);
    return true;
}

void AtomicFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

SaveStatus save_file(const std::string& path, const void* data, std::size_t size) {
    AtomicFile file(path);
    if (!file.open()) return SaveStatus::OpenFailed;
    if (!file.write(data, size) || !file.commit()) return SaveStatus::WriteFailed;
    return SaveStatus::Saved;
}

int report_save(SaveStatus status, const std::string& shown_name) {
    switch (status) {
        case SaveStatus::Saved:
            return 1;
        case SaveStatus::OpenFailed:
            show_file_error(cannot_open_text(shown_name));
            return -1;
        case SaveStatus::WriteFailed:
            show_file_error(write_error_text(shown_name));
            return -1;
    }
    return -1;
}

}  // namespace files
