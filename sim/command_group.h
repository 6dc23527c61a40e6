// A command group: a table of commands with the state they work on. The instrument
// installs every group's table into its dispatcher and tells all groups about reset,
// status clear and the passing of time.
#pragma once

#include <memory>
#include <vector>

#include "sim/dispatcher.h"
#include "sim/instrument_state.h"

namespace tarvolux::sim {

class CommandGroup {
  public:
    virtual ~CommandGroup() = default;

    virtual void install(Dispatcher& dispatcher) = 0;
    // "*RST": settings back to their defaults.
    virtual void reset(InstrumentState&) {}
    // "*CLS": anything the group reports through the status registers.
    virtual void clear_status(InstrumentState&) {}
    // Called before each command and status look-up, so time-driven work (a running
    // measurement) catches up with the clock.
    virtual void advance(InstrumentState&) {}
};

using CommandGroups = std::vector<std::unique_ptr<CommandGroup>>;

// Every command group of the instrument. The common commands reach the whole list,
// because "*RST" and "*CLS" concern every group.
CommandGroups make_command_groups(const CommandGroups& all);

}  // namespace tarvolux::sim
