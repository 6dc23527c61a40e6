// Calibration: the calibration mode, the resistance ranges against reference values,
// the 20 mV and voltage inputs at a low and a high point, the current input and the
// PT100 input. Each measuring step keeps the calibrating bit (operation condition
// bit 0) set while it runs.
#pragma once

#include "sim/command_group.h"
#include "sim/device_state.h"

namespace tarvolux::sim {

class CalibrationCommands final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;
    void reset(InstrumentState& state) override;
    void advance(InstrumentState& state) override;

  private:
    void set_state(Request& r);
    void read_state(Request& r);
    void calibrate_resistance(Request& r);
    template <CalibrationPoint Point>
    void millivolt_point(Request& r);
    void millivolt_init(Request& r);
    void millivolt_constants(Request& r);
    template <CalibrationPoint Point>
    void voltage_point(Request& r);
    void voltage_init(Request& r);
    void voltage_constants(Request& r);
    void calibrate_current(Request& r);
    template <CalibrationPoint Point>
    void pt100_point(Request& r);
    void pt100_compute(Request& r);
};

// How long one measuring step of a calibration takes.
constexpr Clock::Duration CALIBRATION_STEP_TIME = std::chrono::seconds(2);

}  // namespace tarvolux::sim
