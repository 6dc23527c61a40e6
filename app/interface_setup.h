// Choosing the interface: the first-start question and the RS-232 and GPIB dialogs,
// which open the new connection through the driver and keep it in Com.stp.
#pragma once

#include <cstdint>

#include "instrument/serial_port_map.h"

namespace app {

// First start without Com.stp: asks for the interface and runs its dialog. 1 = go on
// (whatever the dialog gave), -1 = the operator cancelled. Creates "EXPORT" either way.
int setup();
// 1 = connected and saved, -1 = cancelled or failed.
int serial_setup();
int gpib_setup();

// The COM-number-to-device mapping the RS-232 dialog edits; loaded at start.
instrument::SerialPortMap& serial_port_map();
// While the built-in simulation runs, COM1 means its pseudo-terminal: that mapping is
// not the operator's and is never saved.
void set_simulation_active(bool active);

// Creates "EXPORT" in the project directory (an existing folder is fine).
void create_export_directory();

}  // namespace app
