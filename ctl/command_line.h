// The command line of ohm7416ctl:
//   ohm7416ctl [--port N [--baud B] | --gpib ADR | --simulate[=rs232|gpib]] [--home DIR]
//              COMMAND [ARGUMENTS] [OPTIONS]
// The interface and --home options may stand anywhere; a command's own options after
// its name.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ctl/subcommand.h"

namespace ctl {

enum class Simulation { None, Rs232, Gpib };

struct GlobalOptions {
    std::optional<int> port;
    std::optional<int> baud;
    std::optional<int> gpib_address;
    Simulation simulate = Simulation::None;
    std::string home;
    bool help = false;
};

struct CommandLine {
    GlobalOptions global;
    const Subcommand* subcommand = nullptr;  // nullptr: none named (only --help is fine then)
    std::vector<std::string> arguments;
    std::map<std::string, std::string> values;
};

// False with a German one-line `error` for anything the tool cannot run.
bool parse_command_line(const std::vector<std::string>& args, CommandLine& out, std::string& error);

// A whole decimal number from `low` to `high` (nothing else in `text`) into `out`.
bool to_count(const std::string& text, long low, long high, long& out);

// Characters, not bytes: the help is German or English, in UTF-8.
std::size_t width(const std::string& text);

// The whole help, or that of one command.
std::string usage();
std::string usage(const Subcommand& command);

}  // namespace ctl
