#include "settings/settings_files.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "files/file_messages.h"
#include "ui/ui.h"

namespace settings {

namespace {

// Same order as SET_LAYOUT.
const std::array<void*, SET_LAYOUT.size()> RECORDS{
    &rec::device,  &rec::measurement_configuration,
    &rec::datalog, &rec::env,
    &rec::compare, &rec::print,
    &rec::upload,  &rec::tempconf,
    &rec::memory,  &rec::access,
};

enum class ReadStatus { Read, OpenFailed, ReadFailed, WrongSize };

// Reads a file that must be exactly `size` bytes long into `out`.
ReadStatus read_exact(const std::string& path, unsigned char* out, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return ReadStatus::OpenFailed;
    std::size_t got = std::fread(out, 1, size, file);
    bool failed = std::ferror(file) != 0;
    bool longer = !failed && got == size && std::fgetc(file) != EOF;
    failed = failed || std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return ReadStatus::ReadFailed;
    return got == size && !longer ? ReadStatus::Read : ReadStatus::WrongSize;
}

int report_read(ReadStatus status, const std::string& path, const std::string& kind,
                std::size_t size) {
    switch (status) {
        case ReadStatus::Read:
            return 1;
        case ReadStatus::OpenFailed:
            files::show_file_error(files::cannot_open_text(path));
            break;
        case ReadStatus::ReadFailed:
            files::show_file_error(files::read_error_text(path));
            break;
        case ReadStatus::WrongSize:
            files::show_file_error(files::wrong_size_text(path, kind, size));
            break;
    }
    return -1;
}

}  // namespace

SetImage capture_set() {
    SetImage set;
    for (std::size_t i = 0; i < SET_LAYOUT.size(); ++i)
        std::memcpy(set.data() + SET_LAYOUT[i].offset, RECORDS[i], SET_LAYOUT[i].size);
    return set;
}

void apply_set(const SetImage& set) {
    for (std::size_t i = 0; i < SET_LAYOUT.size(); ++i)
        std::memcpy(RECORDS[i], set.data() + SET_LAYOUT[i].offset, SET_LAYOUT[i].size);
}

int write_configuration_file(const std::string& path) {
    ui::BusyCursor busy;
    SetImage set = capture_set();
    return files::report_save(files::save_file(path, set.data(), set.size()), path);
}

int read_configuration_image(const std::string& path, SetImage& set) {
    return report_read(read_exact(path, set.data(), set.size()), path,
                       UI_TEXT("ohm7416", "Konfigurationsdatei"), SET_SIZE);
}

int read_configuration_file(const std::string& path) {
    ui::BusyCursor busy;
    SetImage set;
    if (read_configuration_image(path, set) != 1) return -1;
    apply_set(set);
    return 1;
}

int BackupFileWriter::open(const std::string& path) {
    path_ = path;
    sets_written_ = 0;
    failed_ = false;
    file_ = std::make_unique<files::AtomicFile>(path);
    if (file_->open()) return 1;
    file_.reset();
    files::show_file_error(files::cannot_open_text(path));
    return -1;
}

int BackupFileWriter::write_set(const SetImage& set) {
    if (failed_ || !file_) return -1;
    if (sets_written_ < BACKUP_SETS && file_->write(set.data(), set.size())) {
        ++sets_written_;
        return 1;
    }
    failed_ = true;
    files::show_file_error(files::write_error_text(path_));
    return -1;
}

int BackupFileWriter::commit() {
    if (!file_) return -1;
    bool whole = !failed_ && sets_written_ == BACKUP_SETS;
    bool committed = whole && file_->commit();
    file_.reset();
    if (committed) return 1;
    if (!failed_) files::show_file_error(files::write_error_text(path_));
    failed_ = true;
    return -1;
}

int BackupFileReader::open(const std::string& path) {
    std::vector<unsigned char> image(BACKUP_SIZE);
    ReadStatus status = read_exact(path, image.data(), image.size());
    if (status == ReadStatus::Read) {
        for (int i = 0; i < BACKUP_SETS; ++i)
            std::memcpy(sets_[static_cast<std::size_t>(i)].data(), image.data() + SET_SIZE * i,
                        SET_SIZE);
    }
    return report_read(status, path, UI_TEXT("ohm7416", "Backup-Datei"), BACKUP_SIZE);
}

}  // namespace settings
