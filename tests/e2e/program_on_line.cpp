#include "tests/e2e/program_on_line.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <fstream>

#include "app/command_line.h"
#include "app/interface_setup.h"
#include "app/main_window.h"
#include "export/export_file.h"
#include "measure/measure_cycle.h"
#include "settings/instrument_connection.h"
#include "instrument/instrument_handle.h"
#include "instrument/readout_buffers.h"
#include "settings/records.h"
#include "settings/settings_files.h"
#include "tests/driver/sim_connection.h"

namespace e2e {

namespace {

void write_com_stp(const std::filesystem::path& path, Door door) {
    rec::Com com{};
    if (door == Door::Rs232) {
        com.interface = 1;
        com.com_port = 1;
        com.baud_rate = 38400;
    } else {
        com.interface = 0;
        com.gpib_address = GPIB_ADDRESS;
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&com), sizeof com);
}

// Clicks OK in the next modal dialog once it shows.
void confirm_next_dialog() {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        if (auto* ok = modal->findChild<QPushButton*>("okButton")) ok->click();
    });
    timer->start();
}

}  // namespace

void ProgramOnLine::SetUp() {
    char pattern[] = "/tmp/ohm7416-e2e-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    home = pattern;
    ui::set_backend(&popups);
    driver_test::reset_driver();
    settings::apply_set(settings::SetImage{});
    rec::com = {};
    rec::device = {};
    instrument::tarvolux = 0;
    settings::set_transport_timeout(TIMEOUT_SECONDS);
    measure::set_stop_idle_limit(TIMEOUT_SECONDS);
    app::set_simulation_active(false);
    // COM1 is a name that stays when the pseudo-terminal behind it is replaced.
    ::setenv("ZK7416_COM1", file("ttyInstrument").c_str(), 1);
}

void ProgramOnLine::TearDown() {
    if (started) program.shutdown();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    driver_test::reset_driver();
    if (exporting::export_fhdl.is_open()) exporting::export_fhdl.close();
    exporting::measure_store_mode = 0;
    instrument::dl_readout.release();
    line.reset();
    settings::set_transport_timeout(10.0);
    measure::set_stop_idle_limit(instrument::IDLE_LIMIT_SECONDS);
    ::unsetenv("ZK7416_COM1");
    ui::set_backend(nullptr);
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
}

void ProgramOnLine::make_line(Door door) {
    line = std::make_unique<SimulatedLine>(door, file("ttyInstrument"), GPIB_ADDRESS);
    write_com_stp(file("Com.stp"), door);
}

bool ProgramOnLine::start_program() {
    app::CommandLine command_line;
    std::string error;
    EXPECT_TRUE(app::parse_command_line({"--home", home.string()}, command_line, error)) << error;
    started = program.start(command_line, "", file("user").string());
    return started;
}

QAction* ProgramOnLine::action(const char* name) const {
    QAction* found = program.window()->action(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void ProgramOnLine::reconnect() {
    confirm_next_dialog();
    choose(line->door() == Door::Rs232 ? "actionRs232" : "actionGpib");
}

std::vector<ui::PopupRecord> ProgramOnLine::messages_since(std::size_t mark) const {
    std::vector<ui::PopupRecord> found;
    const auto& all = popups.popups();
    for (std::size_t i = mark; i < all.size(); ++i)
        if (all[i].kind == ui::PopupKind::Message) found.push_back(all[i]);
    return found;
}

}  // namespace e2e
