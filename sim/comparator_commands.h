// The comparator (state, relative limits, fault mode, two or four limits with the
// instrument's acknowledgement, class counts) and the envelope.
#pragma once

#include <cstddef>

#include "sim/command_group.h"

namespace tarvolux::sim {

class ComparatorCommands final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;
    void reset(InstrumentState& state) override;

  private:
    void set_count(Request& r);
    void read_count(Request& r);
    template <std::size_t Limit>
    void set_limit(Request& r);
    template <std::size_t Limit>
    void read_limit(Request& r);
    void acknowledge(Request& r);
    void report(Request& r);
    void clear(Request& r);
};

class EnvelopeCommands final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;
    void reset(InstrumentState& state) override;

  private:
    void report(Request& r);
    void clear(Request& r);
};

}  // namespace tarvolux::sim
