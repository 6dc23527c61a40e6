// Moving the instrument's complete current settings between the instrument and the
// settings records, with the progress panel up for the whole transfer.
#pragma once

namespace settings {

// The connection's speed as measured by the last full upload: seconds per memory-label
// query, divided by 15. The datalogger read-out estimates its duration from it.
extern double pc_speed_factor;

// Reads the instrument's settings into the records. Mode 1 reads everything; any other
// mode leaves out the datalogger blocks and the memory labels, which a stored settings
// memory does not hold. Returns 0, or -1 when the connection was lost (the operator
// has been told which step failed).
int upload_current_state(int mode);

// Sends the records to the instrument. The operator decides whether the datalogger
// blocks and memory labels are sent too (which clears the datalogger) or read back
// from the instrument instead. Returns 0, or -1 when the connection was lost.
int download_current_state();

}  // namespace settings
