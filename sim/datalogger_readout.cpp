#include "sim/datalogger_readout.h"

#include <algorithm>
#include <functional>

#include "sim/datalogger_commands.h"
#include "sim/datalogger_model.h"
#include "sim/request.h"

namespace tarvolux::sim {

namespace {

constexpr const char* BLOCK_EMPTY = "BLOCK EMPTY";

// The block and the position (1-based) of its first value the request asks for.
struct Selection {
    const LogBlock* block;
    std::size_t first;  // 0-based
};

std::optional<Selection> selection_arg(Request& r) {
    const LogBlock* block = block_arg(r, 0);
    if (!block) return std::nullopt;
    // A block without values has no valid position: every number is out of range.
    const auto number = r.integer_arg(1, 1, static_cast<long>(block->values.size()));
    if (!number) return std::nullopt;
    return Selection{block, static_cast<std::size_t>(*number - 1)};
}

// Up to `count` stored values from the selected one on, each written by `write`, joined
// by commas; fewer when the block ends before.
void reply_chunk(Request& r, std::size_t count,
                 const std::function<std::string(const StoredValue&)>& write) {
    const auto selection = selection_arg(r);
    if (!selection) return;
    const auto& values = selection->block->values;
    const std::size_t end = std::min(values.size(), selection->first + count);
    std::string answer;
    for (std::size_t i = selection->first; i < end; ++i) {
        if (!answer.empty()) answer += ',';
        answer += write(values[i]);
    }
    r.reply(answer);
}

void reply_statistic(Request& r, double Statistics::*field) {
    const LogBlock* block = block_arg(r, 0);
    if (!block) return;
    const auto result = statistics(*block);
    r.reply(result ? format_result((*result).*field, r.state.settings.measurement.resolution)
                   : BLOCK_EMPTY);
}

}  // namespace

void DataloggerReadout::install(Dispatcher& dispatcher) {
    using D = DataloggerReadout;
    static const CommandSpec<D> table[] = {
        {"DATa:DATA:ALL?", &D::read_record},
        {"DATa:DATA:FRESistance?", &D::read_value},
        {"DA?", &D::read_values},
        {"DV?", &D::read_records},
        {"DATa:MINimum?", &D::read_minimum},
        {"DATa:MAXimum?", &D::read_maximum},
        {"DATa:AVERage?", &D::read_mean},
        {"DATa:DEViation?", &D::read_deviation},
    };
    add_commands(dispatcher, *this, table);
}

void DataloggerReadout::read_record(Request& r) {
    const Firmware firmware = r.state.firmware;
    reply_chunk(r, 1, [firmware](const StoredValue& v) { return stored_record(v, firmware); });
}

void DataloggerReadout::read_value(Request& r) {
    reply_chunk(r, 1, [](const StoredValue& v) { return v.text; });
}

void DataloggerReadout::read_values(Request& r) {
    reply_chunk(r, VALUES_PER_CHUNK, [](const StoredValue& v) { return v.text; });
}

void DataloggerReadout::read_records(Request& r) {
    const Firmware firmware = r.state.firmware;
    reply_chunk(r, RECORDS_PER_CHUNK,
                [firmware](const StoredValue& v) { return stored_record(v, firmware); });
}

void DataloggerReadout::read_minimum(Request& r) {
    reply_statistic(r, &Statistics::minimum);
}

void DataloggerReadout::read_maximum(Request& r) {
    reply_statistic(r, &Statistics::maximum);
}

void DataloggerReadout::read_mean(Request& r) {
    reply_statistic(r, &Statistics::mean);
}

void DataloggerReadout::read_deviation(Request& r) {
    reply_statistic(r, &Statistics::deviation);
}

}  // namespace tarvolux::sim
