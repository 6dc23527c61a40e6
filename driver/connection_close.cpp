// Closing a connection of the current transport.
#include "driver/zk7416_internal.h"

using namespace zk7416;

extern "C" {

int32_t zk7416_close(int32_t handle) {
    if (!begin_call(handle)) return zk7416_status;
    if (serial_transport == 0) {
        if (zk7416_device_closed_gpib(handle)) return zk7416_status;
        return zk7416_close_instr_gpib(handle);
    }
    return zk7416_close_instr_serial(handle);
}

}  // extern "C"
