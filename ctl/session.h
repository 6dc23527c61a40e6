// What every command of ohm7416ctl that talks to the instrument needs first, in the
// program's own order: the project directory, the interface (Com.stp, or the command
// line), the COM device mapping, the built-in simulation, the connection and the
// identification; and for the commands that work with the settings, the program's
// start-up: stop a running measurement, wait until idle, read all settings.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "ctl/command_line.h"

namespace tools {
class EmbeddedInstrument;
}

namespace ctl {

// Where the tool runs; main() fills it from the process, tests from their fixture.
struct Environment {
    std::ostream& out;
    std::ostream& err;
    std::string executable_dir;
    std::string user_data_dir;
    bool pacing = true;     // the pauses between instrument commands really wait
    bool progress = false;  // draw progress on err (a terminal)
};

class Session {
  public:
    Session(const GlobalOptions& options, const Environment& environment);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Sends nothing. False after one message to the operator.
    bool open_project();
    // Opens the connection and identifies the instrument (open_project first when it
    // has not run). False after one message.
    bool connect();
    // connect() and the program's start-up: afterwards the records hold the
    // instrument's settings as the program holds them after it started.
    bool connect_and_prepare();

  private:
    bool choose_interface();

    GlobalOptions options_;
    const Environment& environment_;
    std::unique_ptr<tools::EmbeddedInstrument> simulation_;
    bool project_open_ = false;
    bool connected_ = false;
};

}  // namespace ctl
