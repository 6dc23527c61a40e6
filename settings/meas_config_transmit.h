// Sending the measurement configuration: the one place that checks the combination of
// measurement settings and sends them in the instrument's order. The measurement
// configuration dialog and the measure panel's controls both go through it.
#pragma once

namespace settings {

// Checks the combination in rec::measurement_configuration and sends it: measurement
// settings, range, the auto-range limits (automatic range only), display mode, with the
// pause after each. 1 when the instrument took everything; -1 when a rule refused the
// combination (nothing sent) or a command failed (the ones before it stay in force).
// The operator has been told why in either case.
int transmit_meas_config();

// The auto-range limits in the record must rise from lower to upper. 1 when they do;
// otherwise they become 1 and 7 in the record, the operator is told, and -1.
int check_auto_range_limits();

}  // namespace settings
