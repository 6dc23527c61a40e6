// The settings groups a stored settings memory holds (datalogger selection and state,
// comparator, envelope, temperature compensation, printer, measurement, access), each
// with its way from the instrument into the records and back, in transfer order.
#pragma once

#include "settings/transfer_run.h"

namespace settings {

// Reads every group into the records. 25 progress steps. False when the connection
// was lost.
bool upload_settings_groups(TransferRun& run);

// Sends every group from the records. 23 progress steps. False when the connection
// was lost.
bool download_settings_groups(TransferRun& run);

}  // namespace settings
