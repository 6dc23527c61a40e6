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
    bool log = false;
    InstrumentOptions instrument;
};

struct ToolParse {
    ToolSettings settings;
    std::string error;  // empty when the command line was good
};

// Options come as "--name VALUE" or "--name=VALUE".
ToolParse parse_tool_options(const std::vector<std::string>& args);
std::string tool_usage();

}  // namespace tarvolux::sim
