// The settings groups a stored settings memory holds (datalogger selection and state,
// comparator, envelope, temperature compensation, printer, measurement, access), each
// with its way from the instrument into the records and back, in transfer order.
#pragma once

#include <cstdint>

#include "instrument/transfer_run.h"

namespace settings {

// Reads the envelope report into rec::env, each text rewritten for display, a cleared
// envelope as "Gelöscht". The record changes only when the read succeeded. Returns the
// driver status.
std::int32_t fetch_envelope_report();

// Reads every group into the records. 25 progress steps. False when the connection
// was lost.
bool upload_settings_groups(instrument::TransferRun& run);

// Sends every group from the records. 23 progress steps. False when the connection
// was lost.
bool download_settings_groups(instrument::TransferRun& run);

}  // namespace settings
