// Temperature compensation: state, source, reference and manual temperature, the
// scaling of the PT100 and analogue inputs, and the temperature coefficients.
#include <string>

#include "driver/answer_parsing.h"
#include "driver/command_helpers.h"
#include "driver/zk7416_internal.h"

using namespace zk7416;

namespace {

// Limits of the reference and manual temperature. The upper one is 9999.9 as the
// instrument holds it in single precision.
constexpr double kLowestTemperature = -9999.9;
constexpr double kHighestTemperature = 9999.900390625;

// Temperatures of the two scaling points of the analogue inputs.
constexpr double kLowestScaleTemperature = -200.0;
constexpr double kHighestScaleTemperature = 800.0;
// Highest input point: 10 V on the voltage input, 20 mA on the current input.
constexpr double kHighestVolts = 10.0;
constexpr double kHighestMilliamperes = 20.0;

// Fields of a scaling answer beyond this length are not read.
constexpr std::size_t kScaleFieldWidth = 19;

constexpr int32_t kManualSource = 0;
constexpr int32_t kCurrentInput = 1;

constexpr std::initializer_list<const char*> kSourceAnswers = {"MAN", "PT100", "UINP", "IINP"};

}  // namespace

extern "C" {

int32_t zk7416_set_config_temp_compensation(int32_t handle, int32_t state, int32_t source,
                                            double reference, double manual) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(state, 0, 1, -2) ||
        zk7416_invalid_integer_range(source, 0, 3, -3) ||
        zk7416_invalid_real_range(reference, kLowestTemperature, kHighestTemperature, -4))
        return zk7416_status;
    int32_t s = send_all(handle, {line("SENS:TCOM:STAT %d", state), tcom_cmd[source],
                                  line("SENS:TCOM:TEMP:REF %f", reference)});
    if (s != 0 || source != kManualSource) return s;
    // The manual temperature only matters for the manual source, so it is only checked
    // there - after the settings above have gone out.
    if (zk7416_invalid_real_range(manual, kLowestTemperature, kHighestTemperature, -5))
        return zk7416_status;
    return send_formatted(handle, "SENS:TCOM:TEMP %f", manual);
}

int32_t zk7416_get_config_temp_compensation(int32_t handle, int32_t* state, int32_t* source,
                                            double* reference, double* manual) {
    if (!begin_call(handle)) return zk7416_status;
    // The source as answered, so the manual temperature is read only when the
    // instrument says manual, whatever the caller's output held before.
    int32_t answered = -1;
    return run_steps({
        [&] { return query_int(handle, "SENS:TCOM:STAT?", state); },
        [&] {
            int32_t s = query_keyword(handle, "SENS:TCOM?", &answered, kSourceAnswers);
            if (answered >= 0) store(source, answered);
            return s;
        },
        [&] { return query_double(handle, "SENS:TCOM:TEMP:REF?", reference); },
        [&] {
            return answered == kManualSource ? query_double(handle, "SENS:TCOM:TEMP?", manual) : 0;
        },
    });
}

int32_t zk7416_get_temp_value(int32_t handle, double* temperature) {
    if (!begin_call(handle)) return zk7416_status;
    return query_double(handle, "SENS:TCOM:TEMP?", temperature);
}

int32_t zk7416_set_config_scale_pt100(int32_t handle, double a, double b, double c) {
    if (!begin_call(handle)) return zk7416_status;
    return send_formatted(handle, "SCAL:PT100 %f,%f,%f", a, b, c);
}

int32_t zk7416_get_config_scale_pt100(int32_t handle, double* a, double* b, double* c) {
    if (!begin_call(handle)) return zk7416_status;
    return query_double_fields(handle, "SCAL:PT100?", {a, b, c});
}

int32_t zk7416_set_config_scale_ui_input(int32_t handle, int32_t input, double x1, double x2,
                                         double t1, double t2) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(input, 0, 1, -2)) return zk7416_status;
    double highest_point = input == kCurrentInput ? kHighestMilliamperes : kHighestVolts;
    // The temperatures are checked before the input points.
    if (zk7416_invalid_real_range(t1, kLowestScaleTemperature, kHighestScaleTemperature, -5) ||
        zk7416_invalid_real_range(t2, kLowestScaleTemperature, kHighestScaleTemperature, -6) ||
        zk7416_invalid_real_range(x1, 0.0, highest_point, -3) ||
        zk7416_invalid_real_range(x2, 0.0, highest_point, -4))
        return zk7416_status;
    if (input == kCurrentInput)
        return send_formatted(handle, "SCAL:CURR %fMA,%fMA,%f,%f", x1, x2, t1, t2);
    return send_formatted(handle, "SCAL:VOLT %f,%f,%f,%f", x1, x2, t1, t2);
}

int32_t zk7416_get_config_scale_ui_input(int32_t handle, int32_t input, double* x1, double* x2,
                                         double* t1, double* t2) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(input, 0, 1, -2)) return zk7416_status;
    // A unit suffix such as MA after a current ends the number and is not read.
    return query_double_fields(handle, input == kCurrentInput ? "SCAL:CURR?" : "SCAL:VOLT?",
                               {x1, x2, t1, t2}, kScaleFieldWidth);
}

int32_t zk7416_set_config_temp_coefficient(int32_t handle, int32_t number, int32_t value) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(number, 1, 10, -2))
        return zk7416_status;
    return send_formatted(handle, "SENS:TCOM:TCO %i,%i", number, value);
}

int32_t zk7416_get_config_temp_coefficient(int32_t handle, int32_t number, int32_t* value) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(number, 1, 10, -2))
        return zk7416_status;
    return query_int(handle, line("SENS:TCOM:TCO? %i", number), value);
}

int32_t zk7416_set_active_temp_coefficient(int32_t handle, int32_t number) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(number, 1, 10, -2))
        return zk7416_status;
    return send_formatted(handle, "SENS:TCOM:TCO:SEL %i", number);
}

int32_t zk7416_get_active_temp_coefficient(int32_t handle, int32_t* number) {
    if (!begin_call(handle)) return zk7416_status;
    return query_int(handle, "SENS:TCOM:TCO:SEL?", number);
}

}  // extern "C"
