// What the value is shown as (resistance, deviation from the reference, limit class),
// the reference and the resolution, and the front display's options and contrast.
#pragma once

#include "sim/command_group.h"

namespace tarvolux::sim {

class DisplayCommands final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;
    void reset(InstrumentState& state) override;

  private:
    void set_reference(Request& r);
    void read_reference(Request& r);
    void set_resolution(Request& r);
    void read_resolution(Request& r);
    void set_contrast(Request& r);
    void read_contrast(Request& r);
};

}  // namespace tarvolux::sim
