// The datalogger read-out panel: choose a block and a range, read the stored values
// (with date and time, or the values alone; with the block's statistics), list them,
// and open the graph or the export of what was read.
#pragma once

class QWidget;

namespace datalog {

// Shows the panel until the operator closes it; the read-out's buffers are released
// then. Returns 0.
int upload_menue(QWidget* parent = nullptr);

}  // namespace datalog
