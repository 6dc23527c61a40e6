// The instrument's RS-232 door: serves the block protocol on a pseudo-terminal from a
// thread of its own, so a client (the driver) talks to it through a real serial
// device.
#pragma once

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "sim/block_protocol.h"
#include "sim/fault_set.h"

namespace tarvolux::sim {

class Instrument;
class PseudoTerminal;

class SerialDoor {
  public:
    explicit SerialDoor(std::shared_ptr<Instrument> instrument);
    ~SerialDoor();
    SerialDoor(const SerialDoor&) = delete;
    SerialDoor& operator=(const SerialDoor&) = delete;

    // Opens a new pseudo-terminal and starts serving; throws std::system_error.
    void start();
    // Stops serving and removes the link, if one was placed.
    void stop();
    bool running() const;

    // The device path a client opens; empty while stopped.
    std::string slave_path() const;
    // Places a symbolic link to the device. An existing link is replaced; any other
    // file there is left alone and the call throws std::filesystem::filesystem_error.
    void place_link(const std::filesystem::path& link);

    FaultSet<SerialFault>& faults() { return faults_; }
    Instrument& instrument() const { return *instrument_; }

  private:
    void serve();
    void send(const std::string& bytes);
    void remove_link();

    std::shared_ptr<Instrument> instrument_;
    FaultSet<SerialFault> faults_;
    mutable std::mutex mutex_;
    std::unique_ptr<PseudoTerminal> pty_;
    std::filesystem::path link_;
    int wake_[2] = {-1, -1};
    std::thread thread_;
};

}  // namespace tarvolux::sim
