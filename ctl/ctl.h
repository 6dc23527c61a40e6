// ohm7416ctl as a function, so tests run it in-process against a simulated instrument.
#pragma once

#include <string>
#include <vector>

#include "ctl/session.h"

namespace ctl {

// Runs one command line (without the program name). 0 on success, 1 after one message
// on environment.err, 2 for a command line that cannot be run.
int run(const std::vector<std::string>& args, const Environment& environment);

}  // namespace ctl
