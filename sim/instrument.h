// The simulated Tarvolux Typ 7416: one instrument behind one lock, shared by the
// doors (the RS-232 door runs on its own thread, GPIB calls come on the caller's).
// A door hands in complete command lines and takes the answer from the output queue;
// every answer ends in CR LF.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/command_group.h"
#include "sim/dispatcher.h"
#include "sim/instrument_state.h"
#include "sim/scripted_answers.h"

namespace tarvolux::sim {

struct InstrumentOptions {
    // When not given: the generation the firmware date of `idn` stands for, else the
    // newer one.
    std::optional<Firmware> firmware;
    // The whole identification answer, instead of the generation's own.
    std::optional<std::string> idn;
    // Real time when not given.
    std::shared_ptr<Clock> clock;
};

// Interface events that reach the instrument beside command lines. `after_commands`
// is the length of the command log when it happened, which orders it among them.
enum class InterfaceEvent { DeviceClear, GoToLocal };
struct InterfaceRecord {
    InterfaceEvent event;
    std::size_t after_commands;
};

// Length, with its CR LF, of the over-long answer the doors' faults make: beyond the
// 300 bytes a client's buffer holds.
constexpr std::size_t LONG_ANSWER_BYTES = 320;

struct OutputChunk {
    std::string bytes;
    // The message ended here: its last byte was taken, or the terminator was met.
    bool end = false;
};

class Instrument {
  public:
    using Deadline = std::chrono::steady_clock::time_point;

    explicit Instrument(InstrumentOptions options = {});
    ~Instrument();
    Instrument(const Instrument&) = delete;
    Instrument& operator=(const Instrument&) = delete;

    // One command line without its line end. A new line discards an answer that was
    // not read; a blank line is no command at all.
    void execute(std::string_view line);

    bool output_pending() const;
    // Takes up to `max` bytes of the waiting answer, stopping after the first byte for
    // which `terminator` says yes; the rest stays for the next call.
    OutputChunk take_output(std::size_t max = SIZE_MAX,
                            const std::function<bool(unsigned char)>& terminator = {});
    // Pads the waiting answer with '#' before its CR LF to `total` bytes.
    void stretch_output(std::size_t total);
    void discard_output();

    std::uint8_t status_byte();
    // The status byte as a serial poll reads it; takes back the service request.
    std::uint8_t serial_poll();

    // Both wait in real time, until the deadline at the latest.
    bool wait_for_output(Deadline deadline);
    bool wait_for_service_request(Deadline deadline);

    // GPIB device clear: input and output are dropped, settings and status stay.
    void device_clear();
    void go_to_local();
    bool local() const;

    std::vector<std::string> command_log() const;
    std::vector<InterfaceRecord> interface_log() const;
    void clear_logs();
    // Called with every command line received, outside the lock.
    void set_command_listener(std::function<void(const std::string&)> listener);

    // Answers in place of the model's (see ScriptedAnswers): the next `times` lines with
    // this header, or every one until cleared.
    void script_answer(std::string_view header, std::string text, int times = 1);
    void override_answer(std::string_view header, std::string text);
    void clear_scripted_answers();

    Clock& clock() const { return *clock_; }

    // Runs `f` on the state under the lock, then lets waiters see the change. For
    // tests and tools that set conditions the commands cannot.
    template <class F>
    auto modify(F&& f) {
        std::unique_lock lock(mutex_);
        struct Notify {
            std::condition_variable& cv;
            ~Notify() { cv.notify_all(); }
        } notify{changed_};
        return f(state_);
    }

    template <class F>
    auto inspect(F&& f) const {
        std::lock_guard lock(mutex_);
        return f(static_cast<const InstrumentState&>(state_));
    }

  private:
    void advance_locked();
    template <class Ready>
    bool wait_locked(std::unique_lock<std::mutex>& lock, Deadline deadline, Ready ready);

    std::shared_ptr<Clock> clock_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    InstrumentState state_;
    CommandGroups groups_;
    Dispatcher dispatcher_;
    std::string output_;
    std::vector<std::string> log_;
    std::vector<InterfaceRecord> interface_log_;
    bool local_ = false;
    std::function<void(const std::string&)> listener_;
    ScriptedAnswers scripts_;
};

}  // namespace tarvolux::sim
