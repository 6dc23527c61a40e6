// Temperature compensation: state, source, reference and manual temperature, the
// scaling of the PT100 and analogue inputs, and the ten coefficients.
#pragma once

#include "sim/command_group.h"

namespace tarvolux::sim {

class TemperatureCommands final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;
    void reset(InstrumentState& state) override;

  private:
    void set_reference(Request& r);
    void read_reference(Request& r);
    void set_manual(Request& r);
    void read_temperature(Request& r);
    void set_pt100(Request& r);
    void read_pt100(Request& r);
    void set_voltage_scale(Request& r);
    void read_voltage_scale(Request& r);
    void set_current_scale(Request& r);
    void read_current_scale(Request& r);
    void set_coefficient(Request& r);
    void read_coefficient(Request& r);
    void select_coefficient(Request& r);
    void read_selected(Request& r);
};

}  // namespace tarvolux::sim
