// Command-line options of the tool `tarvolux-sim`. Each option is one row of a table
// (name, value, help, what it sets), so a new option is one more row.
#pragma once

#include <string>
#include <vector>

#include "sim/instrument.h"

namespace tarvolux::sim {

struct ToolSettings {
    bool help = false;
    // Serve on a new pseudo-terminal; the tool's only door, so also the default.
    bool pty = true;
    std::string link;
    // Answer at the pace of a real line at the baud rate the client set.
    bool pace = false;
    bool log = false;
    InstrumentOptions instrument;
    // What is connected to the instrument: the resistor and the spread of single
    // conversions (ohms), and questionable-resistance causes (bits 7 ... 0).
    std::optional<double> resistance;
    std::optional<double> noise;
    std::optional<std::uint8_t> questionable;
};

struct ToolParse {
    ToolSettings settings;
    std::string error;  // empty when the command line was good
};

// Options come as "--name VALUE" or "--name=VALUE".
ToolParse parse_tool_options(const std::vector<std::string>& args);
std::string tool_usage();

// Puts the resistor and the questionable causes of the settings on the instrument.
void apply_connections(const ToolSettings& settings, Instrument& instrument);

}  // namespace tarvolux::sim
