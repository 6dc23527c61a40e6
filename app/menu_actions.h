// What the main menu's items do beyond opening a dialog: the follow-up after an
// interface change, and loading a configuration with its transfer question.
#pragma once

namespace app {

// After serial_setup/gpib_setup returned 1: busy cursor, full upload, normal cursor,
// firmware generation.
void after_interface_change();

// "Load configuration": the file, then "Wollen Sie die Konfiguration in das Gerät
// übertragen?" and on "Ja" the download.
void load_configuration_and_offer_transfer();

}  // namespace app
