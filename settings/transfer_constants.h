// Texts and progress maxima the transfers and the backup share.
#pragma once

#include "ui/translatable.h"

namespace settings {

// Progress maximum of a transfer with the datalogger blocks and memory labels, and of
// one with the settings groups only.
inline constexpr int FULL_TRANSFER_STEPS = 89;
inline constexpr int SETTINGS_TRANSFER_STEPS = 25;

inline constexpr const char* DATALOGGER_QUESTION =
    UI_TEXT("ohm7416",
            "Sollen sämtliche Datalogger Einstellungen und die Messprogrammnamen auch übertragen "
            "werden?\n\nAchtung : Der Datenlogger wird dann gelöscht!");

}  // namespace settings
