// One instrument reached through one of its real doors, so the command tests run
// unchanged over RS-232 and over GPIB.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "sim/instrument.h"

namespace sim_test {

class DoorClient {
  public:
    virtual ~DoorClient() = default;
    virtual void send(const std::string& line) = 0;
    // The answer without its CR LF.
    virtual std::string query(const std::string& line) = 0;

    std::shared_ptr<tarvolux::sim::Instrument> instrument;
};

struct DoorKind {
    const char* name;
    std::function<std::unique_ptr<DoorClient>(std::shared_ptr<tarvolux::sim::Instrument>)> open;
};

inline void PrintTo(const DoorKind& kind, std::ostream* os) {
    *os << kind.name;
}

DoorKind serial_door_kind();
DoorKind gpib_door_kind();

}  // namespace sim_test
