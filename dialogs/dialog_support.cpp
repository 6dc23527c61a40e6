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
    ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"),
                    ui::compose(UI_TEXT("ohm7416",
                                        "Das Gerät hat den Befehl nicht ausgeführt.\n"
                                        "Schritt: %1\nFehler %2: %3"),
                                ui::translatable(std::string(step)), status,
                                ui::translatable(zk7416_status_text(status))));
    return true;
}

}  // namespace dialogs
