// One subcommand of ohm7416ctl: its name, arguments and options, and the function that
// runs it. Each subcommand lives in a file of its own and is listed once in the table
// of subcommands.cpp.
#pragma once

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace ui {
class ConsoleBackend;
}

namespace ctl {

class Session;

struct CommandOption {
    std::string name;        // "--datalogger"
    std::string value_name;  // "" for a switch, else the value's name in the help ("DATEI")
    std::string help;        // German; states the default
};

struct Invocation {
    std::vector<std::string> arguments;         // the positional arguments
    std::map<std::string, std::string> values;  // the options given ("" for a switch)
    Session& session;
    ui::ConsoleBackend& backend;
    std::ostream& out;

    bool has(const std::string& option) const { return values.count(option) != 0; }
    std::string value(const std::string& option) const {
        auto found = values.find(option);
        return found == values.end() ? std::string() : found->second;
    }
};

struct Subcommand {
    std::string name;       // "save-config", or two words ("datalogger read")
    std::string arguments;  // for the help: "DATEI"
    std::size_t argument_count;
    std::string summary;  // one German line
    std::vector<CommandOption> options;
    // 0 on success; otherwise the operator has been told why (one message).
    int (*run)(Invocation& invocation);
    // Checks what the command line gives beyond the number of arguments (nullptr: no
    // more to check). False with a German one-line `error`: a wrong command line.
    bool (*check)(const std::vector<std::string>& arguments,
                  const std::map<std::string, std::string>& values, std::string& error) = nullptr;
};

// Every subcommand, in the order the help lists them.
const std::vector<const Subcommand*>& subcommands();

}  // namespace ctl
