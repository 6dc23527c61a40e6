// The nineteen locks of the front panel's functions.
#pragma once

#include "sim/command_group.h"

namespace tarvolux::sim {

class AccessCommands final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;
    void reset(InstrumentState& state) override;
};

}  // namespace tarvolux::sim
