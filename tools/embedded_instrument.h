// A simulated instrument inside this process, reached through the same doors as a real
// one: on RS-232 its pseudo-terminal becomes a COM number, on GPIB the driver binds the
// GPIB simulation library. Used by the program's and the console's --simulate.
#pragma once

#include <memory>
#include <string>

namespace tarvolux::sim {
class Instrument;
class SerialDoor;
}  // namespace tarvolux::sim

namespace tools {

enum class SimulatedTransport { Rs232, Gpib };

class EmbeddedInstrument {
  public:
    EmbeddedInstrument();
    ~EmbeddedInstrument();
    EmbeddedInstrument(const EmbeddedInstrument&) = delete;
    EmbeddedInstrument& operator=(const EmbeddedInstrument&) = delete;

    // RS-232: serves on a new pseudo-terminal and maps `com_port` to it. GPIB: makes
    // the driver bind the simulation library (every address answers). False with a
    // German message in `error` when that is not possible.
    bool start(SimulatedTransport transport, int com_port, std::string& error);
    // RS-232 only: each byte takes as long as on a real line at the baud rate the
    // driver set (before start()).
    void set_line_pacing(bool on) { line_pacing_ = on; }
    void stop();

  private:
    std::shared_ptr<tarvolux::sim::Instrument> instrument_;
    std::unique_ptr<tarvolux::sim::SerialDoor> door_;
    int com_port_ = 0;
    bool line_pacing_ = false;
};

}  // namespace tools
