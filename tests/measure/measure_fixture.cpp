#include "tests/measure/measure_fixture.h"

#include <QApplication>

#include "driver/zk7416.h"
#include "export/export_file.h"
#include "export/statistics_block.h"
#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "settings/settings_files.h"
#include "text/text_field.h"
#include "sim/clock.h"
#include "ui/panel_hooks.h"

namespace measure_test {

namespace {

// Records as an upload from a freshly started instrument leaves them, near enough.
void plain_records() {
    settings::apply_set(settings::SetImage{});
    auto& m = rec::measurement_configuration;
    m.range = 1;
    m.auto_range_low = 1;
    m.auto_range_high = 7;
    m.continuous = 1;
    m.fres_mode = 3;
    m.speed = 3;
    rec::compare.limit_count = 2;
    rec::compare.limit_2 = 0.010;
    rec::compare.limit_3 = 0.015;
    for (int b = 0; b < rec::DATALOG_BLOCKS; ++b) {
        rec::datalog.block_size[b] = 500;
        text::copy_text(rec::datalog.block_name[b], "BLOCK_" + std::to_string(b));
    }
    rec::device.new_firmware = 1;
}

void reset_cycle() {
    measure::measuring = 0;
    measure::working_light_on = 0;
    measure::demo_7416_flag = 0;
    measure::demo_7416_meas_start = 0;
    measure::demo_output_number = 1;
    measure::compareflag = measure::envelopeflag = measure::datalogflag = 0;
    measure::graphic_ctrl_loaded = 0;
    measure::set_stop_idle_limit(1.0);
}

}  // namespace

void PanelBase::open(Transport transport, bool demo_switch) {
    ui::set_backend(&wire);
    plain_records();
    reset_cycle();
    tarvolux::sim::InstrumentOptions options;
    options.clock = std::make_shared<tarvolux::sim::InstantClock>();
    sim = std::make_unique<driver_test::SimConnection>(transport, options);
    ASSERT_EQ(sim->connect(), 0);
    instrument::tarvolux = sim->handle();
    wire.attach(sim->instrument_ptr());
    panel = measure::open_measure_panel(nullptr, demo_switch, {});
    panel->measurement_timer().stop();
    clear();
}

void PanelBase::close() {
    if (measure::MeasurePanel* open_panel = measure::measure_panel()) open_panel->close_panel();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (exporting::export_fhdl.is_open()) exporting::close_measurement_export();
    exporting::measure_store_mode = 0;
    exporting::statistics_at_stop = 0;
    if (sim) sim->instrument().set_command_listener({});
    sim.reset();
    instrument::tarvolux = 0;
    reset_cycle();
    ui::set_backend(nullptr);
}

Lines PanelBase::lines() {
    Lines only;
    for (const std::string& e : wire.events())
        if (!e.starts_with("pause ")) only.push_back(e);
    return only;
}

Lines PanelBase::messages() const {
    Lines texts;
    for (const auto& p : wire.popups()) texts.push_back(p.text);
    return texts;
}

std::string PanelBase::value_shown() const {
    return panel->form().valueDisplay->text().toStdString();
}

void PanelBase::answer(const std::string& header, const std::string& text, int times) {
    sim->instrument().script_answer(header, text, times);
}

void PanelBase::always_answer(const std::string& header, const std::string& text) {
    sim->instrument().override_answer(header, text);
}

void PanelBase::send(const std::string& command) {
    ASSERT_EQ(zk7416_send_scpi(instrument::tarvolux, command.c_str()), 0) << command;
}

}  // namespace measure_test
