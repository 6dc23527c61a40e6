// Opening and closing RS-232 connections.
#include "driver/zk7416_internal.h"
#include "platform/serial_port.h"

using namespace zk7416;

extern "C" {

int32_t zk7416_open_instr_serial(int32_t port, int32_t baud, double timeout) {
    int32_t slot = 0;
    for (int i = 1; i <= kSlots && slot == 0; ++i)
        if (instr_port[i] == port) slot = i;
    for (int i = 1; i <= kSlots && slot == 0; ++i)
        if (instr_port[i] == 0) slot = i;
    if (slot == 0) {
        fail(ZK7416_ERR_NO_FREE_SLOT);
        return -1;
    }
    if (instr_port[slot] <= 0) {
        if (instr_count > 0) {
            platform::CloseCom(port);
            int err = platform::GetRs232Err();
            if (err != 0 && err != platform::kRs232PortNotOpen) {
                fail(err);
                return -1;
            }
        }
        if (platform::OpenComConfig(port, "", baud, 0, 8, 1, 512, 512) < 0) {
            fail(platform::GetRs232Err());
            return -1;
        }
        instr_count += 1;
        instr_port[slot] = port;
    }
    if (platform::SetComTime(port, timeout) < 0) {
        fail(platform::GetRs232Err());
        return -1;
    }
    return slot;
}

int32_t zk7416_close_instr_serial(int32_t slot) {
    if (instr_port[slot] != 0) {
        if (platform::CloseCom(instr_port[slot]) < 0) fail(platform::GetRs232Err());
        instr_port[slot] = 0;
        instr_count -= 1;
    } else {
        fail(ZK7416_ERR_NOTHING_TO_CLOSE);
    }
    return zk7416_status;
}

int32_t zk7416_init_serial(int32_t port, int32_t baud, double timeout, char* idn, int32_t reset,
                           int32_t* handle_out) {
    serial_transport = 1;
    zk7416_status = 0;
    zk7416_setup_arrays();
    if (zk7416_invalid_integer_range(port, 1, 4, -1) ||
        zk7416_invalid_integer_range(baud, 1200, 38400, -2) ||
        zk7416_invalid_real_range(timeout, 0.0, 72000.0, -3) ||
        zk7416_invalid_integer_range(reset, 0, 1, -7))
        return zk7416_status;

    int32_t slot = zk7416_open_instr_serial(port, baud, timeout);
    if (slot <= 0) return zk7416_status;

    int32_t s = 0;
    if (reset == 1) s = zk7416_send_scpi(slot, "*RST");
    if (s == 0) s = zk7416_receive_scpi(slot, "*IDN?", idn);
    if (s != 0) {
        zk7416_close_instr_serial(slot);
        return fail(s);
    }
    if (handle_out) *handle_out = slot;
    return 0;
}

}  // extern "C"
