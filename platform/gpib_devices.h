// The GPIB device manager the driver opens its connections through: devices on the
// first board, each tagged with the prefix of the module that opened it, so a module
// can close all of its own devices at once (for example ones left over after a crash
// of an earlier session in the same process).
#pragma once

namespace platform::gpib {

// Opens a new device on board 0 with the 10-second time-out, EOI on the last byte of
// every write and no end-of-string character; the caller sets the primary address.
// `name` empty = any free device (named devices are not supported and give 0).
// Returns the descriptor (> 0) or a value <= 0.
int OpenDev(const char* name, const char* prefix);
// Takes a device off line. Returns 0, or -1 for a descriptor this manager does not hold.
int CloseDev(int device);
// Closes every device opened under `prefix`; returns how many were closed.
int CloseInstrDevs(const char* prefix);

}  // namespace platform::gpib
