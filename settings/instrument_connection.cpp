#include "settings/instrument_connection.h"

#include <string>

#include "driver/zk7416.h"
#include "platform/ni488.h"
#include "settings/identification.h"
#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "settings/transfer.h"
#include "ui/ui.h"

namespace settings {

using instrument::tarvolux;
namespace {

double timeout_seconds = 10.0;

// The GPIB library takes its time-outs as codes of fixed lengths (10 s is code 13).
int gpib_timeout_code(double seconds) {
    for (int code = ni488::T10us; code < ni488::T1000s; ++code)
        if (ni488::timeout_seconds(code) >= seconds) return code;
    return ni488::T1000s;
}

std::string measurement_stop_message(std::int32_t status) {
    return ui::compose(
        UI_TEXT("ohm7416",
                "Keine Antwort vom Tarvolux Typ 7416 auf den Befehl zum Beenden der Messung "
                "(Fehler %1).\nDie Geräteeinstellungen wurden nicht "
                "gelesen.\nDatenübertragungskabel OK ?"),
        status);
}

}  // namespace

void set_transport_timeout(double seconds) {
    timeout_seconds = seconds;
}

std::int32_t open_interface(char* idn) {
    ui::BusyCursor busy;
    if (rec::com.interface == 0)
        return zk7416_init_gpib(rec::com.gpib_address, gpib_timeout_code(timeout_seconds), 0, idn,
                                &tarvolux);
    return zk7416_init_serial(rec::com.com_port, rec::com.baud_rate, timeout_seconds, idn, 0,
                              &tarvolux);
}

std::int32_t connect_and_identify() {
    char idn[500] = {};
    std::int32_t status = open_interface(idn);
    ui::delay(0.05);
    if (status != 0) return status;
    store_identification(idn);
    check_new_version();
    return 0;
}

int bring_to_known_state(double idle_limit_seconds) {
    // A measurement left running on the instrument is stopped, and the settings are
    // read only once it reports itself idle. Once the line has failed, nothing more is
    // sent on it: every further command would only hold the operator for another
    // time-out.
    std::int32_t stopped = zk7416_meas_stop(tarvolux);
    ui::delay(0.05);
    if (stopped != 0) {
        ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), measurement_stop_message(stopped));
        return -1;
    }
    instrument::IdleWait idle = instrument::wait_until_idle(tarvolux, idle_limit_seconds);
    if (idle.result != instrument::IdleResult::Idle)
        ui::message_box(
            UI_TEXT("ohm7416", "Fehler-Meldung :"),
            instrument::idle_wait_message(
                idle, UI_TEXT("ohm7416", "Die Geräteeinstellungen wurden nicht gelesen.")));
    // An instrument that no longer answers would only turn the upload into a row of
    // time-outs.
    if (idle.result == instrument::IdleResult::NoAnswer) return -1;

    int uploaded;
    {
        ui::BusyCursor busy;
        uploaded = upload_current_state(1);
    }
    rec::print.state = 0;
    // A failed upload has told the operator which step the line died at.
    if (uploaded != 0) return -1;
    zk7416_send_scpi(tarvolux, "HCOP:ABOR");
    ui::delay(0.05);
    return idle.result == instrument::IdleResult::Idle ? 0 : -1;
}

}  // namespace settings
