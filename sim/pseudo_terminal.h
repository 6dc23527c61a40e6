// A pseudo-terminal pair in raw mode. The master is ours; the slave's path is what a
// client opens as its serial device. We keep a slave descriptor open ourselves, so the
// master never sees a hang-up when a client closes the device and opens it again.
#pragma once

#include <string>

namespace tarvolux::sim {

class PseudoTerminal {
  public:
    // Throws std::system_error when no pseudo-terminal can be had.
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int master() const { return master_; }
    const std::string& slave_path() const { return slave_path_; }

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string slave_path_;
};

}  // namespace tarvolux::sim
