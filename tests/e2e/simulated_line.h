// The simulated instrument behind one of its real doors, and a line to it that can die
// part-way through whatever the program is doing: the instrument receives a chosen
// command line, and from that moment on the line is dead in a chosen way.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "sim/instrument.h"
#include "sim/serial_door.h"

namespace e2e {

enum class Door { Rs232, Gpib };

// How the line dies. The first five are RS-232 faults, the last two GPIB faults.
enum class LineFault {
    Silence,       // nothing comes back: no acknowledge, no answer
    Eot,           // every command block and every request for an answer gets EOT
    Garbage,       // noise instead of every acknowledge and every answer block
    CutBlocks,     // every answer block lacks its ETX
    PtyClosed,     // the pseudo-terminal goes away, as when a USB adapter is pulled
    GpibSilence,   // writes fail and reads time out, as with an instrument switched off
    GpibBusError,  // every write, serial poll and wait fails at once
};

Door door_of(LineFault fault);
const char* fault_name(LineFault fault);

using SteadyClock = std::chrono::steady_clock;

class SimulatedLine {
  public:
    // RS-232: a pseudo-terminal reached through the symbolic link `device` (COM1 points
    // there). GPIB: the simulation library with the instrument at `gpib_address`. The
    // instrument runs on an instant clock: every measurement is finished at once.
    SimulatedLine(Door door, std::filesystem::path device, int gpib_address);
    ~SimulatedLine();
    SimulatedLine(const SimulatedLine&) = delete;
    SimulatedLine& operator=(const SimulatedLine&) = delete;

    Door door() const { return door_; }
    tarvolux::sim::Instrument& instrument() { return *instrument_; }

    // From the moment the instrument receives `command` for the `occurrence`-th time
    // (counted from now), the line is dead as `fault` says. That command itself is
    // executed; whether its answer still arrives depends on the fault, unless
    // `after_its_answer` lets the answer through and kills the line from the next
    // command on (RS-232 Silence and Eot only; GPIB bus errors always do so).
    void die_at(const std::string& command, int occurrence, LineFault fault,
                bool after_its_answer = false);
    bool died() const { return died_; }
    SteadyClock::time_point death_time() const;
    // Bytes the program sent on RS-232 after the instrument received the fatal command
    // (while the door still serves).
    std::uint64_t bytes_after_death() const;

    // The line works again: no faults; after PtyClosed a new pseudo-terminal stands
    // behind the same device name, as when the adapter is plugged in again.
    void restore();

  private:
    void kill(LineFault fault, bool after_its_answer);
    void close_door_when_told();

    Door door_;
    std::filesystem::path device_;
    std::shared_ptr<tarvolux::sim::Instrument> instrument_;
    std::unique_ptr<tarvolux::sim::SerialDoor> serial_door_;

    std::atomic<bool> died_{false};
    std::atomic<SteadyClock::rep> death_ticks_{0};
    std::atomic<std::uint64_t> bytes_at_death_{0};

    // Stopping the door cannot happen on the door's own thread (where the command
    // listener runs), so a helper thread does it when told.
    std::thread closer_;
    std::mutex closer_mutex_;
    std::condition_variable closer_wake_;
    bool close_now_ = false;
    bool closer_quit_ = false;
};

}  // namespace e2e
