// tarvolux-sim: the simulated instrument on a pseudo-terminal, for trying the program
// or a script without hardware.
#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>

#include "sim/instrument.h"
#include "sim/serial_door.h"
#include "sim/tool_options.h"

using namespace tarvolux::sim;

int main(int argc, char** argv) {
    const ToolParse parse = parse_tool_options(std::vector<std::string>(argv + 1, argv + argc));
    if (!parse.error.empty()) {
        std::fprintf(stderr, "tarvolux-sim: %s\n%s", parse.error.c_str(), tool_usage().c_str());
        return 2;
    }
    const ToolSettings& settings = parse.settings;
    if (settings.help) {
        std::fputs(tool_usage().c_str(), stdout);
        return 0;
    }

    // Blocked before any thread starts, so the signals reach only the sigwait below
    // and the door stops cleanly.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    auto instrument = std::make_shared<Instrument>(settings.instrument);
    apply_connections(settings, *instrument);
    if (settings.log) {
        instrument->set_command_listener([](const std::string& line) {
            std::printf("%s\n", line.c_str());
            std::fflush(stdout);
        });
    }
    SerialDoor door(instrument);
    door.set_line_pacing(settings.pace);
    try {
        door.start();
        if (!settings.link.empty()) door.place_link(settings.link);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tarvolux-sim: %s\n", e.what());
        return 1;
    }
    std::printf("%s\n", door.slave_path().c_str());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&signals, &signal);
    door.stop();
    return 0;
}
