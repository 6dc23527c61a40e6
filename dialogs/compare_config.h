// The comparator dialog: on/off, relative limits, fault mode, two or four limits in the
// unit of the measuring range, and the comparator's class counters.
#pragma once

namespace dialogs {

// Modal; returns 0. OK sends the comparator and refreshes the measure panel. Cancel,
// Escape and the close box put the record's settings back as they were when the dialog
// opened and send them again, which also takes back a number of limits switched in the
// dialog.
int compare_config();

}  // namespace dialogs
