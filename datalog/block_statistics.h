// The statistics the instrument keeps for a datalogger block: minimum, maximum, mean
// and standard deviation of its measured values.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/translatable.h"

namespace datalog {

// What the displays show for a block that holds no measured value.
inline constexpr const char* NO_VALUES_TEXT = UI_TEXT("ohm7416", "Gelöscht");

struct BlockStatistics {
    // Of the four queries; not 0 when one of them failed.
    std::int32_t status = 0;
    // The block holds no measured value (none at all, or only overloads).
    bool empty = false;
    // Minimum, maximum, mean, deviation as shown (UTF-8): number and unit;
    // NO_VALUES_TEXT four times for an empty block; empty texts after a failure.
    std::array<std::string, 4> shown;
    // The same in ohms; 0 unless the figures were read.
    std::array<double, 4> ohms{};

    bool read() const { return status == 0 && !empty; }
};

// Asks the instrument for the statistics of `block`. The record's stat_min, stat_max,
// stat_avg and stat_dev take the answers, rewritten for display; for an empty block
// they keep the instrument's own answers. When a query fails they are cleared, so no
// figures of an earlier block are ever shown for this one. The hourglass is up
// meanwhile. A block out of range is not asked for (status -2).
BlockStatistics read_block_statistics(std::int32_t block);

}  // namespace datalog
