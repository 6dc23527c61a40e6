// Readable texts for the driver's status codes, for consoles and log files.
#include "driver/zk7416_internal.h"
#include "platform/serial_port.h"

// The texts are German. The program shows them translated when it speaks another
// language; this marks them for Qt's lupdate, which collects them into the program's
// translation (context "ohm7416"). The driver itself knows nothing of Qt.
#define QT_TRANSLATE_NOOP(context, text) text

extern "C" {

const char* zk7416_status_text(int32_t status) {
    switch (status) {
        case 0: return QT_TRANSLATE_NOOP("ohm7416", "kein Fehler");
        case 220: return QT_TRANSLATE_NOOP("ohm7416", "keine freie Verbindung oder GPIB-Gerät nicht zu öffnen");
        case 221: return QT_TRANSLATE_NOOP("ohm7416", "Verbindung war nicht offen");
        case 224: return QT_TRANSLATE_NOOP("ohm7416", "GPIB Device Clear fehlgeschlagen");
        case 230: return QT_TRANSLATE_NOOP("ohm7416", "Senden des Befehls fehlgeschlagen");
        case 231: return QT_TRANSLATE_NOOP("ohm7416", "Lesen der Antwort fehlgeschlagen (Zeitüberschreitung?)");
        case 232: return QT_TRANSLATE_NOOP("ohm7416", "kein GPIB-Gerät geöffnet");
        case 233: return QT_TRANSLATE_NOOP("ohm7416", "Setzen der GPIB-Adresse fehlgeschlagen");
        case 234: return QT_TRANSLATE_NOOP("ohm7416", "GPIB Go-To-Local fehlgeschlagen");
        case 237: return QT_TRANSLATE_NOOP("ohm7416", "Setzen des GPIB-Endezeichens fehlgeschlagen");
        case 300: return QT_TRANSLATE_NOOP("ohm7416", "Gerät hat den Befehl nicht angenommen (NAK)");
        case 301: return QT_TRANSLATE_NOOP("ohm7416", "Gerät hat nichts zu senden (EOT)");
        case 302: return QT_TRANSLATE_NOOP("ohm7416", "Gerät misst nicht");
        case 303: return QT_TRANSLATE_NOOP("ohm7416", "keine Bedienungsanforderung (SRQ) vom Gerät");
        case 304: return QT_TRANSLATE_NOOP("ohm7416", "Serial Poll fehlgeschlagen");
        case 310: return QT_TRANSLATE_NOOP("ohm7416", "T-Komp.Error");
        case 311: return QT_TRANSLATE_NOOP("ohm7416", "U-KabelError");
        case 312: return QT_TRANSLATE_NOOP("ohm7416", "I-Osiz.Error");
        case 313: return QT_TRANSLATE_NOOP("ohm7416", "Untersteuert");
        case 314: return QT_TRANSLATE_NOOP("ohm7416", "Übersteuert");
        case 315: return QT_TRANSLATE_NOOP("ohm7416", "I-Over");
        case 316: return QT_TRANSLATE_NOOP("ohm7416", "Mess I-Over");
        case 317: return QT_TRANSLATE_NOOP("ohm7416", "Mess U-Over");
        case 330: return QT_TRANSLATE_NOOP("ohm7416", "Gerät hat die Komparatorgrenzen nicht angenommen");
        case platform::kRs232PortNotOpen:
            return QT_TRANSLATE_NOOP("ohm7416",
                                     "Argument außerhalb des zulässigen Bereichs "
                                     "oder serielle Schnittstelle nicht offen");
        case platform::kRs232InvalidPort: return QT_TRANSLATE_NOOP("ohm7416", "ungültige Nummer der seriellen Schnittstelle");
        case platform::kRs232IoError: return QT_TRANSLATE_NOOP("ohm7416", "Ein-/Ausgabefehler der seriellen Schnittstelle");
        case platform::kRs232CannotOpenPort: return QT_TRANSLATE_NOOP("ohm7416", "serielle Schnittstelle nicht zu öffnen");
        case platform::kRs232PortBusy: return QT_TRANSLATE_NOOP("ohm7416", "serielle Schnittstelle wird schon benutzt");
        case platform::kRs232InvalidParameter: return QT_TRANSLATE_NOOP("ohm7416", "ungültige Einstellung der seriellen Schnittstelle");
        case platform::kRs232InvalidBaudRate: return QT_TRANSLATE_NOOP("ohm7416", "Baudrate wird nicht unterstützt");
        case platform::kRs232TimeOut: return QT_TRANSLATE_NOOP("ohm7416", "Zeitüberschreitung an der seriellen Schnittstelle");
        default: break;
    }
    if (status <= -1 && status >= -20) return QT_TRANSLATE_NOOP("ohm7416", "Argument außerhalb des zulässigen Bereichs");
    if (status < -20) return QT_TRANSLATE_NOOP("ohm7416", "Fehler der seriellen Schnittstelle");
    return QT_TRANSLATE_NOOP("ohm7416", "Fehlernummer des Geräts");
}

}  // extern "C"
