// The instrument's error queue and the execution-error check.
#include "driver/answer_parsing.h"
#include "driver/zk7416_internal.h"

using namespace zk7416;

namespace {

// An SCPI error queue holds a few dozen entries at most. An instrument that keeps
// answering without ever reaching "0" (or answers garbage) must not hang the caller.
constexpr int kMaxErrorQueries = 64;

}  // namespace

extern "C" {

int32_t zk7416_system_error(int32_t handle) {
    if (!begin_call(handle)) return zk7416_status;
    int32_t number = -1;
    int32_t first = 0;
    bool found = false;
    for (int queries = 0; number != 0; ++queries) {
        if (queries == kMaxErrorQueries) return found ? first : fail(ZK7416_ERR_READ);
        int32_t s = zk7416_receive_scpi(handle, ":SYSTEM:ERROR?", aux_buffer);
        if (s != 0) return s;
        parse_leading_int(aux_buffer, number);
        if (number != 0 && !found) {
            first = number;
            found = true;
        }
    }
    return first;
}

int32_t zk7416_get_exe_error(int32_t handle) {
    if (!begin_call(handle)) return zk7416_status;
    int32_t esr = 0;
    int32_t s = zk7416_read_std_event_reg(handle, &esr);
    if (s != 0) return s;
    if (esr & 16) return zk7416_system_error(handle);
    return 0;
}

}  // extern "C"
