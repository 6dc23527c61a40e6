// The SCPI STATus and SYSTem:ERRor subsystems: register queries, enables, preset and
// the error queue.
#pragma once

#include "sim/command_group.h"
#include "sim/status_registers.h"

namespace tarvolux::sim {

class StatusCommands final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;

    void read_error(Request& r);
    void preset(Request& r);
    void read_resistance_causes(Request& r);

    template <EventRegisterId Reg>
    void read_condition(Request& r);
    template <EventRegisterId Reg>
    void read_event(Request& r);
    template <EventRegisterId Reg>
    void set_enable(Request& r);
    template <EventRegisterId Reg>
    void read_enable(Request& r);
};

}  // namespace tarvolux::sim
