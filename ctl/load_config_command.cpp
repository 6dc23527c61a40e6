// load-config FILE: a configuration file into the instrument, as the program sends it
// after "Wollen Sie die Konfiguration in das Gerät übertragen?" was answered "Ja".
#include "ctl/session.h"
#include "ctl/subcommand.h"
#include "settings/settings_file_ops.h"
#include "settings/settings_files.h"
#include "settings/transfer.h"
#include "settings/transfer_constants.h"
#include "ui/console_backend.h"
#include "ui/translatable.h"

namespace ctl {
namespace {

int run_load_config(Invocation& invocation) {
    const std::string& path = invocation.arguments[0];
    // Checked before the instrument is even connected: a file that is not a whole
    // configuration sends nothing.
    settings::SetImage checked;
    if (settings::read_configuration_image(path, checked) != 1) return 1;
    if (!invocation.session.connect_and_prepare()) return 1;

    invocation.backend.answer_file(path);
    invocation.backend.answer_question(settings::DATALOGGER_QUESTION,
                                       invocation.has("--datalogger"));
    if (settings::load_configuration_from_hard_disc() != 1) return 1;
    return settings::download_current_state() == 0 ? 0 : 1;
}

}  // namespace

extern const Subcommand LOAD_CONFIG_COMMAND{
    "load-config",
    UI_TEXT("ohm7416", "DATEI"),
    1,
    UI_TEXT("ohm7416", "eine Konfigurationsdatei (.cfg) in das Gerät übertragen"),
    {{"--datalogger", "",
      UI_TEXT("ohm7416",
              "auch die Datalogger-Einstellungen und Messprogrammnamen übertragen; der Datenlogger "
              "wird dabei gelöscht (Vorgabe: nicht übertragen, sie werden vom Gerät gelesen)")}},
    run_load_config};

}  // namespace ctl
