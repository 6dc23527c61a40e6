// Command line of zk7416-gateway.
#pragma once

#include <string>

#include "gateway/server.h"

namespace gateway {

enum class Door { Serial, Gpib };

struct Options {
    Door door = Door::Serial;
    int com_port = 1;
    std::string device;  // a serial device given by path instead of a COM number
    int baud = 9600;
    double timeout = 10.0;
    int gpib_address = 7;
    bool simulate = false;
    bool help = false;
    ServerOptions server;
};

bool parse(int argc, char** argv, Options& options, std::string& error);
const char* usage();

// The NI-488.2 time-out code that waits at least `seconds` (13 = 10 s, at most 17).
int gpib_timeout_code(double seconds);

}  // namespace gateway
