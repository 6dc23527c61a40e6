#include "datalog/readout_selection.h"

#include <string>

#include "driver/zk7416.h"
#include "settings/datalog_blocks.h"
#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "instrument/transfer_run.h"
#include "ui/ui.h"

namespace datalog {

std::int32_t select_readout_block(int block) {
    if (!settings::valid_block(block)) return -2;
    if (block == rec::datalog.active_block) return 0;
    rec::datalog.active_block = block;
    std::string command = "DAT:SEL:BLOC " + std::to_string(block);
    std::int32_t selected = zk7416_send_scpi(instrument::tarvolux, command.c_str());
    const bool lost = instrument::is_transport_error(selected);
    if (lost)
        instrument::report_connection_lost(UI_TEXT("ohm7416", "Datalogger-Block wählen"), selected);
    ui::delay(instrument::STEP_PAUSE);
    std::int32_t counted = settings::get_counts();
    // One message for one lost line.
    if (!lost && instrument::is_transport_error(counted))
        instrument::report_connection_lost(
            UI_TEXT("ohm7416", "Füllstand des Datalogger-Blocks lesen"), counted);
    return lost ? selected : counted;
}

bool take_readout_range(std::int32_t from, std::int32_t to) {
    if (to < from) {
        ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), RANGE_REFUSED);
        return false;
    }
    rec::upload.first_index = from;
    rec::upload.last_index = to;
    return true;
}

bool choose_readout_range(bool read_all, std::int32_t from, std::int32_t to) {
    rec::upload.read_all = read_all ? 1 : 0;
    if (!read_all) return take_readout_range(from, to);
    rec::upload.first_index = 1;
    rec::upload.last_index = rec::datalog.value_count;
    return true;
}

}  // namespace datalog
