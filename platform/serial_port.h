// Serial ports over POSIX termios, with the calling conventions the instrument driver
// was written against: ports are numbered from 1, every call leaves its outcome in a
// last-error value (0 = fine, negative = the error codes below), reads and writes wait
// at most the port's time-out. A read takes everything that has arrived in one system
// call and serves the following reads from it; FlushInQ discards it with the rest.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Error codes of the serial layer. They reach the driver's callers unchanged, so they
// are negative, stable, and - except "port not open", which the driver itself tests -
// below -20, where they cannot be mistaken for the driver's argument codes.
constexpr int kRs232PortNotOpen = -3;
constexpr int kRs232UnknownSysError = -21;
constexpr int kRs232InvalidPort = -22;
constexpr int kRs232IoError = -24;
constexpr int kRs232CannotOpenPort = -27;
constexpr int kRs232PortBusy = -28;
constexpr int kRs232InvalidParameter = -33;
constexpr int kRs232InvalidBaudRate = -34;
constexpr int kRs232TimeOut = -99;

constexpr int kMaxComPort = 16;

// Opens (or re-opens) port `port` raw with the given line settings. `device_name`
// empty means the device mapped to the port number (see com_device_path). Queue sizes
// are accepted for compatibility; the kernel's queues are used. Returns 0 or an error.
int OpenComConfig(int port, const char* device_name, long baud, int parity, int data_bits,
                  int stop_bits, int input_queue, int output_queue);
int CloseCom(int port);
// Time-out in seconds for every later read and write on the port.
int SetComTime(int port, double seconds);
int FlushInQ(int port);
// Writes `count` bytes; returns the number written or a negative error.
int ComWrt(int port, const char* buffer, int count);
// Writes one byte; returns 1 or a negative error.
int ComWrtByte(int port, int byte);
// Reads one byte; returns it (0-255) or a negative error (kRs232TimeOut when nothing came).
int ComRdByte(int port);
// Reads up to `count` bytes until `terminator` (which is consumed but not stored).
// Returns the number of bytes stored; on a time-out before the terminator or the count,
// the bytes read so far are stored, their number is returned and the last error is
// kRs232TimeOut.
int ComRdTerm(int port, char* buffer, int count, int terminator);
// The last error of the calling thread's most recent serial call (0 if it succeeded).
int GetRs232Err();

// Device path of a COM number: $ZK7416_COM<n> if set, else a path given with
// set_com_device_path, else /dev/ttyS<n-1>.
std::string com_device_path(int port);
// Maps a COM number to a device path for this process; an empty path removes the mapping.
void set_com_device_path(int port, const std::string& path);
// Serial devices present on this machine (/dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS*,
// /dev/serial/by-id/*), sorted.
std::vector<std::string> list_serial_devices();

}  // namespace platform
