// The measuring settings, the virtual resistor on the terminals and the measurement in
// progress.
#pragma once

#include <deque>
#include <optional>
#include <random>
#include <string>

#include "sim/clock.h"
#include "sim/value_format.h"

namespace tarvolux::sim {

enum class AveragingType { Moving, Repeating };
enum class LoadType { Real, Complex };  // "complex": an inductive load that needs settling
// refc, nonc, onec, stan: the measuring modes the instrument offers.
enum class MeasuringMode { RefC, NonC, OneC, Standard };
enum class Integration { Min, Med, Max, Standard };
enum class DisplayMode { Ohm, Delta, Limit };

constexpr int AVERAGING_COUNT_MAX = 100;

// What a settings memory keeps of the measurement; *RST restores these defaults.
struct MeasurementSettings {
    AveragingType averaging = AveragingType::Moving;
    int averaging_count = 0;  // 0 and 1: no averaging
    LoadType load = LoadType::Real;
    bool continuous = true;
    bool voltage_limit = false;
    MeasuringMode mode = MeasuringMode::Standard;
    Integration integration = Integration::Standard;
    bool auto_range = true;
    int manual_range = 1;
    int auto_low = 1;
    int auto_high = RANGE_COUNT;
    DisplayMode display = DisplayMode::Ohm;
    double reference = 0.0;  // ohms, for the deviation display and relative limits
    Resolution resolution = Resolution::Fine;
};

// The resistor between the terminals: its value and the spread of single conversions.
// The random source has a fixed seed, so a run with noise is reproducible.
struct VirtualResistor {
    double ohms = 0.012345;
    double noise = 0.000002;  // standard deviation of one conversion, ohms
    std::mt19937 random{7416};

    double convert() {
        if (noise <= 0) return ohms;
        return std::normal_distribution<double>(ohms, noise)(random);
    }
};

// The measurement in progress and its last result.
struct MeasurementRun {
    bool measuring = false;
    Clock::Duration conversion_start{};
    std::deque<double> window;  // recent conversions for the moving average
    // The next value is the reference measurement (after switching to mode refc).
    bool reference_due = false;
    int range = 1;                      // the range of the last value
    std::optional<std::string> answer;  // what "FE?" answers; none before the first value
};

}  // namespace tarvolux::sim
