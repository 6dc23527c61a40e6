// Making the instrument's doors refuse commands part-way through a sequence, and
// scripting its answers, for tests of what the driver does then.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "tests/driver/sim_connection.h"

namespace driver_test {

// Refuses every command line from the (n+1)-th on, the way each door refuses one: a NAK
// on RS-232, a failing write on GPIB. Returns the status the driver then gives.
int32_t refuse_after(SimConnection& sim, std::size_t n);

// The next query with this header (as the driver sends it, any case) is answered with
// `text` instead of the model's answer.
void script(SimConnection& sim, const std::string& header, const std::string& text);

}  // namespace driver_test
