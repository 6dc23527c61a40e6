// Waiting until the instrument has stopped measuring: "STAT:OPER?" is polled until
// its measuring bit clears.
#pragma once

#include <cstdint>
#include <string>

namespace settings {

// Bit 4 of the operation status register: the instrument is measuring.
constexpr int MEASURING_MASK = 16;
// The last value read from the operation status register.
extern int status_register;

enum class IdleResult { Idle, StillMeasuring, NoAnswer };

struct IdleWait {
    IdleResult result;
    std::int32_t status;   // driver status of the failed query (NoAnswer)
    double limit_seconds;  // the bound that was in force
};

// Polls every 0.01 s. An instrument that keeps measuring longer than `limit_seconds`,
// or a query that fails, ends the wait instead of hanging the program.
IdleWait wait_until_idle(std::int32_t handle, double limit_seconds = 30.0);

// The operator's text for a wait that did not end idle.
std::string idle_wait_message(const IdleWait& wait);

}  // namespace settings
