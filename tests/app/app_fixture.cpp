#include "tests/app/app_fixture.h"

#include <cstdlib>
#include <fstream>

#include "app/interface_setup.h"
#include "driver/zk7416.h"
#include "export/export_file.h"
#include "instrument/instrument_handle.h"
#include "files/project_dir.h"
#include "settings/records.h"
#include "sim/instrument.h"
#include "sim/serial_door.h"
#include "tests/driver/sim_connection.h"

namespace app_test {

void ProgramTest::SetUp() {
    char pattern[] = "/tmp/ohm7416-app-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    home = pattern;
    ui::set_backend(&popups);
    driver_test::reset_driver();
    rec::com = {};
    rec::device = {};
    instrument::tarvolux = 0;
    instrument = std::make_shared<tarvolux::sim::Instrument>();
    door = std::make_unique<tarvolux::sim::SerialDoor>(instrument);
    door->start();
    ::setenv("ZK7416_COM1", door->slave_path().c_str(), 1);
    app::set_simulation_active(false);
}

void ProgramTest::TearDown() {
    driver_test::reset_driver();
    if (exporting::export_fhdl.is_open()) exporting::export_fhdl.close();
    exporting::measure_store_mode = 0;
    door->stop();
    ::unsetenv("ZK7416_COM1");
    ui::set_backend(nullptr);
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
}

namespace {

void write_com(const std::filesystem::path& file, const rec::Com& com) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&com), sizeof com);
}

}  // namespace

void ProgramTest::write_serial_com_stp(int baud) {
    rec::Com com{};
    com.interface = 1;
    com.com_port = 1;
    com.baud_rate = baud;
    write_com(home / "Com.stp", com);
}

void ProgramTest::write_gpib_com_stp(int address) {
    rec::Com com{};
    com.interface = 0;
    com.gpib_address = address;
    write_com(home / "Com.stp", com);
}

std::vector<std::string> ProgramTest::wire() const {
    return instrument->command_log();
}

void ProgramTest::clear_wire() {
    instrument->clear_logs();
}

std::vector<ui::PopupRecord> ProgramTest::popups_titled(const std::string& title) const {
    std::vector<ui::PopupRecord> found;
    for (const auto& p : popups.popups())
        if (p.title == title) found.push_back(p);
    return found;
}

}  // namespace app_test
