// The instrument's RS-232 door: serves the block protocol on a pseudo-terminal from a
// thread of its own, so a client (the driver) talks to it through a real serial
// device.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
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

    // Paces the door like a real line: every byte takes ten bit times (start bit, eight
    // data bits, stop bit) at the baud rate the client set on its device, in both
    // directions; an answer reaches the client no sooner than the line could carry it.
    // Off by default, so tests run at memory speed.
    void set_line_pacing(bool on);
    bool line_pacing() const;
    // Bytes received from and sent to the client since the door was made.
    std::uint64_t bytes_received() const;
    std::uint64_t bytes_sent() const;

    FaultSet<SerialFault>& faults() { return faults_; }
    Instrument& instrument() const { return *instrument_; }

  private:
    void serve();
    void send(const std::string& bytes);
    void write_all(std::string_view bytes);
    // Waits until `when`; false when the door is being stopped meanwhile.
    bool wait_until(std::chrono::steady_clock::time_point when);
    // Seconds a byte takes on the line now; 0 when not pacing.
    double byte_time() const;
    void remove_link();

    std::shared_ptr<Instrument> instrument_;
    FaultSet<SerialFault> faults_;
    mutable std::mutex mutex_;
    std::unique_ptr<PseudoTerminal> pty_;
    std::filesystem::path link_;
    int wake_[2] = {-1, -1};
    std::thread thread_;
    std::atomic<bool> pacing_{false};
    std::atomic<std::uint64_t> received_{0};
    std::atomic<std::uint64_t> sent_{0};
    // When the line in each direction is free again (paced doors only).
    std::chrono::steady_clock::time_point input_free_{};
    std::chrono::steady_clock::time_point output_free_{};
};

}  // namespace tarvolux::sim
