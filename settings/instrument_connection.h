// Opening the connection the interface record names, and bringing a newly connected
// instrument into the state the program works from: identified, not measuring, its
// settings read into the records. The program's start-up and ohm7416ctl share it.
#pragma once

#include <cstdint>

#include "instrument/instrument_idle.h"
#include "ui/translatable.h"

namespace settings {

inline constexpr const char* NO_CONNECTION_TEXT = UI_TEXT(
    "ohm7416",
    "Keine Verbindung zum Tarvolux Typ 7416.\nFehler evtl. bei den Schnittstelleneinstellungen "
    "?\nDatenübertragungskabel OK ?");

// The time-out of every exchange on connections opened from now on: 10 s unless set
// otherwise. Test benches shorten it, so a dead line holds them only briefly; on GPIB
// the shortest time-out code at least this long is used.
void set_transport_timeout(double seconds);

// Opens the connection rec::com names (interface 0 = GPIB at gpib_address, else RS-232
// at com_port/baud_rate; the transport time-out, no reset), with the busy cursor. The
// identification answer goes to `idn` (500 bytes); the handle to tarvolux on success.
// Returns the driver status.
std::int32_t open_interface(char* idn);

// open_interface and the pause after it; on success the identification goes into the
// device record and decides the firmware generation. Returns the driver status and
// shows nothing: the caller tells the operator (NO_CONNECTION_TEXT).
std::int32_t connect_and_identify();

// Stops a running measurement, waits until "STAT:OPER?" reports the instrument idle (at
// most `idle_limit_seconds`), reads all settings into the records and stops the
// instrument's printer output. A stop that fails and a wait that does not end idle are
// told to the operator; once the instrument no longer answers, nothing more is sent. 0 when
// everything went through, -1 when the operator has been told of a failure.
int bring_to_known_state(double idle_limit_seconds = instrument::IDLE_LIMIT_SECONDS);

}  // namespace settings
