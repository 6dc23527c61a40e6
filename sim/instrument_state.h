// The state every command group shares: identity, status registers, error queue and
// the clock. Command handlers reach it through their request; the instrument's lock
// is held while they run.
#pragma once

#include "sim/clock.h"
#include "sim/error_queue.h"
#include "sim/identity.h"
#include "sim/status_registers.h"

namespace tarvolux::sim {

struct InstrumentState {
    explicit InstrumentState(Clock& c) : clock(c) {}

    Clock& clock;
    Identity identity;
    Firmware firmware = Firmware::New;
    StatusRegisters status;
    ErrorQueue errors;

    // A rejected command: queued, and marked in the standard event status register.
    void report_error(ScpiError error) {
        errors.push(error);
        status.raise_standard_event(ESR_EXECUTION_ERROR);
    }
};

}  // namespace tarvolux::sim
