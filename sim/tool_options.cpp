#include "sim/tool_options.h"

#include <charconv>
#include <string_view>

#include "sim/request.h"

namespace tarvolux::sim {

namespace {

struct CommandOption {
    const char* name;
    const char* value;  // nullptr for a switch
    const char* help;
    // Applies the option; returns an error text, empty when the value was good.
    std::string (*apply)(ToolSettings& settings, const std::string& value);
};

// A resistance in ohms for an option: a plain non-negative number.
std::string resistance_option(std::optional<double>& target, const std::string& name,
                              const std::string& value) {
    const auto ohms = parse_number(value);
    if (!ohms || *ohms < 0) return name + " takes a number of ohms, not \"" + value + "\"";
    target = *ohms;
    return {};
}

const CommandOption OPTIONS[] = {
    {"--help", nullptr, "show this text",
     [](ToolSettings& s, const std::string&) {
         s.help = true;
         return std::string{};
     }},
    {"--pty", nullptr, "serve the RS-232 side on a new pseudo-terminal and print its path",
     [](ToolSettings& s, const std::string&) {
         s.pty = true;
         return std::string{};
     }},
    {"--link", "PATH", "place a symbolic link to the pseudo-terminal at PATH",
     [](ToolSettings& s, const std::string& v) {
         s.link = v;
         return v.empty() ? std::string("--link needs a path") : std::string{};
     }},
    {"--pace", nullptr,
     "take as long as a real line: 10 bits a byte at the baud rate the client set",
     [](ToolSettings& s, const std::string&) {
         s.pace = true;
         return std::string{};
     }},
    {"--firmware", "old|new", "firmware generation (default: new)",
     [](ToolSettings& s, const std::string& v) {
         if (v == "old") {
             s.instrument.firmware = Firmware::Old;
         } else if (v == "new") {
             s.instrument.firmware = Firmware::New;
         } else {
             return "--firmware takes old or new, not \"" + v + "\"";
         }
         return std::string{};
     }},
    {"--idn", "TEXT", "answer TEXT to *IDN?",
     [](ToolSettings& s, const std::string& v) {
         s.instrument.idn = v;
         return std::string{};
     }},
    {"--resistance", "OHMS", "the resistor on the terminals (default: 0.012345)",
     [](ToolSettings& s, const std::string& v) {
         return resistance_option(s.resistance, "--resistance", v);
     }},
    {"--noise", "OHMS", "standard deviation of a single conversion (default: 0.000002)",
     [](ToolSettings& s, const std::string& v) {
         return resistance_option(s.noise, "--noise", v);
     }},
    {"--questionable", "HEX", "questionable-resistance causes, bits 7..0 (default: 00)",
     [](ToolSettings& s, const std::string& v) {
         unsigned causes = 0;
         const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), causes, 16);
         if (v.empty() || ec != std::errc{} || end != v.data() + v.size() || causes > 0xFF)
             return "--questionable takes two hexadecimal digits, not \"" + v + "\"";
         s.questionable = static_cast<std::uint8_t>(causes);
         return std::string{};
     }},
    {"--log", nullptr, "print each command line received",
     [](ToolSettings& s, const std::string&) {
         s.log = true;
         return std::string{};
     }},
};

const CommandOption* find_option(std::string_view name) {
    for (const CommandOption& option : OPTIONS) {
        if (name == option.name) return &option;
    }
    return nullptr;
}

}  // namespace

ToolParse parse_tool_options(const std::vector<std::string>& args) {
    ToolParse parse;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const CommandOption* option = find_option(name);
        if (!option) {
            parse.error = "unknown option \"" + arg + "\"";
            return parse;
        }
        std::string value;
        if (option->value) {
            if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                parse.error = name + " needs " + option->value;
                return parse;
            }
        } else if (equals != std::string::npos) {
            parse.error = name + " takes no value";
            return parse;
        }
        parse.error = option->apply(parse.settings, value);
        if (!parse.error.empty()) return parse;
    }
    return parse;
}

void apply_connections(const ToolSettings& settings, Instrument& instrument) {
    instrument.modify([&settings](InstrumentState& state) {
        if (settings.resistance) state.resistor.ohms = *settings.resistance;
        if (settings.noise) state.resistor.noise = *settings.noise;
        if (settings.questionable) state.status.set_resistance_causes(*settings.questionable);
    });
}

std::string tool_usage() {
    std::string text =
        "usage: tarvolux-sim [OPTION]...\n"
        "Simulated Tarvolux Typ 7416 on a pseudo-terminal; runs until interrupted.\n\n";
    for (const CommandOption& option : OPTIONS) {
        std::string left = std::string("  ") + option.name;
        if (option.value) left += std::string(" ") + option.value;
        if (left.size() < 22) left.resize(22, ' ');
        text += left + " " + option.help + "\n";
    }
    return text;
}

}  // namespace tarvolux::sim
