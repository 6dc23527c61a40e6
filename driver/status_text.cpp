// Readable texts for the driver's status codes, for consoles and log files.
#include "driver/zk7416_internal.h"
#include "platform/serial_port.h"

extern "C" {

const char* zk7416_status_text(int32_t status) {
    switch (status) {
        case 0: return "kein Fehler";
        case 220: return "keine freie Verbindung oder GPIB-Gerät nicht zu öffnen";
        case 221: return "Verbindung war nicht offen";
        case 224: return "GPIB Device Clear fehlgeschlagen";
        case 230: return "Senden des Befehls fehlgeschlagen";
        case 231: return "Lesen der Antwort fehlgeschlagen (Zeitüberschreitung?)";
        case 232: return "kein GPIB-Gerät geöffnet";
        case 233: return "Setzen der GPIB-Adresse fehlgeschlagen";
        case 234: return "GPIB Go-To-Local fehlgeschlagen";
        case 237: return "Setzen des GPIB-Endezeichens fehlgeschlagen";
        case 300: return "Gerät hat den Befehl nicht angenommen (NAK)";
        case 301: return "Gerät hat nichts zu senden (EOT)";
        case 302: return "Gerät misst nicht";
        case 303: return "keine Bedienungsanforderung (SRQ) vom Gerät";
        case 304: return "Serial Poll fehlgeschlagen";
        case 310: return "T-Komp.Error";
        case 311: return "U-KabelError";
        case 312: return "I-Osiz.Error";
        case 313: return "Untersteuert";
        case 314: return "Übersteuert";
        case 315: return "I-Over";
        case 316: return "Mess I-Over";
        case 317: return "Mess U-Over";
        case 330: return "Gerät hat die Komparatorgrenzen nicht angenommen";
        case platform::kRs232PortNotOpen: return "Argument außerhalb des zulässigen Bereichs "
                                                 "oder serielle Schnittstelle nicht offen";
        case platform::kRs232InvalidPort: return "ungültige Nummer der seriellen Schnittstelle";
        case platform::kRs232IoError: return "Ein-/Ausgabefehler der seriellen Schnittstelle";
        case platform::kRs232CannotOpenPort: return "serielle Schnittstelle nicht zu öffnen";
        case platform::kRs232PortBusy: return "serielle Schnittstelle wird schon benutzt";
        case platform::kRs232InvalidParameter: return "ungültige Einstellung der seriellen Schnittstelle";
        case platform::kRs232InvalidBaudRate: return "Baudrate wird nicht unterstützt";
        case platform::kRs232TimeOut: return "Zeitüberschreitung an der seriellen Schnittstelle";
        default: break;
    }
    if (status <= -1 && status >= -20) return "Argument außerhalb des zulässigen Bereichs";
    if (status < -20) return "Fehler der seriellen Schnittstelle";
    return "Fehlernummer des Geräts";
}

}  // extern "C"
