#include "settings/instrument_handle.h"

namespace settings {

std::int32_t tarvolux = 0;

}  // namespace settings
