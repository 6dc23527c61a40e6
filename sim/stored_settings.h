// What a settings memory holds, and the 33 memories with their labels. The datalogger
// blocks and the labels belong to the instrument as a whole, not to a memory.
#pragma once

#include <array>
#include <string>

#include "sim/device_state.h"
#include "sim/limits_state.h"
#include "sim/measurement_state.h"
#include "sim/temperature_state.h"

namespace tarvolux::sim {

struct StoredSettings {
    MeasurementSettings measurement;
    ComparatorSettings comparator;
    EnvelopeSettings envelope;
    TemperatureSettings temperature;
    PrinterSettings printer;
    AccessSettings access;
};

constexpr int MEMORY_COUNT = 33;
// The last memory holds the factory defaults and can only be recalled.
constexpr int DEFAULT_MEMORY = 32;
constexpr std::size_t LABEL_LENGTH_MAX = 10;

struct Memories {
    Memories();

    std::array<StoredSettings, DEFAULT_MEMORY> saved{};
    std::array<std::string, MEMORY_COUNT> labels;
};

}  // namespace tarvolux::sim
