// The state every command group shares: identity, status registers, error queue, the
// clock, and the model of each settings group. Command handlers reach it through their
// request; the instrument's lock is held while they run.
#pragma once

#include "sim/clock.h"
#include "sim/datalogger_state.h"
#include "sim/device_state.h"
#include "sim/error_queue.h"
#include "sim/identity.h"
#include "sim/limits_state.h"
#include "sim/measurement_state.h"
#include "sim/status_registers.h"
#include "sim/stored_settings.h"
#include "sim/temperature_state.h"

namespace tarvolux::sim {

struct InstrumentState {
    explicit InstrumentState(Clock& c) : clock(c) {}

    Clock& clock;
    Identity identity;
    Firmware firmware = Firmware::New;
    StatusRegisters status;
    ErrorQueue errors;

    // The current settings, as "*SAV" stores them.
    StoredSettings settings;
    Memories memories;

    VirtualResistor resistor;
    MeasurementRun run;
    ComparatorCounts comparator;
    EnvelopeRecord envelope;
    TemperatureInputs temperature_inputs;
    Datalogger datalogger;
    DisplaySettings display;
    PrinterRun printer;
    SystemState system;
    CalibrationState calibration;

    // A rejected command: queued, and marked in the standard event status register.
    void report_error(ScpiError error) {
        errors.push(error);
        status.raise_standard_event(ESR_EXECUTION_ERROR);
    }
};

}  // namespace tarvolux::sim
