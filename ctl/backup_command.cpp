// backup FILE: all 32 stored settings memories of the instrument into a backup file.
#include "ctl/session.h"
#include "ctl/subcommand.h"
#include "settings/settings_file_ops.h"
#include "ui/console_backend.h"
#include "ui/translatable.h"

namespace ctl {
namespace {

int run_backup(Invocation& invocation) {
    if (!invocation.session.connect_and_prepare()) return 1;
    invocation.backend.answer_file(invocation.arguments[0]);
    return settings::MakeBackupFile() == 1 ? 0 : 1;
}

}  // namespace

extern const Subcommand BACKUP_COMMAND{
    "backup",
    UI_TEXT("ohm7416", "DATEI"),
    1,
    UI_TEXT("ohm7416",
            "alle gespeicherten Geräteeinstellungen (Speicher 0-31) in eine Backup-Datei (.bak) "
            "sichern"),
    {},
    run_backup};

}  // namespace ctl
