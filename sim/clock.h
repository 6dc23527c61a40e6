// Time sources of the simulated instrument. Everything in the model that depends on
// time (measuring time, time stamps) asks its clock, so tests can run the instrument
// on a clock they move by hand, or on one where every wait is already over.
#pragma once

#include <atomic>
#include <chrono>

namespace tarvolux::sim {

class Clock {
  public:
    using Duration = std::chrono::nanoseconds;
    using Calendar = std::chrono::system_clock::time_point;

    virtual ~Clock() = default;

    // Monotonic time since an arbitrary start of this clock.
    virtual Duration now() const = 0;

    // Calendar time for time stamps (datalogger values, the instrument's own clock), as
    // a wall clock shows it: the instrument knows no time zones.
    virtual Calendar calendar() const = 0;

    // Whether `wait` has passed since the monotonic time `since`. The model asks this
    // rather than comparing times itself, so that an instant clock can end every wait.
    virtual bool elapsed(Duration since, Duration wait) const { return now() - since >= wait; }
};

// Real time: the demo and the tool run on it. Its calendar is the local time, as an
// instrument set by hand would show it.
class RealClock final : public Clock {
  public:
    RealClock();
    Duration now() const override;
    Calendar calendar() const override;

  private:
    std::chrono::steady_clock::time_point start_;
};

// Time moves only when a test says so. The calendar starts at a fixed date so that
// time stamps are reproducible.
class ManualClock : public Clock {
  public:
    ManualClock();
    explicit ManualClock(Calendar start);

    Duration now() const override;
    Calendar calendar() const override;

    void advance(Duration step);

  private:
    Calendar calendar_start_;
    std::atomic<Duration::rep> ticks_{0};
};

// A manual clock on which every wait is already over: measurements finish at once.
class InstantClock final : public ManualClock {
  public:
    using ManualClock::ManualClock;
    bool elapsed(Duration, Duration) const override { return true; }
};

}  // namespace tarvolux::sim
