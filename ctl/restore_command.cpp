// restore FILE: a backup file into the instrument's 32 stored settings memories.
#include <memory>

#include "ctl/session.h"
#include "ctl/subcommand.h"
#include "settings/settings_file_ops.h"
#include "settings/settings_files.h"
#include "settings/transfer_constants.h"
#include "ui/console_backend.h"
#include "ui/translatable.h"

namespace ctl {
namespace {

int run_restore(Invocation& invocation) {
    const std::string& path = invocation.arguments[0];
    // Checked before the instrument is even connected: a file that is not a whole
    // backup sends nothing.
    if (std::make_unique<settings::BackupFileReader>()->open(path) != 1) return 1;
    if (!invocation.session.connect_and_prepare()) return 1;

    invocation.backend.answer_three_button(settings::TRANSFER_QUESTION, 1);
    invocation.backend.answer_file(path);
    invocation.backend.answer_question(settings::DATALOGGER_QUESTION,
                                       invocation.has("--datalogger"));
    return settings::LoadBackupFile() == 1 ? 0 : 1;
}

}  // namespace

extern const Subcommand RESTORE_COMMAND{
    "restore",
    UI_TEXT("ohm7416", "DATEI"),
    1,
    UI_TEXT("ohm7416",
            "eine Backup-Datei (.bak) in die gespeicherten Geräteeinstellungen 0-31 übertragen"),
    {{"--datalogger", "",
      UI_TEXT("ohm7416",
              "auch die Datalogger-Einstellungen und Messprogrammnamen übertragen; der Datenlogger "
              "wird dabei gelöscht (Vorgabe: nicht übertragen)")}},
    run_restore};

}  // namespace ctl
