#include "settings/meas_config_transmit.h"

#include <cstdio>

#include "driver/zk7416.h"
#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "instrument/transfer_run.h"
#include "ui/ui.h"

namespace settings {

using instrument::STEP_PAUSE;
using instrument::tarvolux;

namespace {

constexpr const char* ERROR_TITLE = UI_TEXT("ohm7416", "Fehler-Meldung :");

// The first rule the combination breaks, or nullptr.
const char* refused_combination(const rec::MeasurementConfiguration& m) {
    if (m.range == 0 && m.load == 1)
        return UI_TEXT("ohm7416",
                       "Automatischer Bereichswahl und Induktive Messung ist nicht erlaubt");
    if (m.range == 0 && m.voltage_limit == 1)
        return UI_TEXT("ohm7416",
                       "Automatischer Bereichswahl und 20mV Begrenzung ist nicht erlaubt");
    if (m.load == 1 && m.voltage_limit == 1)
        return UI_TEXT("ohm7416", "Induktive Messung und 20mV Begrenzung ist nicht erlaubt");
    if (m.range == 0 && m.fres_mode == 0)
        return UI_TEXT("ohm7416",
                       "Automatischer Bereichswahl und 'Mess-Sequenze = Referenz' is not allowed");
    return nullptr;
}

int refuse(const char* step, std::int32_t status) {
    ui::message_box(ERROR_TITLE, ui::compose(UI_TEXT("ohm7416", "7416-Fehler: %1 %2"),
                                             std::string(step), status));
    return -1;
}

}  // namespace

int transmit_meas_config() {
    const rec::MeasurementConfiguration& m = rec::measurement_configuration;
    if (const char* rule = refused_combination(m)) {
        ui::message_box(ERROR_TITLE, rule);
        return -1;
    }
    std::int32_t s = zk7416_set_config_meas(tarvolux, m.average_type, m.average_count, m.load,
                                            m.continuous, m.voltage_limit, m.fres_mode, m.speed);
    if (s != 0) return refuse("Config-Measure", s);
    ui::delay(STEP_PAUSE);
    s = zk7416_set_config_range(tarvolux, m.range);
    if (s != 0) return refuse("Config-Range", s);
    ui::delay(STEP_PAUSE);
    if (m.range == 0) {
        s = zk7416_set_config_auto_range(tarvolux, m.auto_range_low, m.auto_range_high);
        if (s != 0) return refuse("Config-Auto-Range", s);
        ui::delay(STEP_PAUSE);
    }
    s = zk7416_set_config_display_mode(tarvolux, m.display_mode, m.reference, m.resolution);
    if (s != 0) return refuse("Config-Display", s);
    ui::delay(STEP_PAUSE);
    return 1;
}

int check_auto_range_limits() {
    rec::MeasurementConfiguration& m = rec::measurement_configuration;
    if (m.auto_range_low < m.auto_range_high) return 1;
    m.auto_range_low = 1;
    m.auto_range_high = 7;
    ui::message_box(ERROR_TITLE, UI_TEXT("ohm7416", "Auto-Range Min >= Max ist nicht erlaubt"));
    return -1;
}

}  // namespace settings
