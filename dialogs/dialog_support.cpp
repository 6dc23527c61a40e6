#include "dialogs/dialog_support.h"

#include <string>

#include "driver/zk7416.h"
#include "text/latin1.h"
#include "instrument/transfer_run.h"
#include "ui/ui.h"

namespace dialogs {

QString latin1_text(std::string_view field_text) {
    return QString::fromStdString(text::latin1_to_utf8(field_text));
}

bool connection_lost(std::int32_t status, std::string_view step) {
    if (!instrument::is_transport_error(status)) return false;
    instrument::report_connection_lost(step, status);
    return true;
}

bool failed(std::int32_t status, std::string_view step) {
    if (status == 0) return false;
    if (connection_lost(status, step)) return true;
    std::string text = "Das Gerät hat den Befehl nicht ausgeführt.\nSchritt: ";
    text += step;
    text += "\nFehler " + std::to_string(status) + ": " + zk7416_status_text(status);
    ui::message_box("Fehler-Meldung :", text);
    return true;
}

}  // namespace dialogs
