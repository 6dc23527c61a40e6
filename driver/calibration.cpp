// Calibration of the instrument: calibration mode, the resistance ranges, the 20 mV,
// voltage, current and PT100 inputs, and the calibrating bit.
#include <string>

#include "driver/answer_parsing.h"
#include "driver/command_helpers.h"
#include "driver/zk7416_internal.h"

using namespace zk7416;

namespace {

// Bit 0 of the operation condition register: the instrument is calibrating.
constexpr int32_t kCalibrating = 0x01;

// The commands that take a low/high point (0/1) and nothing else.
int32_t send_point(int32_t handle, int32_t point, const char* const* commands) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(point, 0, 1, -2)) return zk7416_status;
    return zk7416_send_scpi(handle, commands[point]);
}

int32_t send_plain(int32_t handle, const char* command) {
    if (!begin_call(handle)) return zk7416_status;
    return zk7416_send_scpi(handle, command);
}

}  // namespace

extern "C" {

int32_t zk7416_cal_state(int32_t handle, int32_t state) {
    return send_point(handle, state, cal_state_cmd);
}

int32_t zk7416_cal_fres(int32_t handle, int32_t range, double value) {
    // Calibration ranges count from 0 (200 mOhm), one below the measuring range numbers.
    if (!begin_call(handle) || zk7416_invalid_integer_range(range, 0, 6, -2)) return zk7416_status;
    return send_formatted(handle, "%s,%f", cal_fres_cmd[range], value);
}

int32_t zk7416_cal_20mV_mode(int32_t handle, int32_t point) {
    return send_point(handle, point, cal_20mv_cmd);
}

int32_t zk7416_cal_20mV_init(int32_t handle) {
    return send_plain(handle, "CAL:20MV:INIT");
}

int32_t zk7416_cal_20mV(int32_t handle, double a, double b, double c) {
    if (!begin_call(handle)) return zk7416_status;
    return send_formatted(handle, "CAL:20MV %f,%f,%f", a, b, c);
}

int32_t zk7416_cal_voltage_mode(int32_t handle, int32_t point) {
    return send_point(handle, point, cal_volt_cmd);
}

int32_t zk7416_cal_voltage_init(int32_t handle) {
    return send_plain(handle, "CAL:VOLT:INIT");
}

int32_t zk7416_cal_voltage(int32_t handle, double a, double b) {
    if (!begin_call(handle)) return zk7416_status;
    return send_formatted(handle, "CAL:VOLT %f,%f", a, b);
}

int32_t zk7416_cal_current(int32_t handle, double value) {
    if (!begin_call(handle)) return zk7416_status;
    return send_formatted(handle, "CAL:CURR %f", value);
}

int32_t zk7416_cal_pt100_mode(int32_t handle, int32_t point, double value) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(point, 0, 1, -2)) return zk7416_status;
    return send_formatted(handle, "%s %f", cal_pt100_cmd[point], value);
}

int32_t zk7416_cal_pt100(int32_t handle) {
    return send_plain(handle, "CAL:PT100");
}

int32_t zk7416_get_cal_status(int32_t handle, int32_t* calibrating) {
    // The one command function without a handle check; the message layer copes with a
    // handle that names no connection.
    zk7416_status = 0;
    std::string answer;
    int32_t s = ask(handle, "STAT:OPER:COND?", answer);
    int32_t condition = 0;
    if (s == 0 && parse_leading_int(answer, condition))
        store(calibrating, (condition & kCalibrating) ? 1 : 0);
    return s;
}

}  // extern "C"
