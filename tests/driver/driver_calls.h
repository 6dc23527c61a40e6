// Short forms of driver calls for the tests' tables: a case is one line.
#pragma once

#include <cstdint>
#include <cstring>

#include "driver/zk7416.h"

namespace driver_test {

// A call made on the handle `h` the test passes in.
#define CALL(...) []([[maybe_unused]] int32_t h) { return __VA_ARGS__; }

inline int32_t filter(int32_t h, int32_t block, int32_t mode, int32_t xval, int32_t hours,
                      int32_t minutes, int32_t seconds, double delta) {
    return zk7416_set_datalogger_filter(h, block, mode, xval, hours, minutes, seconds, delta);
}

// The printer items other than temperature and date off.
inline int32_t printer_mode(int32_t h, int32_t temperature, int32_t date, int32_t header,
                            const char* label, int32_t hours, int32_t minutes, int32_t seconds) {
    char text[32];
    std::strncpy(text, label, sizeof text - 1);
    text[sizeof text - 1] = '\0';
    return zk7416_set_config_printer_mode(h, temperature, 0, 0, 0, date, header, text, hours,
                                          minutes, seconds);
}

// The nineteen access locks in the order the instrument gets them, each with the
// position (from 0) of its argument in the driver's calls.
struct AccessLock {
    const char* keyword;
    int argument;
};
inline constexpr AccessLock kAccessLocks[] = {
    {"meas", 0},      {"expr", 1},      {"prin", 2},      {"comp", 3},  {"mem", 5},
    {"comm", 6},      {"cont", 4},      {"stat", 7},      {"reg", 8},   {"cal", 11},
    {"dat", 10},      {"scal", 9},      {"date", 12},     {"fast", 13}, {"lim:conf", 14},
    {"lim:eval", 15}, {"env:conf", 16}, {"env:eval", 17}, {"manr", 18}};

// The nineteen access locks from an array in argument order.
inline int32_t access(int32_t h, const int32_t (&f)[19]) {
    return zk7416_set_config_device_access(h, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8],
                                           f[9], f[10], f[11], f[12], f[13], f[14], f[15], f[16],
                                           f[17], f[18]);
}

// All locks 0 but the flags at `bad` and `also_bad` (argument positions from 0), set to 2.
inline int32_t access_with_bad(int32_t h, int bad, int also_bad = -1) {
    int32_t f[19] = {};
    f[bad] = 2;
    if (also_bad >= 0) f[also_bad] = 2;
    return access(h, f);
}

}  // namespace driver_test
