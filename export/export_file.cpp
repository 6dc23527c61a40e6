#include "export/export_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "text/latin1.h"

namespace exporting {

ExportFile export_fhdl;
int measure_store_mode = 0;

bool ExportFile::open(const std::string& path) {
    close();
    path_ = path;
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd_ >= 0;
}

bool ExportFile::write(std::string_view bytes) {
    if (fd_ < 0) return false;
    while (!bytes.empty()) {
        ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool ExportFile::close() {
    if (fd_ < 0) return true;
    bool ok = ::close(fd_) == 0;
    fd_ = -1;
    return ok;
}

namespace {

std::function<void()>& store_switch_follower() {
    static std::function<void()> follower;
    return follower;
}

}  // namespace

void set_store_switch_follower(std::function<void()> follower) {
    store_switch_follower() = std::move(follower);
}

void storing_ended() {
    measure_store_mode = 0;
    if (store_switch_follower()) store_switch_follower()();
}

bool close_measurement_export() {
    bool closed = export_fhdl.close();
    storing_ended();
    return closed;
}

int export_(ExportFile& file, std::string_view text) {
    return file.write(text::utf8_to_latin1(text)) ? 1 : -1;
}

}  // namespace exporting
