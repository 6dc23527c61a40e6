// The instrument handle of the running program: the driver slot every call goes to.
#pragma once

#include <cstdint>

namespace instrument {

// 0 until a connection has been opened; replaced by every successful init.
extern std::int32_t tarvolux;

}  // namespace instrument
