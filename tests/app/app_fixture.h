// A program run in a test: a fresh project directory, the scripted popup back end, and
// a simulated instrument behind a real pseudo-terminal that COM1 points to.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sim/instrument.h"
#include "sim/serial_door.h"
#include "tests/ui/modal_helpers.h"
#include "ui/scripted_backend.h"

namespace app_test {

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Com.stp for RS-232 on COM1 (the simulator) or for GPIB at `address`.
    void write_serial_com_stp(int baud = 9600);
    void write_gpib_com_stp(int address);

    std::vector<std::string> wire() const;
    void clear_wire();
    // Popups with the given title, in order.
    std::vector<ui::PopupRecord> popups_titled(const std::string& title) const;

    std::filesystem::path home;
    ui::ScriptedBackend popups;
    std::shared_ptr<tarvolux::sim::Instrument> instrument;
    std::unique_ptr<tarvolux::sim::SerialDoor> door;
};

// The program's own Qt dialogs are driven with these; popups go to the scripted back end.
using ui_test::click;
using ui_test::on_next_dialog;

}  // namespace app_test
