#include "measure/measure_cycle.h"

#include <chrono>
#include <cstdio>
#include <string_view>

#include "driver/zk7416.h"
#include "export/export_file.h"
#include "export/export_writers.h"
#include "export/statistics_block.h"
#include "measure/live_statistics.h"
#include "measure/reading.h"
#include "settings/datalog_blocks.h"
#include "instrument/instrument_handle.h"
#include "instrument/instrument_idle.h"
#include "settings/records.h"
#include "settings/settings_groups.h"
#include "instrument/transfer_run.h"
#include "ui/callback_scope.h"
#include "ui/panel_hooks.h"
#include "ui/ui.h"

namespace measure {

int measuring = 0;
int working_light_on = 0;
int old_aktu_range = -1;
int err = 0;
int demo_7416_flag = 0;
int demo_7416_meas_start = 0;
int demo_output_number = 1;
int compareflag = 0;
int envelopeflag = 0;
int datalogflag = 0;
double graph_ymin = 0.0;
double graph_ymax = 0.0;

namespace {

using instrument::STEP_PAUSE;
using instrument::tarvolux;

constexpr double DEMO_OUTPUT_PAUSE = 0.1;
constexpr double RESULT_PAUSE = 0.5;
constexpr double TEMPERATURE_FAILED = -999.9;

double stop_idle_limit = instrument::IDLE_LIMIT_SECONDS;

using SteadyClock = std::chrono::steady_clock;
// When the instrument last gave a sign of life while measuring: the start, a value, or
// an answer to the line check.
SteadyClock::time_point last_sign_of_life;

bool quiet_too_long() {
    return SteadyClock::now() - last_sign_of_life >=
           std::chrono::duration_cast<SteadyClock::duration>(
               std::chrono::duration<double>(stop_idle_limit));
}

void errorhandler(std::int32_t status, const char* what) {
    if (status == 0) return;
    ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"),
                    ui::compose(UI_TEXT("ohm7416", "%1\nFehler %2: %3"), ui::translatable(what),
                                status, ui::translatable(zk7416_status_text(status))));
}

void show_temperature_once(CycleView& view) {
    double celsius = 0.0;
    std::int32_t s = zk7416_get_temp_value(tarvolux, &celsius);
    view.show_temperature(s == 0 ? celsius : TEMPERATURE_FAILED);
}

void demonstration_step(std::string& answer) {
    demo_7416_meas_start = 0;
    char command[32];
    std::snprintf(command, sizeof command, "REG:OUTP %d", demo_output_number);
    zk7416_send_scpi(tarvolux, command);
    ui::delay(STEP_PAUSE);
    if (++demo_output_number > 5) demo_output_number = 1;
    ui::delay(DEMO_OUTPUT_PAUSE);
    zk7416_meas_start(tarvolux);
    ui::delay(STEP_PAUSE);
    answer.clear();
}

void end_without_line(CycleView& view, std::int32_t status, std::string_view step);

// The plotting step: in automatic range the axis follows the range the instrument
// reports, and is set anew only when that range changes. False when the range query
// found the line dead (the value is plotted on the axis it had, and the measurement
// has ended).
bool graph_step(CycleView& view, double ohms) {
    if (rec::measurement_configuration.range == 0) {
        char answer[ZK7416_ANSWER_SIZE] = {};
        std::int32_t s = zk7416_receive_scpi(tarvolux, "SENSE:FRES:RANG?", answer);
        if (instrument::is_transport_error(s)) {
            view.plot(plot_values(ohms));
            end_without_line(view, s, UI_TEXT("ohm7416", "Messbereich lesen"));
            return false;
        }
        ui::delay(STEP_PAUSE);
        int number = get_range_number(answer);
        if (auto axis = automatic_range_axis(number)) {
            graph_ymin = axis->low;
            graph_ymax = axis->high;
        }
        if (number != old_aktu_range) {
            old_aktu_range = number;
            view.set_graph_axis(Axis{"Ohm", graph_ymin, graph_ymax});
        }
    }
    view.plot(plot_values(ohms));
    return true;
}

// A write into the export failed: storing ends, and the operator is told.
void export_failed() {
    std::string path = exporting::export_fhdl.path();
    exporting::close_measurement_export();
    ui::message_box(
        UI_TEXT("ohm7416", "Fehler-Meldung :"),
        ui::compose(UI_TEXT("ohm7416",
                            "Fehler beim Schreiben der Datei : %1\nDie Speicherung der "
                            "Messwerte wurde ausgeschaltet.\nAlle Werte bis zum vorigen "
                            "sind in der Datei."),
                    path));
}

void store(const std::string& text) {
    std::string line = text;
    if (exporting::export_measure_value(line) != 1) export_failed();
}

// The statistics close the measurement's part of the export, when the operator asked
// for them.
void store_statistics() {
    if (exporting::measure_store_mode != 1 || exporting::statistics_at_stop != 1) return;
    if (exporting::export_statistics(live_statistics) != 1) export_failed();
}

// False when the query found the line dead (the measurement has ended).
bool check_datalogger_state(CycleView& view) {
    char answer[ZK7416_ANSWER_SIZE] = {};
    std::int32_t s = zk7416_receive_scpi(tarvolux, "DAT:STAT?", answer);
    if (instrument::is_transport_error(s)) {
        end_without_line(view, s, UI_TEXT("ohm7416", "Datalogger-Zustand lesen"));
        return false;
    }
    if (s != 0 || std::string(answer) != "0") return true;
    rec::datalog.state = 0;
    view.datalogger_switch_off();
    datalogflag = 1;
    return true;
}

// A poll that failed on the line itself: the instrument no longer answers. Polling on
// would cost a time-out every tick and sending the stop another one, so the
// measurement ends here, with one message and without a further command.
bool line_lost(std::int32_t status) {
    return status == ZK7416_ERR_WRITE || status == ZK7416_ERR_READ || status == ZK7416_NAK;
}

void end_without_line(CycleView& view, std::int32_t status, std::string_view step) {
    view.set_start_switch(false);
    measuring = 0;
    store_statistics();
    instrument::report_connection_lost(step, status);
    ui::dim_menus_while_measuring(false);
    view.leave_measuring_state();
    datalogflag = envelopeflag = compareflag = 0;
    view.show_stop_results(false, false, false);
    working_light_on = 0;
    view.set_lamp(false);
}

// An RS-232 line that answers every poll with EOT looks like an instrument without a
// new value, and an instrument gone quiet on GPIB makes every wait for its service
// request end in a time-out. When no value has come for as long as one value may take,
// this tick asks the instrument once, instead of polling, whether it still answers.
void check_line(CycleView& view) {
    std::int32_t oper = 0;
    std::int32_t s = zk7416_read_oper_event_reg(tarvolux, &oper);
    if (instrument::is_transport_error(s)) {
        end_without_line(view, s, UI_TEXT("ohm7416", "Messwert lesen"));
        return;
    }
    last_sign_of_life = SteadyClock::now();
    ui::delay(STEP_PAUSE);
}

void end_by_itself(CycleView& view) {
    view.set_start_switch(false);
    measuring = 0;
    stop_measure(view);
}

// One of the final results, after its pause: false once the instrument no longer
// answers (the operator is told, and the rest is skipped).
template <class Fetch>
bool fetch_result(bool wanted, const char* step, bool& fetched, Fetch&& fetch) {
    if (!wanted) return true;
    ui::delay(RESULT_PAUSE);
    std::int32_t s = fetch();
    if (instrument::is_transport_error(s)) {
        instrument::report_connection_lost(step, s);
        return false;
    }
    fetched = true;
    return true;
}

void fetch_stop_results(bool& datalogger, bool& envelope, bool& comparator) {
    rec::Compare& c = rec::compare;
    fetch_result(rec::datalog.state || datalogflag, UI_TEXT("ohm7416", "Datalogger-Belegung lesen"),
                 datalogger, [] { return settings::get_counts(); }) &&
        fetch_result(rec::env.state || envelopeflag, UI_TEXT("ohm7416", "Hüllkurven-Bericht lesen"),
                     envelope, [] { return settings::fetch_envelope_report(); }) &&
        fetch_result(c.state || compareflag, UI_TEXT("ohm7416", "Komparator-Zähler lesen"),
                     comparator, [&c] {
                         return c.limit_count == 4
                                    ? zk7416_comparator_4_limit_report(tarvolux, &c.count_1,
                                                                       &c.count_2, &c.count_3,
                                                                       &c.count_4, &c.count_5)
                                    : zk7416_comparator_2_limit_report(tarvolux, &c.count_2,
                                                                       &c.count_3, &c.count_4);
                     });
}

void start(CycleView& view) {
    demo_7416_meas_start = 1;
    view.set_lamp(true);
    working_light_on = 1;
    if (rec::tempconf.state == 1 && rec::tempconf.sensor != 0) {
        if (rec::device.new_firmware == 1) view.start_temperature_timer();
        show_temperature_once(view);
    }
    ui::delay(STEP_PAUSE);
    old_aktu_range = -1;
    end_storing_outside_resistance_mode();
    err = zk7416_meas_start(tarvolux);
    if (err != 0) {
        // Nothing runs on the instrument, so nothing may look as if it did.
        errorhandler(err, UI_TEXT("ohm7416", "Die Messung konnte nicht gestartet werden."));
        view.set_start_switch(false);
        view.set_lamp(false);
        working_light_on = 0;
        measuring = 0;
        return;
    }
    last_sign_of_life = SteadyClock::now();
    start_statistics();
    view.enter_measuring_state();
    ui::dim_menus_while_measuring(true);
}

}  // namespace

void set_stop_idle_limit(double seconds) {
    stop_idle_limit = seconds;
}

bool end_storing_outside_resistance_mode() {
    if (exporting::measure_store_mode != 1 || rec::measurement_configuration.display_mode == 0)
        return false;
    exporting::close_measurement_export();
    ui::message_box(
        UI_TEXT("ohm7416", "Meldung :"),
        UI_TEXT("ohm7416",
                "Die Speicherung der Messwerte wurde beendet: Messwerte werden nur in der "
                "Anzeige des Widerstands gespeichert."));
    return true;
}

void CB_STARTorSTOP(CycleView& view, bool switch_on, bool demo_switch_on) {
    ui::CallbackScope scope;
    measuring = switch_on ? 1 : 0;
    demo_7416_flag = demo_switch_on ? 1 : 0;
    if (measuring == 0) {
        stop_measure(view);
        return;
    }
    start(view);
}

void CB_TimerInterrupt(CycleView& view) {
    if (measuring != 1 || ui::callback_running()) return;
    ui::CallbackScope scope;
    if (end_storing_outside_resistance_mode()) return;

    if (quiet_too_long()) {
        check_line(view);
        return;
    }
    std::string answer;
    if (demo_7416_meas_start == 1 && demo_7416_flag == 1) demonstration_step(answer);
    char buffer[ZK7416_ANSWER_SIZE] = {};
    std::int32_t r = zk7416_meas_read_string(tarvolux, buffer);
    answer = buffer;
    ui::delay(STEP_PAUSE);

    Reading reading = interpret_reading(r, answer, rec::measurement_configuration.display_mode);
    if (reading.kind == Reading::Kind::NoValue) return;
    count_reading(reading);
    view.show_reading(reading);
    if (reading.kind == Reading::Kind::Error) {
        if (line_lost(r))
            end_without_line(view, r, UI_TEXT("ohm7416", "Messwert lesen"));
        else if (rec::measurement_configuration.load == 1)
            end_by_itself(view);
        return;
    }
    last_sign_of_life = SteadyClock::now();
    demo_7416_meas_start = 1;
    if (exporting::measure_store_mode == 1 && !reading.reference) store(reading.text);
    if (view.graph_shown() && reading.ohms && !graph_step(view, *reading.ohms)) return;
    if (rec::datalog.state == 1 && !check_datalogger_state(view)) return;
    if (rec::measurement_configuration.continuous == 0 && demo_7416_flag == 0) end_by_itself(view);
}

void CB_TempTimerInterrupt(CycleView& view) {
    if (measuring != 1 || ui::callback_running()) return;
    ui::CallbackScope scope;
    show_temperature_once(view);
}

int stop_measure(CycleView& view) {
    ui::CallbackScope scope;
    err = zk7416_meas_stop(tarvolux);
    bool line_lost = instrument::is_transport_error(err);
    if (line_lost)
        instrument::report_connection_lost(UI_TEXT("ohm7416", "Messung beenden"), err);
    else
        errorhandler(err, UI_TEXT("ohm7416", "Die Messung wurde nicht ordnungsgemäß beendet."));
    ui::dim_menus_while_measuring(false);
    view.leave_measuring_state();

    bool datalogger = false, envelope = false, comparator = false;
    if (!line_lost) {
        instrument::IdleWait idle = instrument::wait_until_idle(tarvolux, stop_idle_limit);
        if (idle.result != instrument::IdleResult::Idle)
            ui::message_box(
                UI_TEXT("ohm7416", "Fehler-Meldung :"),
                instrument::idle_wait_message(
                    idle, UI_TEXT("ohm7416", "Die Ergebnisse der Messung wurden nicht gelesen.")));
        if (idle.result != instrument::IdleResult::NoAnswer)
            fetch_stop_results(datalogger, envelope, comparator);
    }
    datalogflag = envelopeflag = compareflag = 0;
    store_statistics();
    view.show_stop_results(datalogger, envelope, comparator);
    if (working_light_on) {
        working_light_on = 0;
        view.set_lamp(false);
    }
    return 0;
}

}  // namespace measure
