#include "sim/datalogger_commands.h"

#include "sim/datalogger_model.h"
#include "sim/request.h"
#include "sim/setting_commands.h"

namespace tarvolux::sim {

namespace {

constexpr Keyword FILTERS[] = {{"ALL", "ALL"},     {"NOFail", "NOF"}, {"FAIL", "FAIL"},
                               {"XVALue", "XVAL"}, {"YTIMe", "YTIM"}, {"DELTa", "DELT"}};

constexpr int EVERY_MIN = 2;
constexpr int EVERY_MAX = 9999;
constexpr int HOURS_MAX = 99;
constexpr double DELTA_MIN = 1e-5;
constexpr double DELTA_MAX = 2e5;

// A change of the filter starts its counting and timing afresh.
void restart_filter(LogBlock& block) {
    block.offered = 0;
    block.last_kept_at.reset();
    block.last_kept.reset();
}

}  // namespace

LogBlock* block_arg(Request& r, std::size_t index) {
    const auto block = r.integer_arg(index, 0, BLOCK_COUNT - 1);
    if (!block) return nullptr;
    return &r.state.datalogger.blocks[static_cast<std::size_t>(*block)];
}

void DataloggerCommands::install(Dispatcher& dispatcher) {
    using D = DataloggerCommands;
    static const CommandSpec<D> table[] = {
        {"DATa:STATe:DEFine", &D::set_name},
        {"DATa:STATe:NAME?", &D::read_name},
        {"DATa:SIZE", &D::set_size},
        {"DATa:SIZE?", &D::read_size},
        {"DATa:FILTer", &D::set_filter},
        {"DATa:FILTer?", &D::read_filter},
        {"DATa:FILTer:XVALue", &D::set_every},
        {"DATa:FILTer:XVALue?", &D::read_every},
        {"DATa:FILTer:YTIMe", &D::set_interval},
        {"DATa:FILTer:YTIMe?", &D::read_interval},
        {"DATa:FILTer:DELTa", &D::set_delta},
        {"DATa:FILTer:DELTa?", &D::read_delta},
        {"DATa:SELect:BLOCk", &D::select_block},
        {"DATa:SELect:BLOCk?", &D::read_selected},
        {"DATa:SELect:NAME", &D::select_name},
        {"DATa:CLEar", &D::clear},
        {"DATa:COUNt?", &D::read_count},
    };
    add_commands(dispatcher, *this, table);
    add_flag_setting(dispatcher, "DATa:STATe",
                     [](InstrumentState& s) -> bool& { return s.datalogger.on; });
}

// The blocks and what they hold survive a reset; only logging stops.
void DataloggerCommands::reset(InstrumentState& state) {
    state.datalogger.on = false;
}

void DataloggerCommands::set_name(Request& r) {
    const auto name = r.label_arg(0, NAME_LENGTH_MAX);
    if (!name) return;
    if (LogBlock* block = block_arg(r, 1)) block->name = std::string(*name);
}

void DataloggerCommands::read_name(Request& r) {
    if (const LogBlock* block = block_arg(r, 0)) r.reply(block->name);
}

// A block can neither drop values it holds nor take memory the others use.
void DataloggerCommands::set_size(Request& r) {
    LogBlock* block = block_arg(r, 0);
    if (!block) return;
    const auto size = r.integer_arg(1, 0, BLOCK_SIZE_MAX);
    if (!size) return;
    const int others = allocated(r.state.datalogger) - block->size;
    if (*size < static_cast<long>(block->values.size()) ||
        others + *size > capacity(r.state.firmware)) {
        r.fail(ScpiError::SettingsConflict);
        return;
    }
    block->size = static_cast<int>(*size);
}

// With a block number the block's size, without one the capacity of the memory.
void DataloggerCommands::read_size(Request& r) {
    if (r.arg_count() == 0) {
        r.reply(std::to_string(capacity(r.state.firmware)));
    } else if (const LogBlock* block = block_arg(r, 0)) {
        r.reply(std::to_string(block->size));
    }
}

void DataloggerCommands::set_filter(Request& r) {
    LogBlock* block = block_arg(r, 0);
    if (!block) return;
    if (const auto filter = r.choice_arg(1, FILTERS)) {
        block->filter = static_cast<FilterMode>(*filter);
        restart_filter(*block);
    }
}

void DataloggerCommands::read_filter(Request& r) {
    if (const LogBlock* block = block_arg(r, 0))
        r.reply(std::string(FILTERS[static_cast<std::size_t>(block->filter)].answer));
}

void DataloggerCommands::set_every(Request& r) {
    LogBlock* block = block_arg(r, 0);
    if (!block) return;
    if (const auto every = r.integer_arg(1, EVERY_MIN, EVERY_MAX)) {
        block->every = static_cast<int>(*every);
        restart_filter(*block);
    }
}

void DataloggerCommands::read_every(Request& r) {
    if (const LogBlock* block = block_arg(r, 0)) r.reply(std::to_string(block->every));
}

void DataloggerCommands::set_interval(Request& r) {
    LogBlock* block = block_arg(r, 0);
    if (!block) return;
    const auto interval = clock_args(r, 1, HOURS_MAX);
    if (!interval) return;
    block->hours = interval->hours;
    block->minutes = interval->minutes;
    block->seconds = interval->seconds;
    restart_filter(*block);
}

void DataloggerCommands::read_interval(Request& r) {
    if (const LogBlock* block = block_arg(r, 0))
        r.reply(two_digit_fields({block->hours, block->minutes, block->seconds}));
}

void DataloggerCommands::set_delta(Request& r) {
    LogBlock* block = block_arg(r, 0);
    if (!block) return;
    if (const auto delta = r.quantity_arg(1, DELTA_MIN, DELTA_MAX, resistance_units())) {
        block->delta = *delta;
        restart_filter(*block);
    }
}

void DataloggerCommands::read_delta(Request& r) {
    if (const LogBlock* block = block_arg(r, 0)) r.reply(format_number(block->delta));
}

void DataloggerCommands::select_block(Request& r) {
    if (const auto block = r.integer_arg(0, 0, BLOCK_COUNT - 1))
        r.state.datalogger.active = static_cast<int>(*block);
}

void DataloggerCommands::read_selected(Request& r) {
    r.reply(std::to_string(r.state.datalogger.active));
}

// The first block of that name; a name no block has is refused.
void DataloggerCommands::select_name(Request& r) {
    const auto name = r.label_arg(0, NAME_LENGTH_MAX);
    if (!name) return;
    const auto& blocks = r.state.datalogger.blocks;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        if (blocks[b].name == *name) {
            r.state.datalogger.active = static_cast<int>(b);
            return;
        }
    }
    r.fail(ScpiError::IllegalParameterValue);
}

void DataloggerCommands::clear(Request& r) {
    if (LogBlock* block = block_arg(r, 0)) clear_block(*block);
}

void DataloggerCommands::read_count(Request& r) {
    if (const LogBlock* block = block_arg(r, 0)) r.reply(std::to_string(block->values.size()));
}

}  // namespace tarvolux::sim
