#include "settings/instrument_connection.h"

#include <string>

#include "driver/zk7416.h"
#include "settings/identification.h"
#include "settings/instrument_handle.h"
#include "settings/records.h"
#include "settings/transfer.h"
#include "ui/ui.h"

namespace settings {
namespace {

constexpr double SERIAL_TIMEOUT = 10.0;
constexpr int GPIB_TIMEOUT_CODE = 13;  // 10 s

}  // namespace

std::int32_t open_interface(char* idn) {
    ui::BusyCursor busy;
    if (rec::com.interface == 0)
        return zk7416_init_gpib(rec::com.gpib_address, GPIB_TIMEOUT_CODE, 0, idn, &tarvolux);
    return zk7416_init_serial(rec::com.com_port, rec::com.baud_rate, SERIAL_TIMEOUT, idn, 0,
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
        ui::message_box("Fehler-Meldung :",
                        "Keine Antwort vom Tarvolux Typ 7416 auf den Befehl zum Beenden der "
                        "Messung (Fehler " +
                            std::to_string(stopped) +
                            ").\nDie Geräteeinstellungen wurden nicht gelesen.\n"
                            "Datenübertragungskabel OK ?");
        return -1;
    }
    IdleWait idle = wait_until_idle(tarvolux, idle_limit_seconds);
    if (idle.result != IdleResult::Idle)
        ui::message_box("Fehler-Meldung :",
                        idle_wait_message(idle, "Die Geräteeinstellungen wurden nicht gelesen."));
    // An instrument that no longer answers would only turn the upload into a row of
    // time-outs.
    if (idle.result == IdleResult::NoAnswer) return -1;

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
    return idle.result == IdleResult::Idle ? 0 : -1;
}

}  // namespace settings
