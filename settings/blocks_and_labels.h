// The 32 datalogger block settings and the 33 memory labels. They belong to the
// instrument as a whole rather than to one stored settings memory, so the transfers
// move them apart from the settings groups, and only when asked to.
#pragma once

#include "instrument/transfer_run.h"

namespace settings {

// The capacity the older firmware has and does not report.
inline constexpr int OLD_FIRMWARE_CAPACITY = 20000;

enum class SpeedMeasurement { Off, On };

// Reads the capacity, every block's size, name and filter, and every memory label into
// the records; one progress step per block and per label. free_memory becomes the
// capacity less all block sizes. With SpeedMeasurement::On the label queries are timed
// into pc_speed_factor. False when the connection was lost.
bool read_blocks_and_labels(instrument::TransferRun& run, SpeedMeasurement speed);

// Clears every block in the instrument (its stored values are lost), then writes each
// block's size, name and filter and every memory label from the records. The progress
// shows the number of blocks done, then one step per label. False when the connection
// was lost.
bool write_blocks_and_labels(instrument::TransferRun& run);

}  // namespace settings
