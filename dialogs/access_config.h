// The device access dialog: which function groups may be operated at the instrument
// itself, nineteen switches.
#pragma once

namespace dialogs {

// Modal. 0 after OK (all nineteen switches were sent); -1 after Cancel, Escape or the
// close box, with the record and the instrument unchanged.
int access_config();

}  // namespace dialogs
