// The measure panel open offscreen against a simulated instrument behind one of its
// real doors. The instrument runs on an instant clock, so every poll finds a new value;
// the panel's own timer is stopped and the tests tick by hand. Everything the
// instrument receives is recorded together with the pauses between.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "measure/measure_panel.h"
#include "tests/driver/sim_connection.h"
#include "tests/support/wire_and_pauses.h"
#include "ui_measure_panel.h"

namespace measure_test {

using driver_test::Transport;
using Lines = std::vector<std::string>;

class PanelBase {
  protected:
    void open(Transport transport, bool demo_switch = false);
    void close();

    Ui::MeasurePanel& form() { return panel->form(); }
    // The start switch, as the operator clicks it.
    void click_start() { form().startButton->click(); }
    void tick() { measure::CB_TimerInterrupt(*panel); }
    void temperature_tick() { measure::CB_TempTimerInterrupt(*panel); }

    // Lines and pauses since the last clear.
    Lines events() { return wire.events(); }
    // Only the command lines.
    Lines lines();
    void clear() {
        wire.clear();
        wire.clear_records();
    }
    // Texts of the popups shown, in order.
    Lines messages() const;
    std::string value_shown() const;

    // Makes the instrument answer `text` to the next `header` query(ies).
    void answer(const std::string& header, const std::string& text, int times = 1);
    void always_answer(const std::string& header, const std::string& text);
    void send(const std::string& command);

    test_support::WireAndPauses wire;
    std::unique_ptr<driver_test::SimConnection> sim;
    measure::MeasurePanel* panel = nullptr;
};

class MeasurePanelTest : public ::testing::TestWithParam<Transport>, public PanelBase {
  protected:
    void SetUp() override { open(GetParam()); }
    void TearDown() override { close(); }
};

// For what does not depend on the door.
class PanelOnRs232 : public ::testing::Test, public PanelBase {
  protected:
    void SetUp() override { open(Transport::Rs232); }
    void TearDown() override { close(); }
};

// A test of the whole cycle runs through either door.
#define MEASURE_ON_BOTH_TRANSPORTS(Suite)                                                   \
    INSTANTIATE_TEST_SUITE_P(                                                               \
        Transports, Suite,                                                                  \
        ::testing::Values(::driver_test::Transport::Rs232, ::driver_test::Transport::Gpib), \
        ::driver_test::transport_name)

}  // namespace measure_test
