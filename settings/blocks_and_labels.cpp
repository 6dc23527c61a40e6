#include "settings/blocks_and_labels.h"

#include <chrono>
#include <optional>
#include <string>

#include "driver/zk7416.h"
#include "instrument/instrument_handle.h"
#include "text/number_text.h"
#include "settings/records.h"
#include "settings/transfer.h"
#include "ui/translatable.h"

namespace settings {

using instrument::LOOP_PAUSE;
using instrument::tarvolux;
using instrument::TransferRun;

namespace {

// The driver fills text outputs up to these sizes; the record fields must hold them.
static_assert(sizeof rec::datalog.block_name[0] >= ZK7416_NAME_SIZE);
static_assert(sizeof rec::memory.label[0] >= ZK7416_NAME_SIZE);

std::string numbered(std::string_view text, int number) {
    return ui::compose("%1 %2", ui::translatable(std::string(text)), number);
}

// The datalogger's capacity in values; stays empty when the answer holds no number.
bool read_capacity(TransferRun& run, std::optional<long>& capacity) {
    if (rec::device.new_firmware != 1) {
        capacity = OLD_FIRMWARE_CAPACITY;
        return true;
    }
    char answer[ZK7416_ANSWER_SIZE] = {};
    std::int32_t status = zk7416_receive_scpi(tarvolux, "DAT:SIZE?", answer);
    // Only a query that went through has an answer to convert.
    if (status == 0) capacity = text::parse_leading_integer(text::field_text(answer));
    return run.call(status, UI_TEXT("ohm7416", "Datenlogger-Kapazität"));
}

bool read_blocks(TransferRun& run) {
    rec::Datalog& d = rec::datalog;
    for (int b = 0; b < rec::DATALOG_BLOCKS; ++b) {
        bool read =
            run.call(zk7416_get_datalogger_block_size(tarvolux, b, &d.block_size[b]),
                     numbered(UI_TEXT("ohm7416", "Größe des Datenlogger-Blocks"), b), LOOP_PAUSE) &&
            run.call(zk7416_get_datalogger_name(tarvolux, b, d.block_name[b]),
                     numbered(UI_TEXT("ohm7416", "Name des Datenlogger-Blocks"), b), LOOP_PAUSE) &&
            run.call(zk7416_get_datalogger_filter(tarvolux, b, &d.filter_mode[b], &d.filter_xval[b],
                                                  &d.filter_hours[b], &d.filter_minutes[b],
                                                  &d.filter_seconds[b], &d.filter_delta[b]),
                     numbered(UI_TEXT("ohm7416", "Filter des Datenlogger-Blocks"), b), LOOP_PAUSE);
        if (!read) return false;
        run.advance();
    }
    return true;
}

bool read_labels(TransferRun& run, SpeedMeasurement speed) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rec::MEMORY_LABELS; ++i) {
        if (!run.step(zk7416_get_config_memory_label(tarvolux, i, rec::memory.label[i]),
                      numbered(UI_TEXT("ohm7416", "Name des Einstellungsspeichers"), i),
                      LOOP_PAUSE))
            return false;
    }
    if (speed == SpeedMeasurement::On) {
        std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        pc_speed_factor = seconds.count() / rec::MEMORY_LABELS / 15;
    }
    return true;
}

bool write_blocks(TransferRun& run) {
    rec::Datalog& d = rec::datalog;
    for (int b = 0; b < rec::DATALOG_BLOCKS; ++b) {
        auto send_name = [b](char* name) { return zk7416_set_datalogger_name(tarvolux, b, name); };
        bool written =
            run.call(zk7416_datalogger_clear_block(tarvolux, b),
                     numbered(UI_TEXT("ohm7416", "Löschen des Datenlogger-Blocks"), b),
                     LOOP_PAUSE) &&
            run.call(zk7416_set_datalogger_block_size(tarvolux, b, d.block_size[b]),
                     numbered(UI_TEXT("ohm7416", "Größe des Datenlogger-Blocks"), b), LOOP_PAUSE) &&
            run.call(instrument::send_text_field(d.block_name[b], send_name),
                     numbered(UI_TEXT("ohm7416", "Name des Datenlogger-Blocks"), b), LOOP_PAUSE) &&
            run.call(zk7416_set_datalogger_filter(tarvolux, b, d.filter_mode[b], d.filter_xval[b],
                                                  d.filter_hours[b], d.filter_minutes[b],
                                                  d.filter_seconds[b], d.filter_delta[b]),
                     numbered(UI_TEXT("ohm7416", "Filter des Datenlogger-Blocks"), b), LOOP_PAUSE);
        if (!written) return false;
        run.set_progress(b + 1);
    }
    return true;
}

bool write_labels(TransferRun& run) {
    for (int i = 0; i < rec::MEMORY_LABELS; ++i) {
        auto send = [i](char* label) { return zk7416_set_config_memory_label(tarvolux, i, label); };
        if (!run.step(instrument::send_text_field(rec::memory.label[i], send),
                      numbered(UI_TEXT("ohm7416", "Name des Einstellungsspeichers"), i),
                      LOOP_PAUSE))
            return false;
    }
    return true;
}

}  // namespace

bool read_blocks_and_labels(TransferRun& run, SpeedMeasurement speed) {
    std::optional<long> capacity;
    if (!read_capacity(run, capacity) || !read_blocks(run)) return false;
    if (capacity) {
        long long free = *capacity;
        for (std::int32_t size : rec::datalog.block_size) free -= size;
        rec::datalog.free_memory = static_cast<std::int32_t>(free);
    }
    return read_labels(run, speed);
}

bool write_blocks_and_labels(TransferRun& run) {
    return write_blocks(run) && write_labels(run);
}

}  // namespace settings
