// The program's command line:
//   ohm7416 [--simulate[=rs232|gpib]] [--line-pacing] [--home DIR] [ARG]
// (--language en|de is taken out before, see ui/qt/language.h.)
// Options start with "--"; of the positional arguments, exactly one whose first five
// characters are "messe" (any case) switches the measure panel's demonstration on.
#pragma once

#include <string>
#include <vector>

namespace app {

enum class Simulation { None, Rs232, Gpib };

struct CommandLine {
    Simulation simulate = Simulation::None;
    // The simulated RS-232 line takes as long as a real one.
    bool line_pacing = false;
    std::string home;
    std::vector<std::string> positional;
    int messedemo = 0;
    bool help = false;
};

// False with a German message for an unknown option or a missing value.
bool parse_command_line(const std::vector<std::string>& args, CommandLine& out, std::string& error);

// The demonstration rule on its own: exactly one argument, beginning with "messe".
int messedemo_requested(const std::vector<std::string>& positional);

const char* command_line_usage();

}  // namespace app
