#include "ctl/command_line.h"

#include <cstdlib>
#include <sstream>

#include "ui/translatable.h"

namespace ctl {
namespace {

bool to_int(const std::string& text, int& out) {
    long value = 0;
    if (!to_count(text, -100000, 100000, value)) return false;
    out = static_cast<int>(value);
    return true;
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

// The command whose name the arguments at `at` spell; the longest name wins.
const Subcommand* match_command(const std::vector<std::string>& args, std::size_t at,
                                std::size_t& length) {
    const Subcommand* best = nullptr;
    length = 0;
    for (const Subcommand* command : subcommands()) {
        std::vector<std::string> name = words(command->name);
        if (name.size() <= length || at + name.size() > args.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < name.size() && same; ++k) same = args[at + k] == name[k];
        if (same) {
            best = command;
            length = name.size();
        }
    }
    return best;
}

const CommandOption* find_option(const Subcommand* command, const std::string& name) {
    if (!command) return nullptr;
    for (const CommandOption& option : command->options)
        if (option.name == name) return &option;
    return nullptr;
}

// Splits "--name=value".
std::string option_name(const std::string& arg, std::optional<std::string>& inline_value) {
    std::size_t equals = arg.find('=');
    if (equals == std::string::npos) return arg;
    inline_value = arg.substr(equals + 1);
    return arg.substr(0, equals);
}

struct Parser {
    const std::vector<std::string>& args;
    CommandLine& out;
    std::string& error;
    std::size_t i = 0;

    bool fail(const std::string& text) {
        error = text;
        return false;
    }

    bool take_value(const std::string& name, std::optional<std::string>& inline_value,
                    std::string& value) {
        if (inline_value) {
            value = *inline_value;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return fail(ui::compose(UI_TEXT("ohm7416", "Option %1: Wert fehlt"), name));
        }
        inline_value.reset();
        return true;
    }

    bool take_number(const std::string& name, std::optional<std::string>& inline_value,
                     std::optional<int>& target) {
        std::string text;
        if (!take_value(name, inline_value, text)) return false;
        int number = 0;
        if (!to_int(text, number))
            return fail(
                ui::compose(UI_TEXT("ohm7416", "Option %1: Zahl erwartet statt %2"), name, text));
        target = number;
        return true;
    }

    // True when `arg` was an option of the tool itself; `handled` tells whether it was
    // one at all.
    bool global_option(const std::string& name, std::optional<std::string>& inline_value,
                       bool& handled) {
        handled = true;
        GlobalOptions& g = out.global;
        if (name == "--help" || name == "-h") {
            g.help = true;
        } else if (name == "--port") {
            return take_number(name, inline_value, g.port);
        } else if (name == "--baud") {
            return take_number(name, inline_value, g.baud);
        } else if (name == "--gpib") {
            return take_number(name, inline_value, g.gpib_address);
        } else if (name == "--simulate") {
            std::string kind = inline_value.value_or("rs232");
            inline_value.reset();
            if (kind == "rs232")
                g.simulate = Simulation::Rs232;
            else if (kind == "gpib")
                g.simulate = Simulation::Gpib;
            else
                return fail(ui::compose(
                    UI_TEXT("ohm7416", "Option --simulate: rs232 oder gpib erwartet statt %1"),
                    kind));
        } else if (name == "--home") {
            if (!take_value(name, inline_value, g.home)) return false;
            if (g.home.empty()) return fail(UI_TEXT("ohm7416", "Option --home: Verzeichnis fehlt"));
        } else {
            handled = false;
        }
        return true;
    }

    bool run() {
        for (; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if (arg.rfind("-", 0) == 0 && arg.size() > 1) {
                std::optional<std::string> inline_value;
                std::string name = option_name(arg, inline_value);
                bool handled = false;
                if (!global_option(name, inline_value, handled)) return false;
                if (!handled) {
                    const CommandOption* option = find_option(out.subcommand, name);
                    if (!option)
                        return fail(ui::compose(UI_TEXT("ohm7416", "Unbekannte Option %1"), name));
                    std::string value;
                    if (!option->value_name.empty() && !take_value(name, inline_value, value))
                        return false;
                    out.values[name] = value;
                }
                if (inline_value)
                    return fail(ui::compose(UI_TEXT("ohm7416", "Option %1 hat keinen Wert"), name));
            } else if (!out.subcommand) {
                std::size_t length = 0;
                out.subcommand = match_command(args, i, length);
                if (!out.subcommand)
                    return fail(ui::compose(UI_TEXT("ohm7416", "Unbekannter Befehl %1"), arg));
                i += length - 1;
            } else {
                out.arguments.push_back(arg);
            }
        }
        return check();
    }

    bool check() {
        const GlobalOptions& g = out.global;
        int interfaces =
            (g.port ? 1 : 0) + (g.gpib_address ? 1 : 0) + (g.simulate != Simulation::None ? 1 : 0);
        if (interfaces > 1)
            return fail(UI_TEXT("ohm7416", "--port, --gpib und --simulate schließen einander aus"));
        if (g.help) return true;
        if (!out.subcommand) return fail(UI_TEXT("ohm7416", "Kein Befehl angegeben"));
        if (out.arguments.size() != out.subcommand->argument_count)
            return fail(ui::compose(
                UI_TEXT("ohm7416", "Befehl %1: %2"), out.subcommand->name,
                ui::translatable(out.arguments.size() < out.subcommand->argument_count
                                     ? ui::compose(UI_TEXT("ohm7416", "Argument fehlt (%1)"),
                                                   ui::translatable(out.subcommand->arguments))
                                     : std::string(UI_TEXT("ohm7416", "zu viele Argumente")))));
        if (out.subcommand->check && !out.subcommand->check(out.arguments, out.values, error))
            return false;
        return true;
    }
};

// `head` at `indent`, then `help` from column HELP_COLUMN on, wrapped at LINE_WIDTH.
void help_entry(std::ostringstream& text, std::size_t indent, const std::string& head,
                const std::string& help) {
    constexpr std::size_t HELP_COLUMN = 30;
    constexpr std::size_t LINE_WIDTH = 79;
    std::size_t column = indent + width(head);
    text << std::string(indent, ' ') << head;
    if (column >= HELP_COLUMN) {
        text << '\n';
        column = 0;
    }
    bool line_empty = true;
    for (const std::string& word : words(help)) {
        if (!line_empty && column + 1 + width(word) > LINE_WIDTH) {
            text << '\n';
            column = 0;
            line_empty = true;
        }
        if (line_empty) {
            text << std::string(HELP_COLUMN - column, ' ');
            column = HELP_COLUMN;
        } else {
            text << ' ';
            ++column;
        }
        text << word;
        column += width(word);
        line_empty = false;
    }
    text << '\n';
}

// `text` in lines of at most LINE_WIDTH characters (a longer word stands alone).
void paragraph(std::ostringstream& out, const std::string& text) {
    constexpr std::size_t LINE_WIDTH = 79;
    std::size_t column = 0;
    for (const std::string& word : words(text)) {
        if (column > 0 && column + 1 + width(word) > LINE_WIDTH) {
            out << '\n';
            column = 0;
        }
        if (column > 0) {
            out << ' ';
            ++column;
        }
        out << word;
        column += width(word);
    }
    out << '\n';
}

void list_options(std::ostringstream& text, const std::vector<CommandOption>& options,
                  std::size_t indent) {
    for (const CommandOption& option : options)
        help_entry(
            text, indent,
            option.name + (option.value_name.empty() ? "" : " " + ui::shown(option.value_name)),
            ui::shown(option.help));
}

}  // namespace

std::size_t width(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char c : text) count += (c & 0xC0) != 0x80;
    return count;
}

bool to_count(const std::string& text, long low, long high, long& out) {
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < low || value > high) return false;
    out = value;
    return true;
}

bool parse_command_line(const std::vector<std::string>& args, CommandLine& out,
                        std::string& error) {
    Parser parser{args, out, error};
    return parser.run();
}

std::string usage() {
    std::ostringstream text;
    text << ui::shown(UI_TEXT(
        "ohm7416",
        "Aufruf: ohm7416ctl [Schnittstelle] [--home VERZEICHNIS] BEFEHL [ARGUMENTE] "
        "[OPTIONEN]\n"
        "\n"
        "Das Programm ohm7416 ohne Fenster: dieselben Abläufe, dieselben Dateien, keine\n"
        "Rückfragen. Meldungen auf der Standardfehlerausgabe, Rückgabewert 0 bei Erfolg,\n"
        "1 bei einem Fehler, 2 bei einem falschen Aufruf.\n"
        "\n"
        "Schnittstelle (Vorgabe: die im Programm eingestellte, aus Com.stp):\n"
        "  --port N                    RS-232 an COM N (1-4), Gerätedatei wie im Programm\n"
        "  --baud B                    Baudrate (1200-38400; Vorgabe aus Com.stp, sonst 9600)\n"
        "  --gpib ADR                  GPIB-Adresse (0-30)\n"
        "  --simulate[=rs232|gpib]     das eingebaute simulierte Gerät (Vorgabe rs232)\n"
        "  --home VERZEICHNIS          Projektverzeichnis (Vorgabe wie im Programm:\n"
        "                              $OHM7416_HOME, sonst der Programmordner, wenn\n"
        "                              beschreibbar, sonst ~/.local/share/ohm7416)\n"
        "  --language en|de            Sprache der Hilfe und der Meldungen (Vorgabe:\n"
        "                              $OHM7416_LANGUAGE, sonst de)\n"
        "  --help                      diese Hilfe (BEFEHL --help: die des Befehls)\n"
        "\n"
        "Befehle:\n"));
    for (const Subcommand* command : subcommands()) {
        help_entry(
            text, 2,
            command->name + (command->arguments.empty() ? "" : " " + ui::shown(command->arguments)),
            ui::shown(command->summary));
        list_options(text, command->options, 6);
    }
    return text.str();
}

std::string usage(const Subcommand& command) {
    std::ostringstream text;
    text << ui::shown(UI_TEXT("ohm7416", "Aufruf: ohm7416ctl [Schnittstelle] [--home VERZEICHNIS]"))
         << ' ' << command.name
         << (command.arguments.empty() ? "" : " " + ui::shown(command.arguments))
         << (command.options.empty() ? "" : " " + ui::shown(UI_TEXT("ohm7416", "[OPTIONEN]")))
         << "\n\n";
    paragraph(text, ui::shown(command.summary));
    if (!command.options.empty()) {
        text << '\n' << ui::shown(UI_TEXT("ohm7416", "Optionen:")) << '\n';
        list_options(text, command.options, 2);
    }
    text << '\n'
         << ui::shown(
                UI_TEXT("ohm7416", "Schnittstelle und Projektverzeichnis: siehe ohm7416ctl --help"))
         << '\n';
    return text.str();
}

}  // namespace ctl
