// The 33 settings memories: storing the current settings ("*SAV"), recalling them
// ("*RCL") and the memories' labels.
#pragma once

#include "sim/command_group.h"

namespace tarvolux::sim {

class MemoryCommands final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;

  private:
    void save(Request& r);
    void recall(Request& r);
    void set_label(Request& r);
    void read_label(Request& r);
};

}  // namespace tarvolux::sim
