#include "gateway/gateway_options.h"

#include <cstdlib>
#include <string_view>

namespace gateway {

namespace {

bool to_number(const std::string& text, double& out) {
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0';
}

bool to_int(const std::string& text, int& out, int low, int high) {
    double value = 0;
    if (!to_number(text, value) || value != static_cast<int>(value) || value < low || value > high)
        return false;
    out = static_cast<int>(value);
    return true;
}

}  // namespace

const char* usage() {
    return "Aufruf: zk7416-gateway [Schnittstelle] [Optionen]\n"
           "Das Tarvolux Typ 7416 als SCPI-Gerät im Netz (Raw-Socket wie Port 5025):\n"
           "Zeilen mit LF; eine Zeile auf '?' bekommt die Antwort des Geräts und LF.\n"
           "\n"
           "Schnittstelle (Vorgabe: --port 1):\n"
           "  --port N|GERÄT    RS-232 an COM N (1-4, Gerät über $ZK7416_COM<N>) oder\n"
           "                    an der Gerätedatei GERÄT\n"
           "  --baud B          Baudrate (1200-38400, Vorgabe 9600)\n"
           "  --gpib ADR        GPIB-Adresse (0-30; Bibliothek über $ZK7416_GPIB_LIBRARY)\n"
           "  --simulate[=rs232|gpib]  das eingebaute simulierte Gerät benutzen\n"
           "  --timeout S       Zeitlimit je Austausch mit dem Gerät (Vorgabe 10 s)\n"
           "Netz:\n"
           "  --listen ADR      Adresse (Vorgabe 127.0.0.1: nur dieser Rechner)\n"
           "  --tcp-port P      Port (Vorgabe 5025; 0: ein freier, wird ausgegeben)\n"
           "  --idle-timeout S  Client ohne Zeile nach S Sekunden trennen (Vorgabe 300,\n"
           "                    0: nie)\n"
           "  --help            diese Hilfe\n"
           "\n"
           "Beim Start steht ADRESSE:PORT auf der Standardausgabe; das Protokoll auf\n"
           "der Standardfehlerausgabe.\n"
           "\n"
           "Ein Client zur Zeit; ein zweiter wird sofort getrennt (Verbindungsabbruch).\n"
           "Schlägt ein Austausch fehl, bekommt eine Abfrage eine leere Zeile;\n"
           "GATEWAY:ERR? (kurz GATE:ERR?) antwortet <Status>,\"<Text>\" mit dem\n"
           "Treiberstatus des letzten Fehlers und setzt ihn auf 0 zurück (901: Zeile\n"
           "länger als 296 Bytes, 902: Zeichen außerhalb von druckbarem Latin-1; solche\n"
           "Zeilen werden nicht gesendet). SYST:ERR? und alle anderen Zeilen gehen\n"
           "unverändert zum Gerät. Antwortet das Gerät gar nicht mehr, wird der Client\n"
           "getrennt. Die serielle Schnittstelle bleibt belegt, solange das Gateway läuft.\n";
}

bool parse(int argc, char** argv, Options& o, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::string name = arg.substr(0, arg.find('='));
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            continue;
        }
        if (arg == "--simulate" || arg == "--simulate=rs232" || arg == "--simulate=gpib") {
            o.simulate = true;
            o.door = arg == "--simulate=gpib" ? Door::Gpib : Door::Serial;
            continue;
        }
        const bool takes_value = name == "--port" || name == "--baud" || name == "--gpib" ||
                                 name == "--timeout" || name == "--listen" ||
                                 name == "--tcp-port" || name == "--idle-timeout";
        if (!takes_value) {
            error = "unbekannte Option " + arg;
            return false;
        }
        std::string value;
        if (name != arg) {
            value = arg.substr(name.size() + 1);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            error = name + ": Wert fehlt";
            return false;
        }
        bool ok = true;
        if (name == "--port") {
            o.door = Door::Serial;
            o.device.clear();
            if (!to_int(value, o.com_port, 1, 4)) {
                o.com_port = 1;
                o.device = value;
                ok = value.find('/') != std::string::npos;
            }
        } else if (name == "--baud") {
            ok = to_int(value, o.baud, 1200, 38400);
        } else if (name == "--gpib") {
            o.door = Door::Gpib;
            ok = to_int(value, o.gpib_address, 0, 30);
        } else if (name == "--timeout") {
            ok = to_number(value, o.timeout) && o.timeout > 0 && o.timeout <= 1000;
        } else if (name == "--listen") {
            o.server.listen = value;
            ok = !value.empty();
        } else if (name == "--tcp-port") {
            ok = to_int(value, o.server.port, 0, 65535);
        } else {
            ok = to_number(value, o.server.idle_timeout) && o.server.idle_timeout >= 0;
        }
        if (!ok) {
            error = name + ": ungültiger Wert \"" + value + "\"";
            return false;
        }
    }
    return true;
}

int gpib_timeout_code(double seconds) {
    // 11 = 1 s, 12 = 3 s, 13 = 10 s, ... 17 = 1000 s; the codes below a second are of
    // no use for an instrument that takes a while to answer.
    const double steps[] = {1, 3, 10, 30, 100, 300, 1000};
    int code = 11;
    for (double step : steps) {
        if (seconds <= step) return code;
        ++code;
    }
    return 17;
}

}  // namespace gateway
