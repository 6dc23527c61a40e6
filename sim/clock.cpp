#include "sim/clock.h"

#include <ctime>

namespace tarvolux::sim {

RealClock::RealClock() : start_(std::chrono::steady_clock::now()) {}

Clock::Duration RealClock::now() const {
    return std::chrono::duration_cast<Duration>(std::chrono::steady_clock::now() - start_);
}

Clock::Calendar RealClock::calendar() const {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    if (!localtime_r(&seconds, &local)) return now;
    return now + std::chrono::seconds(local.tm_gmtoff);
}

namespace {

// 15 January 2003, 10:00:00 UTC: an arbitrary but fixed start for reproducible stamps.
constexpr std::chrono::sys_seconds MANUAL_CALENDAR_START{std::chrono::seconds{1042624800}};

}  // namespace

ManualClock::ManualClock() : ManualClock(MANUAL_CALENDAR_START) {}

ManualClock::ManualClock(Calendar start) : calendar_start_(start) {}

Clock::Duration ManualClock::now() const {
    return Duration{ticks_.load()};
}

Clock::Calendar ManualClock::calendar() const {
    return calendar_start_ + std::chrono::duration_cast<Calendar::duration>(now());
}

void ManualClock::advance(Duration step) {
    ticks_ += step.count();
}

}  // namespace tarvolux::sim
