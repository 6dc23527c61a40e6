#include "instrument/instrument_handle.h"

namespace instrument {

std::int32_t tarvolux = 0;

}  // namespace instrument
