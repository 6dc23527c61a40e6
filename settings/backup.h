// One round of a backup or a restore: the instrument's current settings while stored
// settings memory i is recalled, or the records sent before memory i is stored. The
// progress panel stays up from round 0 to round 31.
#pragma once

namespace settings {

// Reads the current settings into the records. Round 0 also reads the datalogger
// blocks and memory labels (and measures pc_speed_factor); the other rounds keep those
// of round 0, since a stored memory does not hold them. Returns 0, or -1 when the
// connection was lost (the operator has been told; the progress panel is down).
int GenerateBackup(int i);

// Sends the records to the instrument. Only in the last round, and only if the operator
// agrees, are the datalogger blocks and memory labels sent (clearing the datalogger);
// otherwise they are read back from the instrument into the records. Returns 0, or -1
// when the connection was lost.
int RestoreBackup(int i);

}  // namespace settings
