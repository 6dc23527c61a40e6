// The smaller settings groups: display, printer, access locks, the instrument's clock,
// keyboard lock and digital I/O, and calibration.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "sim/clock.h"

namespace tarvolux::sim {

enum class DisplayOption { Range, Current, Temperature, Sample, Trigger, Auto, Load, Measurement };
constexpr std::size_t DISPLAY_OPTION_COUNT = 8;

struct DisplaySettings {
    std::array<bool, DISPLAY_OPTION_COUNT> options{true, true, true, true, true, true, true, true};
    double contrast = 0.5;
};

enum class PrinterItem { Temperature, Number, Label, Time, Date };
constexpr std::size_t PRINTER_ITEM_COUNT = 5;
constexpr int PRINTER_HEADER_MAX = 1000;

struct PrinterSettings {
    std::array<bool, PRINTER_ITEM_COUNT> items{false, true, false, true, true};
    int header = 1;
    std::string label = "7416";
    int hours = 0;  // interval between printed values; 0:0:0 prints every value
    int minutes = 0;
    int seconds = 0;
};

struct PrinterRun {
    bool printing = false;
    long printed = 0;  // the value number the printout shows, reset by HCOP:NUM:RES
    std::optional<Clock::Duration> last_printed_at;
};

// Front-panel locks, in the order of the driver's arguments.
enum class AccessLock {
    Measurement,
    Expression,
    Printer,
    Comparator,
    Continuous,
    Memory,
    Communication,
    Status,
    Register,
    Scale,
    Datalogger,
    Calibration,
    Date,
    Fast,
    LimitConfig,
    LimitEvaluation,
    EnvelopeConfig,
    EnvelopeEvaluation,
    ManualRange,
};
constexpr std::size_t ACCESS_LOCK_COUNT = 19;

struct AccessSettings {
    std::array<bool, ACCESS_LOCK_COUNT> locks{};
};

struct SystemState {
    // The instrument's clock runs this far from the clock of the model.
    Clock::Calendar::duration clock_offset{};
    bool keyboard_locked = false;
    int outputs = 0;  // three output lines
    int inputs = 0;   // four input lines, set by whatever is wired to them
};

enum class CalibrationPoint { Low, High };

struct CalibrationState {
    bool on = false;
    // A calibration step is running since then: the calibrating bit is set.
    std::optional<Clock::Duration> busy_since;
    std::array<std::optional<double>, 7> resistance{};  // reference value per range
    std::optional<CalibrationPoint> millivolt_point;
    std::optional<CalibrationPoint> voltage_point;
    std::array<double, 3> millivolt{};
    std::array<double, 2> voltage{};
    std::optional<double> current;
    std::array<std::optional<double>, 2> pt100{};  // low and high point
    int steps = 0;  // measuring steps since the calibration mode was switched on
};

}  // namespace tarvolux::sim
