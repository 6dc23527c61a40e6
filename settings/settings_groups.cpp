#include "settings/settings_groups.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "driver/zk7416.h"
#include "settings/device_access.h"
#include "instrument/instrument_handle.h"
#include "settings/limits.h"
#include "text/number_text.h"
#include "settings/records.h"
#include "text/value_format.h"
#include "ui/translatable.h"

namespace settings {

using instrument::LOOP_PAUSE;
using instrument::tarvolux;
using instrument::TransferRun;

namespace {

using rec::access;
using rec::compare;
using rec::datalog;
using rec::env;
using rec::measurement_configuration;
using rec::print;
using rec::tempconf;

// The driver fills text outputs up to these sizes; the record fields must hold them.
static_assert(sizeof env.report_1 >= ZK7416_ENVELOPE_FIELD_SIZE &&
              sizeof env.report_2 >= ZK7416_ENVELOPE_FIELD_SIZE &&
              sizeof env.report_3 >= ZK7416_ENVELOPE_LAST_FIELD_SIZE);
static_assert(sizeof print.label_text >= ZK7416_LABEL_TEXT_SIZE);

// Whether real numbers from the records fit a command. Commands carry them in
// fixed-point notation, so a value from a damaged file (1e300 ohms) would run to hundreds
// of digits; the driver refuses such a command as unwritable, and the transfer would
// take that for a dead line. A setting with such a value is left out, as if the
// instrument had refused it, and the instrument keeps what it has.
bool writable(std::initializer_list<double> values) {
    for (double v : values)
        if (std::abs(v) >= 1e60) return false;
    return true;
}

constexpr int COEFFICIENTS = 10;
constexpr int VOLTAGE_INPUT = 0;
constexpr int CURRENT_INPUT = 1;
// Two-limit mode leaves the outer limits unused; they get these fixed values, so a
// switch to four limits starts from known ones rather than from stale ones.
constexpr double UNUSED_LIMIT_1 = 50.0;
constexpr double UNUSED_LIMIT_4 = 190.0;

std::string coefficient_step(int n) {
    return ui::compose(UI_TEXT("ohm7416", "Temperaturkoeffizient %1"), n);
}

// --- from the instrument ---------------------------------------------------------------

bool read_active_block(TransferRun& run) {
    return run.step(zk7416_get_active_datalogger_block(tarvolux, &datalog.active_block),
                    UI_TEXT("ohm7416", "Aktiver Datenlogger-Block"));
}

bool read_datalogger_state(TransferRun& run) {
    return run.step(zk7416_get_datalogger_state(tarvolux, &datalog.state),
                    UI_TEXT("ohm7416", "Datenlogger Ein/Aus"));
}

bool read_comparator_mode(TransferRun& run) {
    return run.step(zk7416_get_config_comparator_mode(tarvolux, &compare.state, &compare.relative,
                                                      &compare.fault),
                    UI_TEXT("ohm7416", "Komparator-Modus"));
}

bool read_limit_count(TransferRun& run) {
    char answer[ZK7416_ANSWER_SIZE] = {};
    std::int32_t status = zk7416_receive_scpi(tarvolux, "CALC:LIM:COUN?", answer);
    // Only a query that went through has an answer to convert.
    if (status == 0) {
        if (auto count = text::parse_leading_integer(text::field_text(answer)))
            compare.limit_count = static_cast<std::int32_t>(*count);
    }
    return run.call(status, UI_TEXT("ohm7416", "Anzahl der Komparatorgrenzen"));
}

bool read_limits(TransferRun& run) {
    rec::Compare& c = compare;
    if (c.limit_count == 4) {
        if (!run.call(zk7416_get_config_4_limit_comparator(tarvolux, &c.limit_1, &c.limit_2,
                                                           &c.limit_3, &c.limit_4),
                      UI_TEXT("ohm7416", "Komparatorgrenzen")) ||
            !run.call(zk7416_comparator_4_limit_report(tarvolux, &c.count_1, &c.count_2, &c.count_3,
                                                       &c.count_4, &c.count_5),
                      UI_TEXT("ohm7416", "Komparatorzähler")))
            return false;
    } else {
        if (!run.call(zk7416_get_config_2_limit_comparator(tarvolux, &c.limit_2, &c.limit_3),
                      UI_TEXT("ohm7416", "Komparatorgrenzen")) ||
            !run.call(
                zk7416_comparator_2_limit_report(tarvolux, &c.count_2, &c.count_3, &c.count_4),
                UI_TEXT("ohm7416", "Komparatorzähler")))
            return false;
        c.limit_1 = UNUSED_LIMIT_1;
        c.limit_4 = UNUSED_LIMIT_4;
    }
    format_limit_for_display();
    run.advance();
    return true;
}

bool read_envelope_state(TransferRun& run) {
    return run.step(zk7416_get_envelope_state(tarvolux, &env.state),
                    UI_TEXT("ohm7416", "Hüllkurve Ein/Aus"));
}

bool read_envelope_report(TransferRun& run) {
    return run.step(fetch_envelope_report(), UI_TEXT("ohm7416", "Hüllkurven-Bericht"));
}

bool read_temperature_compensation(TransferRun& run) {
    rec::Tempconf& t = tempconf;
    return run.step(zk7416_get_config_temp_compensation(tarvolux, &t.state, &t.sensor,
                                                        &t.reference_temp, &t.manual_temp),
                    UI_TEXT("ohm7416", "Temperaturkompensation"));
}

bool read_coefficients(TransferRun& run) {
    for (int n = 1; n <= COEFFICIENTS; ++n) {
        if (!run.step(zk7416_get_config_temp_coefficient(tarvolux, n, &tempconf.coefficient[n - 1]),
                      coefficient_step(n), LOOP_PAUSE))
            return false;
    }
    return true;
}

bool read_pt100_scale(TransferRun& run) {
    double* s = tempconf.pt100_scale;
    return run.step(zk7416_get_config_scale_pt100(tarvolux, &s[0], &s[1], &s[2]),
                    UI_TEXT("ohm7416", "PT100-Skalierung"));
}

bool read_input_scale(TransferRun& run, int input, double (&s)[4], std::string_view step) {
    return run.step(zk7416_get_config_scale_ui_input(tarvolux, input, &s[0], &s[1], &s[2], &s[3]),
                    step);
}

bool read_input_scales(TransferRun& run) {
    return read_input_scale(run, VOLTAGE_INPUT, tempconf.voltage_scale,
                            UI_TEXT("ohm7416", "Skalierung Spannungseingang")) &&
           read_input_scale(run, CURRENT_INPUT, tempconf.current_scale,
                            UI_TEXT("ohm7416", "Skalierung Stromeingang"));
}

// The instrument reports the selected coefficient by its value; the record keeps its
// number: the highest one holding that value.
bool read_active_coefficient(TransferRun& run) {
    std::int32_t value = 0;
    std::int32_t status = zk7416_get_active_temp_coefficient(tarvolux, &value);
    if (status == 0) {
        for (int n = 1; n <= COEFFICIENTS; ++n)
            if (tempconf.coefficient[n - 1] == value) tempconf.active_coefficient = n;
    }
    return run.step(status, UI_TEXT("ohm7416", "Aktiver Temperaturkoeffizient"));
}

bool read_printer(TransferRun& run) {
    rec::Print& p = print;
    p.state = 0;
    return run.step(
        zk7416_get_config_printer_mode(tarvolux, &p.item_temperature, &p.item_number, &p.item_label,
                                       &p.item_time, &p.item_date, &p.header, p.label_text,
                                       &p.tdst_hours, &p.tdst_minutes, &p.tdst_seconds),
        UI_TEXT("ohm7416", "Druckereinstellungen"));
}

bool read_measurement(TransferRun& run) {
    rec::MeasurementConfiguration& m = measurement_configuration;
    return run.step(zk7416_get_config_meas(tarvolux, &m.average_type, &m.average_count, &m.load,
                                           &m.continuous, &m.voltage_limit, &m.fres_mode, &m.speed),
                    UI_TEXT("ohm7416", "Messkonfiguration"));
}

bool read_range_and_display(TransferRun& run) {
    rec::MeasurementConfiguration& m = measurement_configuration;
    return run.call(zk7416_get_config_range(tarvolux, &m.range),
                    UI_TEXT("ohm7416", "Messbereich")) &&
           run.call(zk7416_get_config_auto_range(tarvolux, &m.auto_range_low, &m.auto_range_high),
                    UI_TEXT("ohm7416", "Grenzen der automatischen Bereichswahl")) &&
           run.step(zk7416_get_config_display_mode(tarvolux, &m.display_mode, &m.reference,
                                                   &m.resolution),
                    UI_TEXT("ohm7416", "Anzeigemodus"));
}

bool read_access(TransferRun& run) {
    return run.step(read_device_access(access), UI_TEXT("ohm7416", "Gerätezugriff"));
}

// --- to the instrument -----------------------------------------------------------------

bool write_active_block(TransferRun& run) {
    char no_name[1] = "";
    return run.step(zk7416_set_active_datalogger_block(tarvolux, 0, datalog.active_block, no_name),
                    UI_TEXT("ohm7416", "Aktiver Datenlogger-Block"));
}

bool write_datalogger_state(TransferRun& run) {
    return run.step(zk7416_set_datalogger_state(tarvolux, datalog.state),
                    UI_TEXT("ohm7416", "Datenlogger Ein/Aus"));
}

bool write_comparator_mode(TransferRun& run) {
    return run.step(
        zk7416_set_config_comparator_mode(tarvolux, compare.state, compare.relative, compare.fault),
        UI_TEXT("ohm7416", "Komparator-Modus"));
}

bool write_limit_count(TransferRun& run) {
    std::string command = "CALC:LIM:COUN " + std::to_string(compare.limit_count);
    return run.call(zk7416_send_scpi(tarvolux, command.c_str()),
                    UI_TEXT("ohm7416", "Anzahl der Komparatorgrenzen"));
}

bool write_limits(TransferRun& run) {
    const rec::Compare& c = compare;
    std::int32_t status = 0;
    if (c.limit_count == 4) {
        if (writable({c.limit_1, c.limit_2, c.limit_3, c.limit_4}))
            status = zk7416_set_config_4_limit_comparator(tarvolux, c.limit_1, c.limit_2, c.limit_3,
                                                          c.limit_4);
    } else if (writable({c.limit_2, c.limit_3})) {
        status = zk7416_set_config_2_limit_comparator(tarvolux, c.limit_2, c.limit_3);
    }
    return run.step(status, UI_TEXT("ohm7416", "Komparatorgrenzen"));
}

bool write_envelope_state(TransferRun& run) {
    return run.step(zk7416_set_envelope_state(tarvolux, env.state),
                    UI_TEXT("ohm7416", "Hüllkurve Ein/Aus"));
}

bool write_temperature_compensation(TransferRun& run) {
    const rec::Tempconf& t = tempconf;
    return run.step(zk7416_set_config_temp_compensation(tarvolux, t.state, t.sensor,
                                                        t.reference_temp, t.manual_temp),
                    UI_TEXT("ohm7416", "Temperaturkompensation"));
}

bool write_coefficients(TransferRun& run) {
    for (int n = 1; n <= COEFFICIENTS; ++n) {
        if (!run.step(zk7416_set_config_temp_coefficient(tarvolux, n, tempconf.coefficient[n - 1]),
                      coefficient_step(n), LOOP_PAUSE))
            return false;
    }
    return true;
}

bool write_pt100_scale(TransferRun& run) {
    const double* s = tempconf.pt100_scale;
    std::int32_t status = writable({s[0], s[1], s[2]})
                              ? zk7416_set_config_scale_pt100(tarvolux, s[0], s[1], s[2])
                              : 0;
    return run.step(status, UI_TEXT("ohm7416", "PT100-Skalierung"));
}

bool write_input_scale(TransferRun& run, int input, const double (&s)[4], std::string_view step) {
    return run.step(zk7416_set_config_scale_ui_input(tarvolux, input, s[0], s[1], s[2], s[3]),
                    step);
}

bool write_input_scales(TransferRun& run) {
    return write_input_scale(run, VOLTAGE_INPUT, tempconf.voltage_scale,
                             UI_TEXT("ohm7416", "Skalierung Spannungseingang")) &&
           write_input_scale(run, CURRENT_INPUT, tempconf.current_scale,
                             UI_TEXT("ohm7416", "Skalierung Stromeingang"));
}

bool write_active_coefficient(TransferRun& run) {
    return run.call(zk7416_set_active_temp_coefficient(tarvolux, tempconf.active_coefficient),
                    UI_TEXT("ohm7416", "Aktiver Temperaturkoeffizient"));
}

bool write_printer(TransferRun& run) {
    rec::Print& p = print;
    p.state = 0;
    auto send = [&](char* label) {
        return zk7416_set_config_printer_mode(tarvolux, p.item_temperature, p.item_number,
                                              p.item_label, p.item_time, p.item_date, p.header,
                                              label, p.tdst_hours, p.tdst_minutes, p.tdst_seconds);
    };
    return run.step(instrument::send_text_field(p.label_text, send),
                    UI_TEXT("ohm7416", "Druckereinstellungen"));
}

bool write_measurement(TransferRun& run) {
    const rec::MeasurementConfiguration& m = measurement_configuration;
    return run.step(zk7416_set_config_meas(tarvolux, m.average_type, m.average_count, m.load,
                                           m.continuous, m.voltage_limit, m.fres_mode, m.speed),
                    UI_TEXT("ohm7416", "Messkonfiguration"));
}

bool write_range_and_display(TransferRun& run) {
    const rec::MeasurementConfiguration& m = measurement_configuration;
    return run.call(zk7416_set_config_range(tarvolux, m.range),
                    UI_TEXT("ohm7416", "Messbereich")) &&
           run.call(zk7416_set_config_auto_range(tarvolux, m.auto_range_low, m.auto_range_high),
                    UI_TEXT("ohm7416", "Grenzen der automatischen Bereichswahl")) &&
           run.step(writable({m.reference})
                        ? zk7416_set_config_display_mode(tarvolux, m.display_mode, m.reference,
                                                         m.resolution)
                        : 0,
                    UI_TEXT("ohm7416", "Anzeigemodus"));
}

bool write_access(TransferRun& run) {
    return run.step(send_device_access(access), UI_TEXT("ohm7416", "Gerätezugriff"));
}

// --- the order ---------------------------------------------------------------------------

using GroupTransfer = bool (*)(TransferRun&);

// Each row moves one group; a direction without a row moves nothing of it (the envelope
// report is the instrument's result and is never sent).
struct GroupRow {
    GroupTransfer upload;
    GroupTransfer download;
};

constexpr GroupRow GROUPS[] = {
    {read_active_block, write_active_block},
    {read_datalogger_state, write_datalogger_state},
    {read_comparator_mode, write_comparator_mode},
    {read_limit_count, write_limit_count},
    {read_limits, write_limits},
    {read_envelope_state, write_envelope_state},
    {read_envelope_report, nullptr},
    {read_temperature_compensation, write_temperature_compensation},
    {read_coefficients, write_coefficients},
    {read_pt100_scale, write_pt100_scale},
    {read_input_scales, write_input_scales},
    {read_active_coefficient, write_active_coefficient},
    {read_printer, write_printer},
    {read_measurement, write_measurement},
    {read_range_and_display, write_range_and_display},
    {read_access, write_access},
};

bool run_groups(TransferRun& run, GroupTransfer GroupRow::*direction) {
    for (const GroupRow& row : GROUPS) {
        GroupTransfer transfer = row.*direction;
        if (transfer && !transfer(run)) return false;
    }
    return true;
}

}  // namespace

std::int32_t fetch_envelope_report() {
    std::int32_t status =
        zk7416_envelope_read_report(tarvolux, env.report_1, env.report_2, env.report_3);
    // Rewriting texts that were not just read would rewrite them a second time.
    if (status != 0) return status;
    if (text::field_text(env.report_1) == "ENVELOPE CLEARED") {
        text::copy_utf8_text(env.report_1, UI_TEXT("ohm7416", "Gelöscht"));
        text::copy_utf8_text(env.report_2, UI_TEXT("ohm7416", "Gelöscht"));
        text::copy_utf8_text(env.report_3, UI_TEXT("ohm7416", "Gelöscht"));
    } else {
        text::format_for_display(env.report_1);
        text::format_for_display(env.report_2);
        text::format_for_display(env.report_3);
    }
    return status;
}

bool upload_settings_groups(TransferRun& run) {
    return run_groups(run, &GroupRow::upload);
}

bool download_settings_groups(TransferRun& run) {
    return run_groups(run, &GroupRow::download);
}

}  // namespace settings
