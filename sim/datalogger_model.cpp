#include "sim/datalogger_model.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "sim/system_commands.h"

namespace tarvolux::sim {

namespace {

Clock::Duration interval_of(const LogBlock& block) {
    return std::chrono::hours(block.hours) + std::chrono::minutes(block.minutes) +
           std::chrono::seconds(block.seconds);
}

bool passes_filter(LogBlock& block, const StoredValue& value, bool failed, const Clock& clock) {
    switch (block.filter) {
        case FilterMode::All:
            return true;
        case FilterMode::NoFail:
            return !failed;
        case FilterMode::Fail:
            return failed;
        case FilterMode::EveryNth:
            if (++block.offered < block.every) return false;
            block.offered = 0;
            return true;
        case FilterMode::Interval:
            return !block.last_kept_at || clock.elapsed(*block.last_kept_at, interval_of(block));
        case FilterMode::Delta:
            // A faulty measurement has no value to compare.
            return value.ohms &&
                   (!block.last_kept || std::fabs(*value.ohms - *block.last_kept) > block.delta);
    }
    return false;
}

}  // namespace

Datalogger::Datalogger() {
    for (std::size_t b = 0; b < blocks.size(); ++b)
        blocks[b].name = "BLOCK_" + two_digit_fields({static_cast<long>(b)});
}

int capacity(Firmware firmware) {
    return firmware == Firmware::New ? CAPACITY_NEW_FIRMWARE : CAPACITY_OLD_FIRMWARE;
}

int allocated(const Datalogger& datalogger) {
    int sum = 0;
    for (const LogBlock& block : datalogger.blocks) sum += block.size;
    return sum;
}

void clear_block(LogBlock& block) {
    block.values.clear();
    block.offered = 0;
    block.last_kept_at.reset();
    block.last_kept.reset();
}

void log_value(InstrumentState& state, const StoredValue& value, bool failed) {
    Datalogger& datalogger = state.datalogger;
    if (!datalogger.on) return;
    LogBlock& block = datalogger.blocks[static_cast<std::size_t>(datalogger.active)];
    if (static_cast<int>(block.values.size()) < block.size &&
        passes_filter(block, value, failed, state.clock)) {
        block.values.push_back(value);
        block.last_kept_at = state.clock.now();
        if (value.ohms) block.last_kept = value.ohms;
    }
    if (static_cast<int>(block.values.size()) >= block.size) datalogger.on = false;
}

std::string stored_record(const StoredValue& value, Firmware firmware) {
    using namespace std::chrono;
    const auto stamp = floor<milliseconds>(value.stamp);
    const auto day = floor<days>(stamp);
    const year_month_day date{day};
    const hh_mm_ss time{stamp - day};
    const int year = static_cast<int>(date.year());
    const long day_of_month = static_cast<unsigned>(date.day());
    const long month = static_cast<unsigned>(date.month());
    const std::string year_text =
        firmware == Firmware::New ? std::to_string(year) : two_digit_fields({year % 100});
    return value.text + "," + two_digit_fields({day_of_month, month}) + "," + year_text + "," +
           two_digit_fields({time.hours().count(), time.minutes().count(), time.seconds().count(),
                             static_cast<long>(time.subseconds().count() / 10)});
}

std::optional<Statistics> statistics(const LogBlock& block) {
    std::optional<Statistics> result;
    double sum = 0;
    long n = 0;
    for (const StoredValue& value : block.values) {
        if (!value.ohms) continue;
        const double x = *value.ohms;
        if (!result) result = Statistics{x, x, 0, 0};
        result->minimum = std::min(result->minimum, x);
        result->maximum = std::max(result->maximum, x);
        sum += x;
        ++n;
    }
    if (!result) return result;
    result->mean = sum / static_cast<double>(n);
    double squares = 0;
    for (const StoredValue& value : block.values) {
        if (value.ohms) squares += (*value.ohms - result->mean) * (*value.ohms - result->mean);
    }
    result->deviation = n > 1 ? std::sqrt(squares / static_cast<double>(n - 1)) : 0.0;
    return result;
}

}  // namespace tarvolux::sim
