#include "settings/settings_file_ops.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "driver/zk7416.h"
#include "settings/backup.h"
#include "instrument/instrument_handle.h"
#include "files/project_dir.h"
#include "settings/settings_files.h"
#include "settings/transfer.h"
#include "instrument/transfer_run.h"
#include "ui/ui.h"

namespace settings {

using instrument::tarvolux;
using instrument::TransferRun;

namespace {

constexpr const char* BACKUP_TITLE = UI_TEXT("ohm7416", "Backup-Datei laden");

// Asks for a file in the "Config" folder, which is made when it is missing so the
// dialog opens there. The chosen path is kept in file_name.
std::optional<std::string> choose_file(const char* title, const char* pattern, ui::FileMode mode) {
    std::string folder = files::join_path(files::curr_dir, "Config");
    std::error_code ignored;  // without the folder the dialog opens elsewhere; no harm
    std::filesystem::create_directories(folder, ignored);

    ui::FileSelection selection;
    selection.title = title;
    selection.start_folder = folder;
    selection.file_spec = pattern;
    selection.mode = mode;
    selection.restrict_extension = true;
    selection.allow_new_folders = true;
    std::optional<std::string> path = ui::select_file(selection);
    if (path) files::file_name = *path;
    return path;
}

// Takes the status of recalling ("*RCL") or storing ("*SAV") a settings memory, a step
// of its own in a backup or restore. False after the operator was told that the
// connection was lost.
bool memory_step(std::int32_t status, const std::string& step) {
    TransferRun run;
    if (run.call(status, step)) return true;
    run.abort();
    return false;
}

bool recall_memory(int i) {
    return memory_step(zk7416_get_config_memory(tarvolux, i),
                       ui::compose(UI_TEXT("ohm7416", "Aufrufen des Einstellungsspeichers %1"), i));
}

bool store_memory(int i) {
    return memory_step(zk7416_set_config_memory(tarvolux, i),
                       ui::compose(UI_TEXT("ohm7416", "Speichern in Einstellungsspeicher %1"), i));
}

// A backup or restore leaves the instrument with memory 0 and the records with all of
// its settings. A failure here is reported by the step that found it; the file
// operation itself is done.
void end_on_memory_0() {
    if (recall_memory(0)) upload_current_state(1);
}

}  // namespace

int save_configuration_to_hard_disc() {
    auto path =
        choose_file(UI_TEXT("ohm7416", "Speichern der Konfiguration"), "*.cfg", ui::FileMode::Save);
    return path ? write_configuration_file(*path) : -1;
}

int load_configuration_from_hard_disc() {
    auto path =
        choose_file(UI_TEXT("ohm7416", "Laden der Konfiguration"), "*.cfg", ui::FileMode::Load);
    return path ? read_configuration_file(*path) : -1;
}

int MakeBackupFile() {
    auto path =
        choose_file(UI_TEXT("ohm7416", "Backup-Datei erstellen"), ".bak", ui::FileMode::Save);
    if (!path) return -1;
    // Opened before the first round, so a file that cannot be written is reported
    // before the 32 rounds of reading rather than after them.
    BackupFileWriter writer;
    if (writer.open(*path) != 1) return -1;

    for (int i = 0; i < BACKUP_SETS; ++i) {
        // A lost connection was reported by the step that found it; nothing more can
        // be asked of the instrument, and the unfinished file is dropped.
        if (!recall_memory(i) || GenerateBackup(i) != 0) return -1;
        if (writer.write_set(capture_set()) != 1) {
            instrument::progress_close();
            end_on_memory_0();
            return -1;
        }
    }
    int written = writer.commit();
    end_on_memory_0();
    return written;
}

int LoadBackupFile() {
    ui::ThreeButtonPopup question;
    question.title = BACKUP_TITLE;
    question.text = TRANSFER_QUESTION;
    question.buttons = {UI_TEXT("ohm7416", "Ja"), UI_TEXT("ohm7416", "Nein"),
                        UI_TEXT("ohm7416", "Abbrechen")};
    question.focus = 1;
    question.enter_button = 1;
    question.escape_button = 3;
    if (ui::three_button_popup(question) != 1) return -1;

    auto path = choose_file(BACKUP_TITLE, ".bak", ui::FileMode::Load);
    if (!path) return -1;
    // The whole file is read and checked before anything is sent: a short or damaged
    // file must not end up in the instrument's memories.
    auto backup = std::make_unique<BackupFileReader>();
    if (backup->open(*path) != 1) return -1;

    for (int i = 0; i < BACKUP_SETS; ++i) {
        apply_set(backup->set(i));
        if (RestoreBackup(i) != 0 || !store_memory(i)) return -1;
    }
    end_on_memory_0();
    return 1;
}

}  // namespace settings
