// ohm7416ctl and the program side by side: each runs against a fresh simulated
// instrument of its own, reached through the same door (the pseudo-terminal as COM1, or
// the GPIB simulation library at address 7), so their wires and files can be compared.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sim/instrument.h"
#include "sim/serial_door.h"
#include "tests/driver/sim_connection.h"
#include "tests/settings/test_files.h"
#include "ui/scripted_backend.h"

namespace app {
class MainWindow;
}

namespace ctl_test {

using Transport = driver_test::Transport;

// One simulated instrument, reachable by the driver until it is destroyed.
class Bench {
  public:
    explicit Bench(Transport transport, tarvolux::sim::InstrumentOptions options = {});
    ~Bench();

    tarvolux::sim::Instrument& instrument() { return *instrument_; }
    std::vector<std::string> wire() const { return instrument_->command_log(); }
    // The ctl's interface options for this bench.
    std::vector<std::string> interface_options() const;
    // `action` runs each time the instrument has taken `command` (its answer is ready,
    // but not yet on the line).
    void when_received(const std::string& command, std::function<void()> action);
    // The instrument stops answering once it has received `command`.
    void fall_silent_at(const std::string& command);
    // The answer waiting now is lost on the line: EOT instead over RS-232, a read
    // time-out over GPIB.
    void lose_waiting_answer();
    // Com.stp for this bench, as the program keeps it.
    void write_com_stp(const std::filesystem::path& home) const;

  private:
    Transport transport_;
    std::shared_ptr<tarvolux::sim::Instrument> instrument_;
    std::unique_ptr<tarvolux::sim::SerialDoor> door_;
};

using Lines = std::vector<std::string>;

// The lines of a text, without their line ends.
Lines lines_of(const std::string& text);

struct CtlResult {
    int status;
    std::string out;
    std::string err;
    std::vector<std::string> wire;

    // Messages shown to the operator under "Fehler-Meldung :".
    std::size_t error_messages() const;
};

class CtlTest : public ::testing::TestWithParam<Transport> {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs ohm7416ctl with the bench's interface options and `args` against a fresh
    // instrument that `prepare` sets up first.
    CtlResult ctl(std::vector<std::string> args, const std::function<void(Bench&)>& prepare = {});
    // Starts the program against a fresh instrument prepared the same way, triggers the
    // menu item `action` (none: nullptr) with the scripted answers `answer` queues, and
    // shuts it down.
    // Returns the wire of start-up and menu item.
    std::vector<std::string> program(const char* action,
                                     const std::function<void(ui::ScriptedBackend&)>& answer,
                                     const std::function<void(Bench&)>& prepare = {});
    // The same, with `drive` working the program's window after its start-up.
    using Drive = std::function<void(app::MainWindow&, ui::ScriptedBackend&, Bench&)>;
    std::vector<std::string> drive_program(const Drive& drive,
                                           const std::function<void(Bench&)>& prepare = {});

    Transport transport() const { return GetParam(); }
    std::string file(const std::string& name) const { return folder.file(name); }

    ScratchFolder folder;
    std::filesystem::path home;
    // How the benches of both tools are built (their clock, for one).
    tarvolux::sim::InstrumentOptions instrument_options;
};

// Runs whose files compare byte for byte: the instrument finishes each measurement at
// once, so each tick brings one value and every run takes the same number of polls, and
// the export's clock stands still.
class SteadyCtlTest : public CtlTest {
  protected:
    void SetUp() override;
    void TearDown() override;
};

#define CTL_THROUGH_BOTH_DOORS(Suite)                                                       \
    INSTANTIATE_TEST_SUITE_P(                                                               \
        Doors, Suite,                                                                       \
        ::testing::Values(::driver_test::Transport::Rs232, ::driver_test::Transport::Gpib), \
        ::driver_test::transport_name)

}  // namespace ctl_test
