// Command line of zk7416-scpi.
#pragma once

#include <string>
#include <vector>

namespace console {

enum class Transport { Serial, Gpib };

struct Options {
    Transport transport = Transport::Serial;
    int port = 1;
    int baud = 9600;
    double timeout = 10.0;
    int gpib_address = 7;
    int reset = 0;
    bool simulate = false;
    bool verbose = false;
    bool help = false;
    // Values to measure with --measure; 0 = no measurement.
    int measure = 0;
    std::vector<std::string> lines;
};

bool parse(int argc, char** argv, Options& options, std::string& error);
const char* usage();

}  // namespace console
