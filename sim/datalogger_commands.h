// The datalogger's configuration: on/off, block names, sizes and filters, the active
// block, clearing, and the counts and capacity.
#pragma once

#include "sim/command_group.h"

namespace tarvolux::sim {

class DataloggerCommands final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;
    void reset(InstrumentState& state) override;

  private:
    void set_name(Request& r);
    void read_name(Request& r);
    void set_size(Request& r);
    void read_size(Request& r);
    void set_filter(Request& r);
    void read_filter(Request& r);
    void set_every(Request& r);
    void read_every(Request& r);
    void set_interval(Request& r);
    void read_interval(Request& r);
    void set_delta(Request& r);
    void read_delta(Request& r);
    void select_block(Request& r);
    void read_selected(Request& r);
    void select_name(Request& r);
    void clear(Request& r);
    void read_count(Request& r);
};

// The block a request's parameter names (0 to 31), or nothing with the error queued.
LogBlock* block_arg(Request& r, std::size_t index);

}  // namespace tarvolux::sim
