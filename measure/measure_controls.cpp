// The panel's switches and settings controls: each change goes into its record and to
// the instrument at once. Measurement settings always go through the one check and send
// of the measurement configuration.
#include <QComboBox>
#include <cstdio>

#include "driver/zk7416.h"
#include "export/ascii_export_panel.h"
#include "export/export_file.h"
#include "measure/measure_panel.h"
#include "settings/datalog_blocks.h"
#include "instrument/instrument_handle.h"
#include "settings/meas_config_transmit.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "ui/callback_scope.h"
#include "ui/qt/operator_actions.h"
#include "ui/qt/record_controls.h"
#include "ui/panel_hooks.h"
#include "ui/ui.h"
#include "ui_measure_panel.h"

namespace measure {

namespace {

using instrument::tarvolux;

void send_state(const char* command, int state) {
    char line[48];
    std::snprintf(line, sizeof line, "%s %d", command, state);
    zk7416_send_scpi(tarvolux, line);
}

void send_temperature_compensation() {
    const rec::Tempconf& t = rec::tempconf;
    zk7416_set_config_temp_compensation(tarvolux, t.state, t.sensor, t.reference_temp,
                                        t.manual_temp);
}

}  // namespace

void MeasurePanel::connect_function_switches() {
    auto& u = *ui_;
    ui::on_operator(u.dataloggerSwitch, &QCheckBox::toggled, this,
                    &MeasurePanel::on_datalogger_switch);
    ui::on_operator(u.comparatorSwitch, &QCheckBox::toggled, this,
                    &MeasurePanel::on_comparator_switch);
    ui::on_operator(u.envelopeSwitch, &QCheckBox::toggled, this, &MeasurePanel::on_envelope_switch);
    ui::on_operator(u.printerSwitch, &QCheckBox::toggled, this, &MeasurePanel::on_printer_switch);
}

void MeasurePanel::connect_settings_controls() {
    auto& u = *ui_;
    ui::on_operator(u.graphSwitch, &QCheckBox::toggled, this, &MeasurePanel::on_graph_switch);
    ui::on_operator(u.storeSwitch, &QCheckBox::toggled, this, &MeasurePanel::on_store_switch);
    ui::on_operator(u.continuousSwitch, &QCheckBox::toggled, this,
                    &MeasurePanel::on_continuous_switch);
    ui::on_operator(u.rangeCombo, &QComboBox::currentIndexChanged, this, &MeasurePanel::on_range);
    ui::on_operator(u.autoLowCombo, &QComboBox::currentIndexChanged, this,
                    &MeasurePanel::on_auto_range_limit);
    ui::on_operator(u.autoHighCombo, &QComboBox::currentIndexChanged, this,
                    &MeasurePanel::on_auto_range_limit);
    ui::on_operator(u.displayModeCombo, &QComboBox::currentIndexChanged, this,
                    &MeasurePanel::on_display_mode);
    ui::on_operator(u.referenceSpin, &QDoubleSpinBox::valueChanged, this,
                    &MeasurePanel::on_reference);
    ui::on_operator(u.blockCombo, &QComboBox::currentIndexChanged, this,
                    &MeasurePanel::on_block_chosen);
    connect(u.blockCombo, &QComboBox::customContextMenuRequested, this,
            &MeasurePanel::on_block_rename);
    ui::on_operator(u.fillButton, &QPushButton::clicked, this, &MeasurePanel::on_fill_text_click);
    ui::on_operator(u.envelopeClearButton, &QPushButton::clicked, this,
                    &MeasurePanel::on_envelope_clear);
    ui::on_operator(u.tempCompSwitch, &QCheckBox::toggled, this,
                    &MeasurePanel::on_temperature_compensation);
    ui::on_operator(u.refTempSpin, &QDoubleSpinBox::valueChanged, this,
                    &MeasurePanel::on_temperatures);
    ui::on_operator(u.manualTempSpin, &QDoubleSpinBox::valueChanged, this,
                    &MeasurePanel::on_temperatures);
    ui::on_operator(u.memoryButton, &QPushButton::clicked, this, &MeasurePanel::on_memory_button);
    u.memoryButton->setEnabled(ui::memory_activation_available());
}

// --- function switches -------------------------------------------------------------------

void MeasurePanel::on_datalogger_switch() {
    ui::CallbackScope scope;
    rec::datalog.state = ui_->dataloggerSwitch->isChecked() ? 1 : 0;
    zk7416_set_datalogger_state(tarvolux, rec::datalog.state);
    if (measuring) {
        ui_->fillButton->setEnabled(false);
        if (rec::datalog.state == 0) datalogflag = 1;
    }
}

void MeasurePanel::on_comparator_switch() {
    ui::CallbackScope scope;
    auto& m = rec::measurement_configuration;
    rec::compare.state = ui_->comparatorSwitch->isChecked() ? 1 : 0;
    if (measuring && rec::compare.state == 0 && m.display_mode == 2) {
        rec::compare.state = 1;
        ui::set_checked(ui_->comparatorSwitch, true);
        ui::message_box(
            UI_TEXT("ohm7416", "Messung läuft"),
            UI_TEXT("ohm7416",
                    "Änderungen können nicht gemacht werden während das Gerät im Messmode ist"));
        return;
    }
    send_state("CALC:LIM:STAT", rec::compare.state);
    if (measuring && rec::compare.state == 0) compareflag = 1;
    if (m.display_mode == 2 && rec::compare.state == 0) {
        m.display_mode = 0;
        ui::set_index(ui_->displayModeCombo, 0);
        show_display_mode_controls(0);
    }
    if (measuring) set_results_dimmed(true);
    // The graph draws the limits only while the comparator is on.
    if (graphic_ctrl_loaded == 1) set_graphic(1);
}

void MeasurePanel::on_envelope_switch() {
    ui::CallbackScope scope;
    rec::env.state = ui_->envelopeSwitch->isChecked() ? 1 : 0;
    send_state("SENS:ENV:STAT", rec::env.state);
    if (measuring && rec::env.state == 0) envelopeflag = 1;
    if (measuring) {
        set_results_dimmed(true);
        ui_->envelopeClearButton->setEnabled(false);
    }
}

void MeasurePanel::on_printer_switch() {
    ui::CallbackScope scope;
    rec::print.state = ui_->printerSwitch->isChecked() ? 1 : 0;
    zk7416_set_config_printer_state(tarvolux, rec::print.state);
    if (rec::print.state == 1 && rec::com.interface == 1)
        ui::message_box(
            UI_TEXT("ohm7416", "Meldung :"),
            UI_TEXT("ohm7416",
                    "Sie können den seriellen Drucker während der Kommunikation mit dem PC "
                    "nicht verwenden"));
}

// --- settings controls -------------------------------------------------------------------

void MeasurePanel::on_graph_switch() {
    set_graphic(graphic_ctrl_loaded == 0 && ui_->graphSwitch->isChecked() ? 1 : 0);
}

void MeasurePanel::on_store_switch() {
    ui::CallbackScope scope;
    if (ui_->storeSwitch->isChecked()) {
        exporting::measure_store_mode = 1;
        // A cancelled or failed choice ends storing, and the switch follows.
        exporting::run_ascii_export_panel(this);
    } else {
        exporting::close_measurement_export();
    }
}

void MeasurePanel::on_continuous_switch() {
    ui::CallbackScope scope;
    rec::measurement_configuration.continuous = ui_->continuousSwitch->isChecked() ? 1 : 0;
    settings::transmit_meas_config();
}

void MeasurePanel::on_range() {
    ui::CallbackScope scope;
    auto& m = rec::measurement_configuration;
    m.range = ui_->rangeCombo->currentIndex();
    if (settings::transmit_meas_config() != 1) {
        m.range = 1;
        ui::set_index(ui_->rangeCombo, 1);
    }
    show_range_controls();
    if (graphic_ctrl_loaded == 1) set_graphic(1);
}

void MeasurePanel::on_auto_range_limit() {
    ui::CallbackScope scope;
    auto& m = rec::measurement_configuration;
    m.auto_range_low = ui_->autoLowCombo->currentIndex() + 1;
    m.auto_range_high = ui_->autoHighCombo->currentIndex() + 1;
    if (settings::check_auto_range_limits() == 1) {
        settings::transmit_meas_config();
        return;
    }
    ui::set_index(ui_->autoLowCombo, m.auto_range_low - 1);
    ui::set_index(ui_->autoHighCombo, m.auto_range_high - 1);
}

void MeasurePanel::on_display_mode() {
    ui::CallbackScope scope;
    auto& m = rec::measurement_configuration;
    m.display_mode = ui_->displayModeCombo->currentIndex();
    show_display_mode_controls(m.display_mode);
    if (m.display_mode == 2) switch_comparator_on_for_classes();
    end_storing_outside_resistance_mode();
    settings::transmit_meas_config();
}

void MeasurePanel::on_reference() {
    if (!ui::edited(ui_->referenceSpin)) return;
    ui::CallbackScope scope;
    rec::measurement_configuration.reference = ui_->referenceSpin->value();
    ui::remember_shown(ui_->referenceSpin);
    settings::transmit_meas_config();
}

void MeasurePanel::on_block_chosen() {
    ui::CallbackScope scope;
    if (settings::make_active_block(ui_->blockCombo->currentIndex())) show_fill_text();
}

void MeasurePanel::on_block_rename() {
    if (!ui_->blockCombo->isEnabled()) return;
    ui::CallbackScope scope;
    if (settings::rename_active_block()) set_block_entry(rec::datalog.active_block);
}

void MeasurePanel::on_fill_text_click() {
    if (measuring) return;
    ui::CallbackScope scope;
    settings::resize_active_block();
    show_fill_text();
}

void MeasurePanel::on_envelope_clear() {
    ui::CallbackScope scope;
    zk7416_envelope_clear(tarvolux);
    text::copy_utf8_text(rec::env.report_1, UI_TEXT("ohm7416", "Gelöscht"));
    text::copy_utf8_text(rec::env.report_2, UI_TEXT("ohm7416", "Gelöscht"));
    text::copy_utf8_text(rec::env.report_3, UI_TEXT("ohm7416", "Gelöscht"));
    show_envelope_reports();
}

void MeasurePanel::on_temperature_compensation() {
    ui::CallbackScope scope;
    rec::tempconf.state = ui_->tempCompSwitch->isChecked() ? 1 : 0;
    send_temperature_compensation();
    show_temperature_group();
}

void MeasurePanel::on_temperatures() {
    rec::Tempconf& t = rec::tempconf;
    bool reference_edited = ui::edited(ui_->refTempSpin);
    // The manual temperature is the operator's only while no sensor measures it.
    bool manual_edited = t.sensor == 0 && ui::edited(ui_->manualTempSpin);
    if (!reference_edited && !manual_edited) return;
    ui::CallbackScope scope;
    if (reference_edited) t.reference_temp = ui_->refTempSpin->value();
    if (manual_edited) t.manual_temp = ui_->manualTempSpin->value();
    ui::remember_shown(ui_->refTempSpin);
    ui::remember_shown(ui_->manualTempSpin);
    send_temperature_compensation();
}

void MeasurePanel::on_memory_button() {
    ui::CallbackScope scope;
    ui::open_memory_activation();
}

}  // namespace measure
