// The instrument's own printer: start and stop, the items of a printed line, header,
// label, the interval between printed values and the value counter.
#pragma once

#include "sim/command_group.h"

namespace tarvolux::sim {

class PrinterCommands final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;
    void reset(InstrumentState& state) override;

  private:
    void start(Request& r);
    void stop(Request& r);
    void set_label(Request& r);
    void read_label(Request& r);
    void set_interval(Request& r);
    void read_interval(Request& r);
    void reset_counter(Request& r);
};

// A measured value reaches the printer: printed while printing, when the interval since
// the last printed value has passed.
void print_value(InstrumentState& state);

}  // namespace tarvolux::sim
