// save-config FILE: the instrument's current settings into a configuration file, as the
// program saves them after its start-up has read them.
#include "ctl/session.h"
#include "ctl/subcommand.h"
#include "settings/settings_file_ops.h"
#include "ui/console_backend.h"
#include "ui/translatable.h"

namespace ctl {
namespace {

int run_save_config(Invocation& invocation) {
    if (!invocation.session.connect_and_prepare()) return 1;
    invocation.backend.answer_file(invocation.arguments[0]);
    return settings::save_configuration_to_hard_disc() == 1 ? 0 : 1;
}

}  // namespace

extern const Subcommand SAVE_CONFIG_COMMAND{
    "save-config",
    UI_TEXT("ohm7416", "DATEI"),
    1,
    UI_TEXT("ohm7416",
            "die Einstellungen des Geräts lesen und in eine Konfigurationsdatei (.cfg) speichern"),
    {},
    run_save_config};

}  // namespace ctl
