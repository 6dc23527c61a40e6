// The instrument's 33 stored settings memories ("blocks" 0-31 and the default block 32):
// activating one, saving the current settings into one, and relabelling them.
#pragma once

namespace dialogs {

// Modal. OK recalls the chosen block, reads the instrument's new state into the records
// and refreshes the measure panel: 0. Cancel, Escape or the close box: -1.
int activate_memory();

// Modal. OK saves the current settings into the chosen block and stays open; a right
// click on the list (or the relabel button) gives a block a new label. Returns 0 when
// closed.
int save_memory();

}  // namespace dialogs
