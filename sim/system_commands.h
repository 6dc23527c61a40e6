// The instrument's clock, the keyboard lock and the digital I/O register.
#pragma once

#include "sim/command_group.h"

namespace tarvolux::sim {

class SystemCommands final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;
    void reset(InstrumentState& state) override;

  private:
    void set_date(Request& r);
    void read_date(Request& r);
    void set_time(Request& r);
    void read_time(Request& r);
    void read_inputs(Request& r);
};

// What the instrument's clock shows now.
Clock::Calendar instrument_time(const InstrumentState& state);

}  // namespace tarvolux::sim
