// The operator's settings files: a configuration file holds the records as they stand,
// a backup file the instrument's 32 stored settings memories. Each operation asks for
// the file itself; all four return 1 on success and -1 when the operator cancelled or
// the operation failed (the operator has been told why).
#pragma once

#include "ui/translatable.h"

namespace settings {

// The question before a loaded configuration or backup is sent to the instrument.
inline constexpr const char* TRANSFER_QUESTION =
    UI_TEXT("ohm7416", "Wollen Sie die Konfiguration in das Gerät übertragen?");

// Saves the records (no upload first) as a configuration file.
int save_configuration_to_hard_disc();

// Loads a configuration file into the records, all ten of them, without sending
// anything to the instrument.
int load_configuration_from_hard_disc();

// Reads stored settings memories 0 to 31 one by one into a backup file, then recalls
// memory 0 and uploads everything. The file is written only when all 32 were read; an
// aborted backup leaves the previous file of that name as it was.
int MakeBackupFile();

// Asks whether to transfer, reads a backup file whole and checks it, then sends its
// sets one by one and stores each in its memory; finally recalls memory 0 and uploads
// everything. A file that is not a whole backup never reaches the instrument.
int LoadBackupFile();

}  // namespace settings
