#include "settings/backup.h"

#include <string>

#include "settings/blocks_and_labels.h"
#include "settings/settings_groups.h"
#include "settings/transfer_constants.h"
#include "instrument/transfer_run.h"
#include "ui/glob.h"
#include "ui/translatable.h"

namespace settings {

using instrument::TransferRun;

namespace {

constexpr int FIRST_MEMORY = 0;
constexpr int LAST_MEMORY = 31;

// Labels the progress panel for round i, showing it in the first round.
void open_round_progress(const char* action, int i, int maximum) {
    std::string label = ui::compose("%1 %2", ui::translatable(action), i);
    if (i == FIRST_MEMORY) {
        instrument::progress_open(label, maximum);
    } else {
        ui::progress_set_label(label);
        ui::progress_set_maximum(maximum);
    }
    ui::process_events();
    ui::progress_set_value(0);
}

int finish_round(TransferRun& run, int i) {
    run.end_busy();
    if (i >= LAST_MEMORY) instrument::progress_close();
    return 0;
}

}  // namespace

int GenerateBackup(int i) {
    TransferRun run;
    bool with_blocks = i == FIRST_MEMORY;
    open_round_progress(UI_TEXT("ohm7416", "Lese Geräteeinstellung Nr."), i,
                        with_blocks ? FULL_TRANSFER_STEPS : SETTINGS_TRANSFER_STEPS);
    run.busy();
    if (with_blocks && !read_blocks_and_labels(run, SpeedMeasurement::On)) return run.abort();
    if (!upload_settings_groups(run)) return run.abort();
    return finish_round(run, i);
}

int RestoreBackup(int i) {
    TransferRun run;
    open_round_progress(UI_TEXT("ohm7416", "Schreibe Geräteeinstellung Nr."), i,
                        FULL_TRANSFER_STEPS);
    bool blocks_sent = i == LAST_MEMORY &&
                       LG_ConfirmPopup(UI_TEXT("ohm7416", "Frage :"), DATALOGGER_QUESTION) == 1;
    run.busy();
    bool blocks_done = blocks_sent ? write_blocks_and_labels(run)
                                   : read_blocks_and_labels(run, SpeedMeasurement::Off);
    if (!blocks_done || !download_settings_groups(run)) return run.abort();
    return finish_round(run, i);
}

}  // namespace settings
