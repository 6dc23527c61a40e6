// The datalogger configuration dialog: the datalogger switch, the 32 blocks with their
// names, sizes and fill levels, the filter of the active block, the free memory, the
// statistics, and clearing a block. Every change goes to the instrument at once.
#pragma once

class QWidget;

namespace datalog {

// Shows the dialog until the operator closes it; closing refreshes the measure panel
// when it is open. Returns 0.
int log_config(QWidget* parent = nullptr);

}  // namespace datalog
