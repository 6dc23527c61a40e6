#include "app/command_line.h"

#include <cctype>

#include "ui/translatable.h"

namespace app {

int messedemo_requested(const std::vector<std::string>& positional) {
    if (positional.size() != 1 || positional[0].size() < 5) return 0;
    const char* demo = "messe";
    for (int i = 0; i < 5; ++i)
        if (std::tolower(static_cast<unsigned char>(positional[0][i])) != demo[i]) return 0;
    return 1;
}

bool parse_command_line(const std::vector<std::string>& args, CommandLine& out,
                        std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) {
            out.positional.push_back(a);
        } else if (a == "--help") {
            out.help = true;
        } else if (a == "--simulate" || a == "--simulate=rs232") {
            out.simulate = Simulation::Rs232;
        } else if (a == "--simulate=gpib") {
            out.simulate = Simulation::Gpib;
        } else if (a == "--line-pacing") {
            out.line_pacing = true;
        } else if (a == "--home" || a.rfind("--home=", 0) == 0) {
            if (a == "--home") {
                if (i + 1 >= args.size()) {
                    error = UI_TEXT("ohm7416", "Option --home: Verzeichnis fehlt");
                    return false;
                }
                out.home = args[++i];
            } else {
                out.home = a.substr(7);
            }
            if (out.home.empty()) {
                error = UI_TEXT("ohm7416", "Option --home: Verzeichnis fehlt");
                return false;
            }
        } else {
            error = ui::compose(UI_TEXT("ohm7416", "Unbekannte Option %1"), a);
            return false;
        }
    }
    out.messedemo = messedemo_requested(out.positional);
    return true;
}

const char* command_line_usage() {
    return UI_TEXT(
        "ohm7416",
        "Aufruf: ohm7416 [--simulate[=rs232|gpib]] [--line-pacing] [--home VERZEICHNIS] "
        "[--language en|de] [messedemo]\n"
        "\n"
        "  --simulate[=rs232|gpib]  mit dem eingebauten simulierten Gerät arbeiten\n"
        "  --line-pacing            das simulierte RS232-Gerät antwortet so langsam wie\n"
        "                           eine echte Leitung mit der eingestellten Baudrate\n"
        "  --home VERZEICHNIS       Projektverzeichnis (Com.stp, Config, EXPORT, format.for)\n"
        "  --language en|de         Sprache der Bedienoberfläche (Vorgabe: $OHM7416_LANGUAGE,\n"
        "                           sonst die unter Info > Sprache / Language gewählte,\n"
        "                           sonst de)\n"
        "  messedemo                Demonstrationsschalter im Messpanel zeigen\n"
        "  --help                   diese Hilfe\n");
}

}  // namespace app
