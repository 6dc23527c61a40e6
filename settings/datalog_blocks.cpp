#include "settings/datalog_blocks.h"

#include <cstdio>
#include <optional>

#include "driver/zk7416.h"
#include "text/command_text.h"
#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "instrument/transfer_run.h"
#include "ui/glob.h"
#include "ui/ui.h"

namespace settings {

using instrument::STEP_PAUSE;
using instrument::tarvolux;

namespace {

constexpr const char* ERROR_TITLE = UI_TEXT("ohm7416", "Fehler-Meldung :");

// A whole decimal number within [low, high]; blanks around it are allowed.
std::optional<int> whole_number(std::string text, int low, int high) {
    str_kill_space(text);
    if (text.empty() || text.size() > 9) return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

bool valid_block(int block) {
    return block >= 0 && block < rec::DATALOG_BLOCKS;
}

std::string block_list_label(int block) {
    if (!valid_block(block)) return std::to_string(block) + ",";
    return std::to_string(block) + "," + text::field_text_utf8(rec::datalog.block_name[block]);
}

int get_counts() {
    rec::Datalog& d = rec::datalog;
    if (!valid_block(d.active_block)) {
        // No block to read from: nothing stored as far as the program knows, so nothing
        // is offered for reading out.
        d.value_count = 0;
        text::copy_text(d.count_text, "");
        return -2;
    }
    std::int32_t count = d.value_count;
    std::int32_t status = zk7416_datalogger_read_num_counts(tarvolux, d.active_block, &count);
    d.value_count = count;
    char text[sizeof d.count_text];
    std::snprintf(text, sizeof text, "%d(%d)", static_cast<int>(d.block_size[d.active_block]),
                  static_cast<int>(d.value_count));
    text::copy_text(d.count_text, text);
    return status;
}

bool make_active_block(int block) {
    rec::Datalog& d = rec::datalog;
    if (!valid_block(block) || block == d.active_block) return false;
    d.active_block = block;
    char no_name[ZK7416_NAME_SIZE] = {};
    std::int32_t status = zk7416_set_active_datalogger_block(tarvolux, 0, block, no_name);
    if (instrument::is_transport_error(status)) {
        instrument::report_connection_lost(UI_TEXT("ohm7416", "Aktiven Datalogger-Block wählen"),
                                           status);
        return true;
    }
    get_counts();
    return true;
}

bool rename_active_block() {
    rec::Datalog& d = rec::datalog;
    if (!valid_block(d.active_block)) return false;
    const int block = d.active_block;
    std::string current = text::field_text_utf8(d.block_name[block]);
    auto answer = ui::prompt(
        UI_TEXT("ohm7416", "Beschriftung ändern"),
        ui::compose(UI_TEXT("ohm7416",
                            "Der aktuelle Name von diesem Block ist : \n\n%1\n\nÄndern Sie "
                            "diesen Namen indem Sie das neue Text eingeben\nBitte keine "
                            "Leerzeichen eingegeben.\n\nDrücken Sie <ESC> zum Abbruch."),
                    current),
        BLOCK_NAME_LENGTH);
    if (!answer) return false;
    str_kill_space(*answer);
    if (answer->empty()) return false;
    auto name = text::checked_command_text(*answer, BLOCK_NAME_LENGTH);
    if (!name) return false;

    char text[ZK7416_NAME_SIZE] = {};
    text::copy_text(text, *name);
    std::int32_t status = zk7416_set_datalogger_name(tarvolux, block, text);
    if (instrument::is_transport_error(status)) {
        instrument::report_connection_lost(UI_TEXT("ohm7416", "Blockname senden"), status);
        return false;
    }
    ui::delay(STEP_PAUSE);
    char read_back[ZK7416_NAME_SIZE] = {};
    status = zk7416_get_datalogger_name(tarvolux, block, read_back);
    if (status != 0) {
        if (instrument::is_transport_error(status))
            instrument::report_connection_lost(UI_TEXT("ohm7416", "Blockname lesen"), status);
        return false;
    }
    text::copy_text(d.block_name[block], text::field_text(read_back));
    return true;
}

bool resize_active_block() {
    rec::Datalog& d = rec::datalog;
    if (!valid_block(d.active_block)) return false;
    const int block = d.active_block;
    std::string text = ui::compose(
        UI_TEXT("ohm7416",
                "Die aktuelle Größe des Blocks ist: \n\n%1\n\nVerfügbarer Speicher ist:\n\n%2"
                "\n\nÄndern Sie diese Größe indem Sie die neue Größe eingeben.\n\nDrücken Sie "
                "<ESC> zum Abbruch"),
        d.block_size[block], d.free_memory);
    auto answer = ui::prompt(UI_TEXT("ohm7416", "Change Block Size"), text, 10);
    if (!answer) return false;
    str_kill_space(*answer);
    if (answer->empty()) return false;
    auto size = whole_number(*answer, 0, LARGEST_BLOCK_SIZE);
    if (!size) {
        ui::message_box(
            ERROR_TITLE,
            ui::compose(UI_TEXT("ohm7416",
                                "Ungültige Blockgröße \"%1\": erlaubt ist eine ganze Zahl "
                                "von 0 bis 20000.\n\nEs wird nicht geändert."),
                        *answer));
        return false;
    }
    if (*size < d.value_count) {
        ui::message_box(ERROR_TITLE,
                        UI_TEXT("ohm7416", "Wert zu klein\n\nEs wird nicht geändert."));
        return false;
    }
    long remaining = static_cast<long>(d.free_memory) + d.block_size[block] - *size;
    if (remaining < 0) {
        ui::message_box(ERROR_TITLE,
                        UI_TEXT("ohm7416", "Kein Speicher mehr frei\n\nEs wird nicht geändert."));
        return false;
    }
    std::int32_t status = zk7416_set_datalogger_block_size(tarvolux, block, *size);
    if (instrument::is_transport_error(status)) {
        instrument::report_connection_lost(UI_TEXT("ohm7416", "Blockgröße senden"), status);
        return false;
    }
    ui::delay(STEP_PAUSE);
    std::int32_t taken = -1;
    status = zk7416_get_datalogger_block_size(tarvolux, block, &taken);
    if (instrument::is_transport_error(status)) {
        instrument::report_connection_lost(UI_TEXT("ohm7416", "Blockgröße lesen"), status);
        return false;
    }
    bool changed = status == 0 && taken == *size;
    if (changed) {
        d.free_memory = static_cast<std::int32_t>(remaining);
        d.block_size[block] = *size;
    } else {
        ui::message_box(ERROR_TITLE, ui::compose(UI_TEXT("ohm7416",
                                                         "Das Gerät hat die Blockgröße %1 "
                                                         "nicht angenommen.\n\nEs wird nicht "
                                                         "geändert."),
                                                 *size));
    }
    get_counts();
    return changed;
}

}  // namespace settings
