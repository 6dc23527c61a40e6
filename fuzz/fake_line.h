// A serial line without a device: the platform's serial-port calls, answered in the same
// thread by a scripted instrument. Linked instead of the termios implementation, so the
// driver's RS-232 layer runs unchanged and every run is deterministic and fast. A read
// that finds nothing waiting is a time-out at once.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace fuzz {

// Called with every write the driver makes (a whole block, or one control byte); what
// it returns arrives on the line for the driver to read.
using LineResponder = std::function<std::string(std::string_view written)>;

// Starts a new exchange: nothing waiting, nothing written yet.
void fake_line_reset(LineResponder responder);
// Every byte the driver wrote since the reset.
const std::string& fake_line_written();

}  // namespace fuzz
