#include "tools/console_options.h"

#include <cstdlib>
#include <string_view>
#include <type_traits>

#include "ui/translatable.h"

namespace console {
namespace {

bool to_int(std::string_view text, int& out) {
    std::string s(text);
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    if (s.empty() || *end != '\0') return false;
    out = static_cast<int>(v);
    return true;
}

bool to_double(std::string_view text, double& out) {
    std::string s(text);
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (s.empty() || *end != '\0') return false;
    out = v;
    return true;
}

}  // namespace

const char* usage() {
    return UI_TEXT(
        "ohm7416",
        "Aufruf: zk7416-scpi [Schnittstelle] [Optionen] [BEFEHL ...]\n"
        "\n"
        "Schnittstelle:\n"
        "  --port N          RS-232 an COM N (1-4; Gerät über $ZK7416_COM<N>)\n"
        "  --baud B          Baudrate (1200-38400, Vorgabe 9600)\n"
        "  --timeout S       Zeitlimit in Sekunden (RS-232, Vorgabe 10)\n"
        "  --gpib ADR        GPIB-Adresse (0-30; Bibliothek über $ZK7416_GPIB_LIBRARY)\n"
        "  --simulate[=rs232|gpib]  das eingebaute simulierte Gerät benutzen\n"
        "Optionen:\n"
        "  --reset           Gerät beim Verbinden zurücksetzen (*RST)\n"
        "  --measure N       Messung starten, N Messwerte lesen und ausgeben, Messung\n"
        "                    beenden (Zeitlimit je Messwert: --timeout)\n"
        "  --verbose         Identifikation nach dem Verbinden ausgeben\n"
        "  --language en|de  Sprache der Hilfe und der Meldungen (Vorgabe:\n"
        "                    $OHM7416_LANGUAGE, sonst de)\n"
        "  --help            diese Hilfe\n"
        "\n"
        "Jeder BEFEHL wird gesendet; endet er auf '?', wird die Antwort ausgegeben.\n"
        "Ohne BEFEHL (und ohne --measure) werden Zeilen von der Standardeingabe gelesen.\n");
}

bool parse(int argc, char** argv, Options& o, std::string& error) {
    // Takes the value after option `name` and converts it; false with a message when
    // it is missing or not a number.
    auto take = [&](int& i, std::string_view name, auto& out) {
        bool converted = false;
        if (i + 1 < argc) {
            std::string_view v = argv[++i];
            if constexpr (std::is_same_v<std::decay_t<decltype(out)>, double>)
                converted = to_double(v, out);
            else
                converted = to_int(v, out);
        }
        if (!converted)
            error = ui::compose(UI_TEXT("ohm7416", "%1: Zahl erwartet"), std::string(name));
        return converted;
    };
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        bool ok = true;
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--port") {
            ok = take(i, a, o.port);
            o.transport = Transport::Serial;
        } else if (a == "--baud") {
            ok = take(i, a, o.baud);
        } else if (a == "--timeout") {
            ok = take(i, a, o.timeout);
        } else if (a == "--gpib") {
            ok = take(i, a, o.gpib_address);
            o.transport = Transport::Gpib;
        } else if (a == "--measure") {
            ok = take(i, a, o.measure);
            if (ok && o.measure < 1) {
                error = UI_TEXT("ohm7416", "--measure: Anzahl ab 1 erwartet");
                ok = false;
            }
        } else if (a == "--simulate" || a == "--simulate=rs232") {
            o.simulate = true;
            o.transport = Transport::Serial;
        } else if (a == "--simulate=gpib") {
            o.simulate = true;
            o.transport = Transport::Gpib;
        } else if (a == "--reset") {
            o.reset = 1;
        } else if (a == "--verbose" || a == "-v") {
            o.verbose = true;
        } else if (a.size() > 2 && a.substr(0, 2) == "--") {
            error = ui::compose(UI_TEXT("ohm7416", "unbekannte Option %1"), std::string(a));
            ok = false;
        } else {
            o.lines.emplace_back(a);
        }
        if (!ok) return false;
    }
    return true;
}

}  // namespace console
