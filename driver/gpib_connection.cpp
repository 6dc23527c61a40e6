// Opening, configuring and closing GPIB connections.
#include "driver/command_helpers.h"
#include "driver/zk7416_internal.h"
#include "platform/gpib_devices.h"
#include "platform/gpib_library.h"
#include "platform/ni488.h"

using namespace zk7416;
namespace gpib = platform::gpib;

namespace {

// Status enables the measurement wait relies on: the operation event "value available"
// (bit 8), the questionable bits 4 and 9, and the operation and questionable summaries
// in the service request enable.
constexpr int kOperationEnable = 256;
constexpr int kQuestionableEnable = 528;
constexpr int kServiceRequestEnable = 136;

bool any_slot_holds_device() {
    for (int i = 1; i <= kSlots; ++i)
        if (instr_device[i] > 0) return true;
    return false;
}

// Closes the slot after a failed init step and leaves `code` as the status.
int32_t abandon_slot(int32_t slot, int32_t code) {
    zk7416_close_instr_gpib(slot);
    return fail(code);
}

}  // namespace

extern "C" {

int32_t zk7416_open_instr_gpib(int32_t address) {
    int32_t slot = 0;
    for (int i = 1; i <= kSlots && slot == 0; ++i)
        if (instr_address[i] == address) slot = i;
    for (int i = 1; i <= kSlots && slot == 0; ++i)
        if (instr_address[i] == 0) slot = i;
    if (slot == 0) {
        fail(ZK7416_ERR_NO_FREE_SLOT);
        return -1;
    }
    if (instr_device[slot] <= 0) {
        // Clean up devices an earlier session left behind - but never the devices of
        // connections that are open right now.
        if (instr_count <= 0 && !any_slot_holds_device()) gpib::CloseInstrDevs(kGpibPrefix);
        instr_device[slot] = gpib::OpenDev("", kGpibPrefix);
        if (instr_device[slot] <= 0) {
            fail(ZK7416_ERR_NO_FREE_SLOT);
            return -1;
        }
    }
    if (gpib::ibpad(instr_device[slot], address) & ni488::ERR) {
        fail(ZK7416_ERR_SET_ADDRESS);
        return -1;
    }
    instr_address[slot] = address;
    instr_count += 1;
    return slot;
}

int32_t zk7416_close_instr_gpib(int32_t slot) {
    if (instr_device[slot] != 0) {
        gpib::CloseDev(instr_device[slot]);
        instr_device[slot] = 0;
        instr_address[slot] = 0;
        instr_count -= 1;
    } else {
        fail(ZK7416_ERR_NOTHING_TO_CLOSE);
    }
    return zk7416_status;
}

int32_t zk7416_device_closed_gpib(int32_t slot) {
    if (instr_device[slot] <= 0) {
        fail(ZK7416_ERR_DEVICE_CLOSED);
        return -1;
    }
    return 0;
}

int32_t zk7416_init_gpib(int32_t address, int32_t timeout_code, int32_t reset, char* idn,
                         int32_t* handle_out) {
    zk7416_status = 0;
    zk7416_setup_arrays();
    serial_transport = 0;
    if (zk7416_invalid_integer_range(address, 0, 30, -1) ||
        zk7416_invalid_integer_range(reset, 0, 1, -2))
        return zk7416_status;

    int32_t slot = zk7416_open_instr_gpib(address);
    if (slot <= 0) return zk7416_status;
    int device = instr_device[slot];

    gpib::ibtmo(device, timeout_code);
    if (gpib::ibeos(device, ni488::REOS | 0x0A) & ni488::ERR)
        return abandon_slot(slot, ZK7416_ERR_SET_EOS);
    gpib::ibconfig(device, ni488::IbcREADDR, 1);

    if (reset == 1) {
        if (gpib::ibclr(device) & ni488::ERR) return abandon_slot(slot, ZK7416_ERR_DEVICE_CLEAR);
        int32_t s = zk7416_send_scpi(slot, "*RST");
        if (s == 0) s = zk7416_send_scpi(slot, "*CLS");
        if (s != 0) return abandon_slot(slot, s);
    }

    int32_t s = zk7416_receive_scpi(slot, "*IDN?", idn);
    if (s == 0) s = send_formatted(slot, "STAT:OPER:ENAB %i", kOperationEnable);
    if (s == 0) s = send_formatted(slot, "STAT:QUES:ENAB %i", kQuestionableEnable);
    if (s == 0) s = send_formatted(slot, "*SRE %i", kServiceRequestEnable);
    if (s != 0) return abandon_slot(slot, s);

    if (handle_out) *handle_out = slot;
    return 0;
}

int32_t zk7416_local_gpib(int32_t handle) {
    if (!begin_call(handle)) return zk7416_status;
    if (zk7416_device_closed_gpib(handle)) return zk7416_status;
    if (gpib::ibloc(instr_device[handle]) & ni488::ERR) fail(ZK7416_ERR_GO_TO_LOCAL);
    return zk7416_status;
}

int32_t zk7416_spoll(int32_t handle, int32_t* status_byte) {
    char stb = 0;
    if (gpib::ibrsp(slot_device(handle), &stb) & ni488::ERR) return fail(ZK7416_ERR_SERIAL_POLL);
    if (status_byte) *status_byte = static_cast<unsigned char>(stb);
    return 0;
}

}  // extern "C"
