// The IEEE 488.2 common commands: identification, reset, status clear, the standard
// event status register and the service request enable.
#pragma once

#include "sim/command_group.h"

namespace tarvolux::sim {

class CommonCommands final : public CommandGroup {
  public:
    explicit CommonCommands(const CommandGroups& all) : all_(all) {}

    void install(Dispatcher& dispatcher) override;

    void identify(Request& r);
    void reset_all(Request& r);
    void clear_all(Request& r);
    void read_event_status(Request& r);
    void set_service_request_enable(Request& r);
    void read_service_request_enable(Request& r);

  private:
    const CommandGroups& all_;
};

}  // namespace tarvolux::sim
