// What the main menu's items do beyond opening a dialog: the follow-up after an
// interface change, loading a configuration with its transfer question, and the
// export-file handling before a datalogger read-out.
#pragma once

namespace app {

// After serial_setup/gpib_setup returned 1: busy cursor, full upload, normal cursor,
// firmware generation.
void after_interface_change();

// "Load configuration": the file, then "Wollen Sie die Konfiguration in das Gerät
// übertragen?" and on "Ja" the download.
void load_configuration_and_offer_transfer();

// Ends a running measurement export: the file is closed and storing switched off. The
// shutdown does it before the connection is closed; the datalogger read-out does it
// before reading.
void close_measurement_export();

}  // namespace app
