// Com.stp: the interface record's 56-byte image in the project directory.
#pragma once

namespace settings {

// Reads Com.stp into rec::com. A shorter file replaces only the leading bytes it holds.
// -1, silently, when the file is missing or unreadable; 1 otherwise.
int load_com_setup();

// Writes rec::com to Com.stp. -1 after "Kann Datei : Com.stp nicht öffnnen" (or the
// write-error text); 1 otherwise. rec::com keeps its values either way.
int save_com_setup();

// The built-in simulated instrument answers on COM1 and at every GPIB address.
inline constexpr int SIMULATED_COM_PORT = 1;
inline constexpr int SIMULATED_GPIB_ADDRESS = 7;

// Points rec::com at the simulated instrument (not saved): RS-232 on COM1, or GPIB. A
// baud rate or address the record already holds is kept when the driver accepts it.
void select_simulated_interface(bool gpib);

// While the built-in simulation runs, the interface fields of rec::com name the
// simulation, not the operator's instrument, and must not reach Com.stp.
void set_simulated_interface(bool simulated);

// Keeps the four PC print fields of rec::com. Normally save_com_setup. With a simulated
// interface only those four fields are merged into Com.stp as it was last loaded or
// saved, and nothing is written when there was no Com.stp: they then hold for this run
// only. 1 when done, -1 after the message of a failed write.
int save_print_setup();

}  // namespace settings
