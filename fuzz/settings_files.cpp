// Configuration and backup files from disk, damaged or not: a file that is not exactly
// one settings set (or 32 of them) changes no record; a whole one is taken byte for
// byte, and whatever its fields hold can be sent to the instrument without harm.
// Input: the file's contents; for a whole configuration file its first byte also
// answers the datalogger question of the transfer (odd = yes).
#include <cstring>
#include <string>

#include "driver/zk7416.h"
#include "fuzz/fake_line.h"
#include "fuzz/fuzz_check.h"
#include "instrument/instrument_handle.h"
#include "settings/settings_files.h"
#include "settings/transfer.h"
#include "ui/scripted_backend.h"
#include "ui/ui.h"

namespace {

constexpr char STX = 0x02, ETX = 0x03, EOT = 0x04, ACK = 0x06;

// An instrument that takes every command and answers every query with "0".
std::string accept_everything(std::string_view written) {
    if (written.size() > 1 && written.front() == STX) return std::string(1, ACK);
    if (written == std::string_view(&EOT, 1)) return std::string(1, STX) + "0\r\n" + ETX;
    if (written == std::string_view(&ACK, 1)) return std::string(1, EOT);
    return {};
}

void connect() {
    if (instrument::tarvolux > 0) return;
    fuzz::fake_line_reset(accept_everything);
    char idn[ZK7416_ANSWER_SIZE];
    fuzz::check(zk7416_init_serial(1, 9600, 1.0, idn, 0, &instrument::tarvolux) == 0,
                "no fake connection");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::use_scripted_popups();
    connect();
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const settings::SetImage before = settings::capture_set();

    std::string path = fuzz::write_scratch_file("settings.cfg", bytes);
    int loaded = settings::read_configuration_file(path);
    if (size != settings::SET_SIZE) {
        fuzz::check(loaded == -1, "a configuration file of the wrong length was taken");
        fuzz::check(settings::capture_set() == before, "a refused file changed the records");
        fuzz::check(fuzz::popups_shown() == 1, "a refused file without exactly one message");
    } else {
        fuzz::check(loaded == 1, "a whole configuration file was refused");
        const settings::SetImage after = settings::capture_set();
        fuzz::check(std::memcmp(after.data(), data, size) == 0, "the records differ from the file");
        auto& popups = static_cast<ui::ScriptedBackend&>(ui::backend());
        popups.answer_question(data[0] & 1);
        fuzz::fake_line_reset(accept_everything);
        if (settings::download_current_state() != 0)
            fuzz::check(false,
                        ("the transfer of a file failed: " + fuzz::last_popup_text()).c_str());
    }

    settings::BackupFileReader backup;
    int opened = backup.open(fuzz::write_scratch_file("settings.bak", bytes));
    fuzz::check(opened == (size == settings::BACKUP_SIZE ? 1 : -1), "a backup's length check");
    settings::apply_set(before);
    return 0;
}
