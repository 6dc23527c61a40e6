// The measurement configuration dialog: range and automatic range limits, inductive
// measurement, 20 mV limitation, averaging, resolution, integration time, measurement
// sequence, display mode and reference value.
#pragma once

namespace dialogs {

// Modal. 0 after OK (the settings were sent and the measure panel refreshed); -1 after
// Cancel, Escape or the close box, with the record as it was when the dialog opened.
int measurement_config();

}  // namespace dialogs
