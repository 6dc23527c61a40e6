#include "export/export_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "settings/latin1.h"

namespace exporting {

ExportFile export_fhdl;
int measure_store_mode = 0;

bool ExportFile::open(const std::string& path) {
    close();
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

int export_(ExportFile& file, std::string_view text) {
    return file.write(settings::utf8_to_latin1(text)) ? 1 : -1;
}

}  // namespace exporting
