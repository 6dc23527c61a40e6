// Additions of this implementation: the COM-number-to-device mapping for the
// application's port dialog.
#include "driver/answer_parsing.h"
#include "driver/zk7416_internal.h"
#include "platform/serial_port.h"

using namespace zk7416;

extern "C" {

int32_t zk7416_set_com_device(int32_t port, const char* path) {
    zk7416_status = 0;
    if (zk7416_invalid_integer_range(port, 1, 4, -1)) return zk7416_status;
    platform::set_com_device_path(port, path ? path : "");
    return 0;
}

int32_t zk7416_get_com_device(int32_t port, char* path, int32_t size) {
    zk7416_status = 0;
    if (zk7416_invalid_integer_range(port, 1, 4, -1)) return zk7416_status;
    if (!path || size <= 0) return fail(-2);
    copy_bounded(path, static_cast<std::size_t>(size), platform::com_device_path(port));
    return 0;
}

}  // extern "C"
