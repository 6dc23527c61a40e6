// Fixed and automatic ranging: the fixed range, automatic ranging on or off, the two
// limits automatic ranging keeps within, and the range in use.
#pragma once

#include "sim/command_group.h"

namespace tarvolux::sim {

class RangeCommands final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;

  private:
    void set_auto(Request& r);
    void read_auto(Request& r);
    void set_manual(Request& r);
    void read_manual(Request& r);
    void set_low(Request& r);
    void read_low(Request& r);
    void set_high(Request& r);
    void read_high(Request& r);
    void read_current(Request& r);
};

}  // namespace tarvolux::sim
