// The 33 settings memories and their labels, the access locks of the front panel, the
// instrument clock and the keyboard lock.
#include <array>
#include <string>

#include "driver/command_helpers.h"
#include "driver/zk7416_internal.h"

using namespace zk7416;

namespace {

constexpr int32_t kLastMemory = 32;
constexpr std::size_t kLongestMemoryLabel = 10;

// The access locks in the order the instrument gets them, with the position of each
// among the function's arguments (after the handle, from 0) and its range-check code.
// The codes follow this order except that "mem" and "comm" swap theirs.
struct AccessLock {
    const char* keyword;
    int argument;
    int32_t code;
};
constexpr int kAccessLocks = 19;
constexpr std::array<AccessLock, kAccessLocks> kLocks = {{
    {"meas", 0, -2},       {"expr", 1, -3},       {"prin", 2, -4},       {"comp", 3, -5},
    {"mem", 5, -7},        {"comm", 6, -6},       {"cont", 4, -8},       {"stat", 7, -9},
    {"reg", 8, -10},       {"cal", 11, -11},      {"dat", 10, -12},      {"scal", 9, -13},
    {"date", 12, -14},     {"fast", 13, -15},     {"lim:conf", 14, -16}, {"lim:eval", 15, -17},
    {"env:conf", 16, -18}, {"env:eval", 17, -19}, {"manr", 18, -20},
}};

bool memory_valid(int32_t number) {
    return zk7416_invalid_integer_range(number, 0, kLastMemory, -2) == 0;
}

// The range checks run in the order of their codes, which is not the send order.
bool access_flags_valid(const std::array<int32_t, kAccessLocks>& flags) {
    for (int32_t code = -2; code >= -(kAccessLocks + 1); --code)
        for (const AccessLock& lock : kLocks)
            if (lock.code == code && zk7416_invalid_integer_range(flags[lock.argument], 0, 1, code))
                return false;
    return true;
}

}  // namespace

extern "C" {

int32_t zk7416_set_config_memory(int32_t handle, int32_t number) {
    if (!begin_call(handle) || !memory_valid(number)) return zk7416_status;
    return send_formatted(handle, "*SAV %i", number);
}

int32_t zk7416_get_config_memory(int32_t handle, int32_t number) {
    if (!begin_call(handle) || !memory_valid(number)) return zk7416_status;
    return send_formatted(handle, "*RCL %i", number);
}

int32_t zk7416_set_config_memory_label(int32_t handle, int32_t number, char* label) {
    if (!begin_call(handle) || !memory_valid(number) || !text_fits(label, kLongestMemoryLabel, -3))
        return zk7416_status;
    replace_blanks(label, true);
    return send_formatted(handle, "mem:stat:def %s,%d", label, number);
}

int32_t zk7416_get_config_memory_label(int32_t handle, int32_t number, char* label) {
    if (!begin_call(handle) || !memory_valid(number)) return zk7416_status;
    return query_word(handle, line("mem:stat:name? %d", number), label, ZK7416_NAME_SIZE);
}

int32_t zk7416_set_config_device_access(int32_t handle, int32_t meas, int32_t expr, int32_t prin,
                                        int32_t comp, int32_t cont, int32_t mem, int32_t comm,
                                        int32_t stat, int32_t reg, int32_t scal, int32_t dat,
                                        int32_t cal, int32_t date, int32_t fast, int32_t lim_conf,
                                        int32_t lim_eval, int32_t env_conf, int32_t env_eval,
                                        int32_t manr) {
    const std::array<int32_t, kAccessLocks> flags = {
        meas, expr, prin, comp, cont,     mem,      comm,     stat,     reg, scal,
        dat,  cal,  date, fast, lim_conf, lim_eval, env_conf, env_eval, manr};
    if (!begin_call(handle) || !access_flags_valid(flags)) return zk7416_status;
    for (const AccessLock& lock : kLocks) {
        int32_t s = send_formatted(handle, "acc:%s %d", lock.keyword, flags[lock.argument]);
        if (s != 0) return s;
    }
    return 0;
}

int32_t zk7416_get_config_device_access(int32_t handle, int32_t* meas, int32_t* expr, int32_t* prin,
                                        int32_t* comp, int32_t* cont, int32_t* mem, int32_t* comm,
                                        int32_t* stat, int32_t* reg, int32_t* scal, int32_t* dat,
                                        int32_t* cal, int32_t* date, int32_t* fast,
                                        int32_t* lim_conf, int32_t* lim_eval, int32_t* env_conf,
                                        int32_t* env_eval, int32_t* manr) {
    const std::array<int32_t*, kAccessLocks> outs = {
        meas, expr, prin, comp, cont,     mem,      comm,     stat,     reg, scal,
        dat,  cal,  date, fast, lim_conf, lim_eval, env_conf, env_eval, manr};
    if (!begin_call(handle)) return zk7416_status;
    for (const AccessLock& lock : kLocks) {
        int32_t s = query_int(handle, line("acc:%s?", lock.keyword), outs[lock.argument]);
        if (s != 0) return s;
    }
    return 0;
}

int32_t zk7416_system_date_time(int32_t handle, int32_t hour, int32_t minute, int32_t second,
                                int32_t day, int32_t month, int32_t year) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(hour, 0, 23, -2) ||
        zk7416_invalid_integer_range(minute, 0, 59, -3) ||
        zk7416_invalid_integer_range(second, 0, 59, -4) ||
        zk7416_invalid_integer_range(day, 1, 31, -5) ||
        zk7416_invalid_integer_range(month, 1, 12, -6) ||
        zk7416_invalid_integer_range(year, 1900, 3000, -7))
        return zk7416_status;
    return send_all(handle, {line("syst:date %d,%02d,%02d", year, month, day),
                             line("syst:time %02d,%02d,%02d", hour, minute, second)});
}

int32_t zk7416_system_keyboard(int32_t handle, int32_t locked) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(locked, 0, 1, -2)) return zk7416_status;
    return send_formatted(handle, "syst:kloc %d", locked);
}

}  // extern "C"
