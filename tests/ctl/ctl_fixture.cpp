#include "tests/ctl/ctl_fixture.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/command_line.h"
#include "app/interface_setup.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "ctl/ctl.h"
#include "platform/gpib_library.h"
#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "settings/settings_files.h"
#include "sim/clock.h"
#include "sim/gpib_bus.h"
#include "ui/glob.h"

namespace ctl_test {
namespace {

std::time_t pinned_now() {
    return 1718000000;  // a June afternoon in 2024
}

// Each run starts as a new process would: empty records, no handle, no driver slots.
void fresh_process_state() {
    driver_test::reset_driver();
    settings::apply_set(settings::SetImage{});
    rec::com = {};
    instrument::tarvolux = 0;
}

}  // namespace

Bench::Bench(Transport transport, tarvolux::sim::InstrumentOptions options)
    : transport_(transport),
      instrument_(std::make_shared<tarvolux::sim::Instrument>(std::move(options))) {
    if (transport == Transport::Rs232) {
        door_ = std::make_unique<tarvolux::sim::SerialDoor>(instrument_);
        door_->start();
        // The environment outranks the device mapping both tools load from the project.
        ::setenv("ZK7416_COM1", door_->slave_path().c_str(), 1);
    } else {
        auto& bus = tarvolux::sim::GpibBus::instance();
        bus.reset();
        bus.set_auto_attach(false);
        bus.attach(driver_test::kGpibAddress, instrument_);
        bus.set_timeout_scale(0.01);
        platform::gpib::use_library(GPIB_SIM_LIBRARY);
    }
}

Bench::~Bench() {
    instrument_->set_command_listener({});
    driver_test::reset_driver();
    if (door_) {
        door_->stop();
        ::unsetenv("ZK7416_COM1");
    } else {
        tarvolux::sim::GpibBus::instance().reset();
    }
}

std::vector<std::string> Bench::interface_options() const {
    if (transport_ == Transport::Rs232) return {"--port", "1", "--baud", "9600"};
    return {"--gpib", std::to_string(driver_test::kGpibAddress)};
}

void Bench::when_received(const std::string& command, std::function<void()> action) {
    instrument_->set_command_listener(
        [command, action = std::move(action)](const std::string& line) {
            if (line == command) action();
        });
}

void Bench::fall_silent_at(const std::string& command) {
    constexpr int FOREVER = 100000;
    tarvolux::sim::SerialDoor* door = door_.get();
    when_received(command, [door] {
        if (door) {
            door->faults().arm(tarvolux::sim::SerialFault::SilentCommand, FOREVER);
            door->faults().arm(tarvolux::sim::SerialFault::SilentResponse, FOREVER);
        } else {
            auto& faults = tarvolux::sim::GpibBus::instance().faults();
            faults.arm(tarvolux::sim::GpibFault::ReadTimeout, FOREVER);
            faults.arm(tarvolux::sim::GpibFault::WriteError, FOREVER);
        }
    });
}

void Bench::lose_waiting_answer() {
    if (door_)
        door_->faults().arm(tarvolux::sim::SerialFault::EotResponse);
    else
        tarvolux::sim::GpibBus::instance().faults().arm(tarvolux::sim::GpibFault::ReadTimeout);
}

void Bench::write_com_stp(const std::filesystem::path& home) const {
    rec::Com com{};
    com.interface = transport_ == Transport::Rs232 ? 1 : 0;
    com.com_port = 1;
    com.baud_rate = 9600;
    com.gpib_address = driver_test::kGpibAddress;
    std::ofstream out(home / "Com.stp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&com), sizeof com);
}

Lines lines_of(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::size_t CtlResult::error_messages() const {
    std::size_t count = 0;
    for (std::size_t at = err.find("Fehler-Meldung :"); at != std::string::npos;
         at = err.find("Fehler-Meldung :", at + 1))
        ++count;
    return count;
}

void CtlTest::SetUp() {
    home = folder.file("home");
    std::filesystem::create_directories(home);
}

void CtlTest::TearDown() {
    fresh_process_state();
    ui::set_backend(nullptr);
}

CtlResult CtlTest::ctl(std::vector<std::string> args, const std::function<void(Bench&)>& prepare) {
    Bench bench(transport(), instrument_options);
    if (prepare) prepare(bench);
    bench.instrument().clear_logs();
    fresh_process_state();

    std::vector<std::string> full = bench.interface_options();
    full.insert(full.end(), {"--home", home.string()});
    full.insert(full.end(), args.begin(), args.end());
    std::ostringstream out, err;
    ctl::Environment environment{out, err, "", folder.file("user"), false, false};
    int status = ctl::run(full, environment);
    return {status, out.str(), err.str(), bench.wire()};
}

void SteadyCtlTest::SetUp() {
    CtlTest::SetUp();
    instrument_options.clock = std::make_shared<tarvolux::sim::InstantClock>();
    set_time_source(pinned_now);
}

void SteadyCtlTest::TearDown() {
    set_time_source(nullptr);
    CtlTest::TearDown();
}

std::vector<std::string> CtlTest::program(const char* action,
                                          const std::function<void(ui::ScriptedBackend&)>& answer,
                                          const std::function<void(Bench&)>& prepare) {
    return drive_program(
        [&](app::MainWindow& window, ui::ScriptedBackend& popups, Bench&) {
            if (answer) answer(popups);
            if (action) window.action(action)->trigger();
        },
        prepare);
}

std::vector<std::string> CtlTest::drive_program(const Drive& drive,
                                                const std::function<void(Bench&)>& prepare) {
    Bench bench(transport(), instrument_options);
    if (prepare) prepare(bench);
    bench.instrument().clear_logs();
    fresh_process_state();
    bench.write_com_stp(home);
    app::set_simulation_active(false);

    ui::ScriptedBackend popups;
    ui::set_backend(&popups);
    app::CommandLine command_line;
    command_line.home = home.string();
    {
        app::Program program;
        EXPECT_TRUE(program.start(command_line, "", folder.file("user")));
        if (program.window()) drive(*program.window(), popups, bench);
        program.shutdown();
    }
    EXPECT_EQ(popups.pending_answers(), 0u) << "every scripted answer was asked for";
    EXPECT_EQ(popups.unanswered_count(), 0u);
    ui::set_backend(nullptr);
    std::filesystem::remove(home / "Com.stp");
    return bench.wire();
}

}  // namespace ctl_test
