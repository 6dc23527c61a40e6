// Module-level state of the driver and the helpers every command group builds on.
// Not part of the public interface.
#pragma once

#include <cstddef>
#include <cstdint>

#include "driver/zk7416.h"

namespace zk7416 {

constexpr int kSlots = 10;
constexpr int kBufferSize = 300;

// Status of the last call; every public function except zk7416_spoll resets it.
extern int32_t zk7416_status;
// 0 = GPIB, 1 = RS-232, for the whole driver: set by the last init call.
extern int32_t serial_transport;
extern int32_t tables_ready;
// Open-connection counter shared by both transports; -1 after the first table set-up.
extern int32_t instr_count;
extern int32_t instr_address[kSlots + 1];  // GPIB address per slot; 0 = free
extern int32_t instr_device[kSlots + 1];   // NI-488.2 descriptor per slot; <= 0 = none
extern int32_t instr_port[kSlots + 1];     // COM number per slot; 0 = free

// Buffers of the message layer. Their contents live only until the next call.
extern char message_buffer[kBufferSize];
extern char aux_buffer[kBufferSize];
extern char rs232_send_frame[kBufferSize];
extern char rs232_receive_buffer[kBufferSize];

// Keyword tables, indexed with the caller's numbers.
extern const char* averaging_cmd[2];
extern const char* load_cmd[2];
extern const char* range_cmd[8];
extern const char* range_low_cmd[8];  // index 0 unused
extern const char* range_upp_cmd[8];  // index 0 unused
extern const char* init_cont_cmd[2];
extern const char* volt_limit_cmd[2];
extern const char* mode_cmd[4];
extern const char* nplc_cmd[4];
extern const char* math_cmd[3];
extern const char* resolution_cmd[2];
extern const char* fault_cmd[2];
extern const char* tcom_cmd[4];
extern const char* cal_state_cmd[2];
extern const char* cal_fres_cmd[7];
extern const char* cal_20mv_cmd[2];
extern const char* cal_volt_cmd[2];
extern const char* cal_pt100_cmd[2];

// The device-manager prefix all of the driver's GPIB devices carry.
constexpr const char* kGpibPrefix = "zk7416";

// Longest command line the message layer accepts, so that the command, its line feed,
// the two RS-232 framing bytes and the terminator fit the 300-byte buffers.
constexpr std::size_t kMaxCommandLength = kBufferSize - 4;
static_assert(kMaxCommandLength + 1 == ZK7416_COMMAND_SIZE);

}  // namespace zk7416

extern "C" {
void zk7416_setup_arrays(void);
int32_t zk7416_invalid_integer_range(int32_t value, int32_t min, int32_t max, int32_t code);
int32_t zk7416_invalid_real_range(double value, double min, double max, int32_t code);

int32_t zk7416_open_instr_gpib(int32_t address);
int32_t zk7416_close_instr_gpib(int32_t slot);
int32_t zk7416_device_closed_gpib(int32_t slot);
int32_t zk7416_open_instr_serial(int32_t port, int32_t baud, double timeout);
int32_t zk7416_close_instr_serial(int32_t slot);
}

namespace zk7416 {

// Sets zk7416_status to 0 and checks the handle (1-10, else -1). Returns true when the
// call may go on; the common opening of every command function.
bool begin_call(int32_t handle);

// Stores a failure code in zk7416_status and returns it.
int32_t fail(int32_t code);

// The GPIB descriptor / COM number of a slot. The message layer takes the handle
// unchecked; a handle outside 1-10 reads as "nothing open" instead of indexing past
// the tables.
int32_t slot_device(int32_t slot);
int32_t slot_port(int32_t slot);

}  // namespace zk7416
