// The simulated instrument started inside the program (--simulate): on RS-232 its
// pseudo-terminal becomes COM1, on GPIB the driver binds the GPIB simulation library.
// The program then talks to it through the same doors as to a real instrument.
#pragma once

#include <memory>
#include <string>

#include "app/command_line.h"
#include "tools/embedded_instrument.h"

namespace app {

class EmbeddedSimulation {
  public:

    // The simulated RS-232 line answers at the pace of a real one (before start()).
    void set_line_pacing(bool on) { instrument_.set_line_pacing(on); }
    // False with a German message when the simulation cannot be started.
    bool start(Simulation kind, std::string& error);
    // Points the interface record at the simulation (not saved to Com.stp).
    void select_interface() const;
    bool running() const { return kind_ != Simulation::None; }

  private:
    Simulation kind_ = Simulation::None;
    tools::EmbeddedInstrument instrument_;
};

}  // namespace app
