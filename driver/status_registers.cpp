// Reading the instrument's status registers.
#include "driver/answer_parsing.h"
#include "driver/zk7416_internal.h"

using namespace zk7416;

namespace {

// Query, then the leading integer of the answer. An answer without one leaves the
// output as it was and still counts as success.
int32_t read_register(int32_t handle, const char* query, int32_t* value, bool hexadecimal) {
    if (!begin_call(handle)) return zk7416_status;
    int32_t s = zk7416_receive_scpi(handle, query, aux_buffer);
    if (s != 0) return s;
    int32_t parsed = 0;
    bool ok = hexadecimal ? parse_leading_hex(aux_buffer, parsed)
                          : parse_leading_int(aux_buffer, parsed);
    if (ok && value) *value = parsed;
    return 0;
}

}  // namespace

extern "C" {

int32_t zk7416_read_std_event_reg(int32_t handle, int32_t* value) {
    return read_register(handle, "*ESR?", value, false);
}

int32_t zk7416_read_quest_reg(int32_t handle, int32_t* value) {
    return read_register(handle, ":STAT:QUES?", value, false);
}

int32_t zk7416_read_oper_event_reg(int32_t handle, int32_t* value) {
    return read_register(handle, "S:O:C?", value, false);
}

int32_t zk7416_read_quest_fres_reg(int32_t handle, int32_t* value) {
    int32_t reg = 0;
    int32_t s = read_register(handle, ":STAT:QUES:FRES?", &reg, true);
    if (s != 0) return s;
    if (value) *value = reg;
    // The highest set cause wins: bit 7 is 310 ... bit 0 is 317.
    for (int bit = 7; bit >= 0; --bit)
        if (reg & (1 << bit)) return fail(ZK7416_QUES_FRES_BIT7 + (7 - bit));
    return 0;
}

}  // extern "C"
