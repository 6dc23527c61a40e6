// The PC print settings the operator keeps in the interface record.
#pragma once

#include "ui/print_attributes.h"

namespace settings {

// The print settings of `com` (colour mode, orientation, resolution).
ui::PrintAttributes set_print_attributes();

}  // namespace settings
