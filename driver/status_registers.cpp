// Reading the instrument's status registers.
#include <string>

#include "driver/answer_parsing.h"
#include "driver/command_helpers.h"
#include "driver/zk7416_internal.h"

using namespace zk7416;

namespace {

// An answer without a number leaves the output as it was and still counts as success.
int32_t read_register(int32_t handle, const char* query, int32_t* value) {
    if (!begin_call(handle)) return zk7416_status;
    return query_int(handle, query, value);
}

}  // namespace

extern "C" {

int32_t zk7416_read_std_event_reg(int32_t handle, int32_t* value) {
    return read_register(handle, "*ESR?", value);
}

int32_t zk7416_read_quest_reg(int32_t handle, int32_t* value) {
    return read_register(handle, ":STAT:QUES?", value);
}

int32_t zk7416_read_oper_event_reg(int32_t handle, int32_t* value) {
    return read_register(handle, "S:O:C?", value);
}

int32_t zk7416_read_quest_fres_reg(int32_t handle, int32_t* value) {
    if (!begin_call(handle)) return zk7416_status;
    std::string answer;
    int32_t s = ask(handle, ":STAT:QUES:FRES?", answer);
    if (s != 0) return s;
    // The instrument answers this register in hexadecimal.
    int32_t reg = 0;
    if (!parse_leading_hex(answer, reg)) return 0;
    store(value, reg);
    // The highest set cause wins: bit 7 is 310 ... bit 0 is 317.
    for (int bit = 7; bit >= 0; --bit)
        if (reg & (1 << bit)) return fail(ZK7416_QUES_FRES_BIT7 + (7 - bit));
    return 0;
}

}  // extern "C"
