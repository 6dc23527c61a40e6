// Starting, stopping and fetching a measurement, and the measuring configuration:
// averaging, continuous initiation, voltage limit, load, mode and integration time.
#pragma once

#include "sim/command_group.h"

namespace tarvolux::sim {

class MeasurementCommands final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;
    void reset(InstrumentState& state) override;
    void advance(InstrumentState& state) override;

  private:
    void start(Request& r);
    void stop(Request& r);
    void fetch(Request& r);
    void set_mode(Request& r);
    void read_mode(Request& r);
};

}  // namespace tarvolux::sim
