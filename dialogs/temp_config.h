// The temperature compensation dialog: on/off, the sensor with its scaling, reference
// and manual temperature, and the ten temperature coefficients with the active one.
#pragma once

#include <optional>
#include <string>

namespace dialogs {

// Modal. 0 after OK (everything was sent and the measure panel refreshed); -1 after
// Cancel, Escape or the close box, with the record as it was when the dialog opened.
int temp_config();

// The operator's answer to the coefficient prompt, blanks around it removed: the
// coefficient it gives (truncated toward zero), or nullopt after telling the operator
// why it was refused.
std::optional<int> coefficient_from_answer(const std::string& answer);

}  // namespace dialogs
