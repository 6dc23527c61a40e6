// The instrument's own printer: on/off, the items printed with each value, the label
// text, the header interval and the print time interval; the printer counter reset.
// And the PC printer set-up: how the program prints its panels on the PC's printer.
#pragma once

namespace dialogs {

// Modal. 0 after OK (sent, the measure panel's printer switch follows); -1 after
// Cancel, Escape or the close box, with nothing sent and the record unchanged.
int print_config();

// Modal. OK keeps the four print fields of the interface record (in Com.stp; see
// settings::save_print_setup) and closes only when they were saved: 1. Cancel: -1, the
// interface record as it was.
int load_printer_setup();

}  // namespace dialogs
