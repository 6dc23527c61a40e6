#include "settings/transfer.h"

#include "settings/blocks_and_labels.h"
#include "settings/settings_groups.h"
#include "settings/transfer_constants.h"
#include "instrument/transfer_run.h"
#include "ui/glob.h"
#include "ui/translatable.h"

namespace settings {

using instrument::TransferRun;

double pc_speed_factor = 0.0;

namespace {

constexpr const char* TRANSFER_LABEL = UI_TEXT("ohm7416", "Übertragen der geladenen Einstellungen");

void open_transfer_progress(int maximum) {
    instrument::progress_open(TRANSFER_LABEL, FULL_TRANSFER_STEPS);
    ui::progress_set_value(0);
    if (maximum != FULL_TRANSFER_STEPS) ui::progress_set_maximum(maximum);
}

}  // namespace

int upload_current_state(int mode) {
    TransferRun run;
    bool everything = mode == 1;
    open_transfer_progress(everything ? FULL_TRANSFER_STEPS : SETTINGS_TRANSFER_STEPS);
    if (everything && !read_blocks_and_labels(run, SpeedMeasurement::On)) return run.abort();
    if (!upload_settings_groups(run)) return run.abort();
    instrument::progress_close();
    return 0;
}

int download_current_state() {
    TransferRun run;
    open_transfer_progress(FULL_TRANSFER_STEPS);
    bool blocks_sent = LG_ConfirmPopup(UI_TEXT("ohm7416", "Frage :"), DATALOGGER_QUESTION) == 1;
    bool blocks_done = blocks_sent ? write_blocks_and_labels(run)
                                   : read_blocks_and_labels(run, SpeedMeasurement::Off);
    if (!blocks_done || !download_settings_groups(run)) return run.abort();
    instrument::progress_close();
    return 0;
}

}  // namespace settings
