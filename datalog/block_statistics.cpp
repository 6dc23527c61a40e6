#include "datalog/block_statistics.h"

#include <strings.h>

#include "driver/zk7416.h"
#include "settings/datalog_blocks.h"
#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "text/value_format.h"
#include "ui/ui.h"

namespace datalog {

namespace {

std::array<char (*)[30], 4> record_fields() {
    rec::Datalog& d = rec::datalog;
    return {&d.stat_min, &d.stat_max, &d.stat_avg, &d.stat_dev};
}

}  // namespace

BlockStatistics read_block_statistics(std::int32_t block) {
    BlockStatistics result;
    auto fields = record_fields();
    if (!settings::valid_block(block)) {
        result.status = -2;
        for (auto* field : fields) text::copy_text(*field, "");
        return result;
    }
    ui::BusyCursor busy;
    char answers[4][ZK7416_STATISTICS_SIZE] = {};
    result.status = zk7416_datalogger_read_eval_values(instrument::tarvolux, block, answers[0],
                                                       answers[1], answers[2], answers[3]);
    if (result.status != 0) {
        for (auto* field : fields) text::copy_text(*field, "");
        return result;
    }
    for (std::size_t i = 0; i < 4; ++i) text::copy_text(*fields[i], text::field_text(answers[i]));
    result.empty = strcasecmp(answers[1], "BLOCK EMPTY") == 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (result.empty) {
            result.shown[i] = NO_VALUES_TEXT;
            continue;
        }
        result.ohms[i] = text::format_for_display(*fields[i]);
        result.shown[i] = text::field_text_utf8(*fields[i]);
    }
    return result;
}

}  // namespace datalog
