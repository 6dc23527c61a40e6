// The nineteen front-panel access switches. The driver takes them in the instrument's
// argument order, which differs from the record's; this is the one place that maps the
// record onto the driver's arguments.
#pragma once

#include <cstdint>

#include "settings/records.h"

namespace settings {

// Sends all nineteen switches of `a` with one driver call; its status.
std::int32_t send_device_access(const rec::Access& a);

// Reads all nineteen switches into `a`; the driver's status.
std::int32_t read_device_access(rec::Access& a);

}  // namespace settings
