// The datalogger: 32 blocks, each with a name, a size, a filter that decides which
// values it keeps, and the values kept with their time stamps.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "sim/clock.h"

namespace tarvolux::sim {

enum class FilterMode { All, NoFail, Fail, EveryNth, Interval, Delta };

constexpr int BLOCK_COUNT = 32;
constexpr int BLOCK_SIZE_MAX = 20000;
constexpr std::size_t NAME_LENGTH_MAX = 10;
// Total memory of the two firmware generations, in values.
constexpr int CAPACITY_NEW_FIRMWARE = 32000;
constexpr int CAPACITY_OLD_FIRMWARE = 20000;

struct StoredValue {
    std::string text;            // as "FE?" answered it in resistance display, or ">>>"
    std::optional<double> ohms;  // none for a faulty measurement
    Clock::Calendar stamp;       // the instrument's clock
};

struct LogBlock {
    std::string name;
    int size = 500;
    FilterMode filter = FilterMode::All;
    int every = 2;  // every n-th value
    int hours = 0;  // the interval of the time filter
    int minutes = 0;
    int seconds = 1;
    double delta = 0.001;  // ohms a value must differ from the last one kept
    std::vector<StoredValue> values;

    // Filter progress: values offered since the last kept one, and the last kept.
    long offered = 0;
    std::optional<Clock::Duration> last_kept_at;
    std::optional<double> last_kept;
};

struct Datalogger {
    Datalogger();

    bool on = false;
    int active = 0;
    std::array<LogBlock, BLOCK_COUNT> blocks;
};

}  // namespace tarvolux::sim
