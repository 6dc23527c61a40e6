// The datalogger at work: which values a block keeps, the memory its blocks take, and
// how stored values and their statistics are written in answers.
#pragma once

#include <optional>
#include <string>

#include "sim/instrument_state.h"

namespace tarvolux::sim {

int capacity(Firmware firmware);
// Values the 32 block sizes take together.
int allocated(const Datalogger& datalogger);

// Forgets the values of a block and the progress of its filter.
void clear_block(LogBlock& block);

// Offers a measured value to the active block while the datalogger is on. `failed`:
// the measurement was faulty or the comparator did not pass it. The datalogger
// switches itself off once the active block is full.
void log_value(InstrumentState& state, const StoredValue& value, bool failed);

// A stored value with its date and time: value,dd,mm,yyyy,hh,mm,ss,cc - the older
// firmware writes the year with two digits.
std::string stored_record(const StoredValue& value, Firmware firmware);

struct Statistics {
    double minimum;
    double maximum;
    double mean;
    double deviation;  // sample standard deviation; 0 for a single value
};
// Over the block's measured values; none when it holds no measured value.
std::optional<Statistics> statistics(const LogBlock& block);

}  // namespace tarvolux::sim
