// Waiting until the instrument has stopped measuring: "STAT:OPER?" is polled until
// its measuring bit clears. The start-up and the end of a measurement both wait so.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace instrument {

// Bit 4 of the operation status register: the instrument is measuring.
constexpr int MEASURING_MASK = 16;
// Bit 8 of the operation status register: a new value is available.
constexpr int VALUE_AVAILABLE_MASK = 256;
// The last value read from the operation status register.
extern int status_register;

enum class IdleResult { Idle, StillMeasuring, NoAnswer };

struct IdleWait {
    IdleResult result;
    std::int32_t status;   // driver status of the failed query (NoAnswer)
    double limit_seconds;  // the bound that was in force
};

// How long a wait may take before the operator is asked to end the measurement at the
// instrument. The longest integration with averaging ends well within it.
inline constexpr double IDLE_LIMIT_SECONDS = 30.0;

// Polls every 0.01 s. An instrument that keeps measuring longer than `limit_seconds`,
// or a query that fails, ends the wait instead of hanging the program.
IdleWait wait_until_idle(std::int32_t handle, double limit_seconds = IDLE_LIMIT_SECONDS);

// The operator's text for a wait that did not end idle; `not_done` says what could
// not be read because the instrument did not answer ("Die Geräteeinstellungen wurden
// nicht gelesen.").
std::string idle_wait_message(const IdleWait& wait, std::string_view not_done);

}  // namespace instrument
