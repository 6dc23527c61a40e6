// What the display shows (display mode, reference, resolution, display items,
// contrast) and the instrument's built-in printer.
#include <string>

#include "driver/answer_parsing.h"
#include "driver/command_helpers.h"
#include "driver/zk7416_internal.h"

using namespace zk7416;

namespace {

constexpr std::size_t kLongestPrinterLabel = 10;

}  // namespace

extern "C" {

int32_t zk7416_set_config_display_mode(int32_t handle, int32_t mode, double reference,
                                       int32_t resolution) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(mode, 0, 2, -2) ||
        zk7416_invalid_integer_range(resolution, 0, 1, -3))
        return zk7416_status;
    // The range query comes first; its answer is not used, but its failure ends the call.
    return run_steps({
        [&] { return query_text(handle, "SENSE:FRES:RANG:MAN?", nullptr, 0); },
        [&] {
            return send_all(handle, {math_cmd[mode], line("sens:fres:ref  %f", reference),
                                     resolution_cmd[resolution]});
        },
    });
}

int32_t zk7416_get_config_display_mode(int32_t handle, int32_t* mode, double* reference,
                                       int32_t* resolution) {
    if (!begin_call(handle)) return zk7416_status;
    return run_steps({
        [&] {
            return query_keyword(handle, "calc:math:expr?", mode, {"OHM", "DELTA", "LIMIT"});
        },
        [&] {
            std::string answer;
            int32_t s = ask(handle, "sens:fres:ref?", answer);
            if (s == 0) store(reference, convert_string_to_value(first_word(answer).c_str()));
            return s;
        },
        [&] { return query_keyword(handle, "sens:fres:res?", resolution, {"0.0005"}, 1); },
    });
}

int32_t zk7416_set_config_display_options(int32_t handle, int32_t range, int32_t current,
                                          int32_t temperature, int32_t sample, int32_t trigger,
                                          int32_t automatic, int32_t load, int32_t measurement) {
    if (!begin_call(handle) ||
        !flags_valid({range, current, temperature, sample, trigger, automatic, load, measurement},
                     -2))
        return zk7416_status;
    return send_all(handle, {line("disp:rang %d", range), line("disp:curr %d", current),
                             line("disp:temp %d", temperature), line("disp:samp %d", sample),
                             line("disp:trig %d", trigger), line("disp:auto %d", automatic),
                             line("disp:load %d", load), line("disp:meas %d", measurement)});
}

int32_t zk7416_get_config_display_options(int32_t handle, int32_t* range, int32_t* current,
                                          int32_t* temperature, int32_t* sample, int32_t* trigger,
                                          int32_t* automatic, int32_t* load, int32_t* measurement) {
    if (!begin_call(handle)) return zk7416_status;
    return run_steps({
        [&] { return query_int(handle, "disp:rang?", range); },
        [&] { return query_int(handle, "disp:curr?", current); },
        [&] { return query_int(handle, "disp:temp?", temperature); },
        [&] { return query_int(handle, "disp:samp?", sample); },
        [&] { return query_int(handle, "disp:trig?", trigger); },
        [&] { return query_int(handle, "disp:auto?", automatic); },
        [&] { return query_int(handle, "disp:load?", load); },
        [&] { return query_int(handle, "disp:meas?", measurement); },
    });
}

int32_t zk7416_set_config_display_contrast(int32_t handle, double contrast) {
    if (!begin_call(handle) || zk7416_invalid_real_range(contrast, 0.0, 1.0, -2))
        return zk7416_status;
    return send_formatted(handle, ":DISP:CONT %f", contrast);
}

int32_t zk7416_get_config_display_contrast(int32_t handle, double* contrast) {
    if (!begin_call(handle)) return zk7416_status;
    return query_double(handle, ":DISP:CONT?", contrast);
}

int32_t zk7416_set_config_printer_state(int32_t handle, int32_t state) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(state, 0, 1, -2)) return zk7416_status;
    return zk7416_send_scpi(handle, state == 1 ? "HCOP" : "HCOP:ABORT");
}

int32_t zk7416_set_config_printer_mode(int32_t handle, int32_t temperature, int32_t number,
                                       int32_t label, int32_t time, int32_t date, int32_t header,
                                       char* label_text, int32_t hours, int32_t minutes,
                                       int32_t seconds) {
    if (!begin_call(handle) || !flags_valid({temperature, number, label, time, date}, -2) ||
        zk7416_invalid_integer_range(header, 1, 1000, -7) ||
        !text_fits(label_text, kLongestPrinterLabel, -8) ||
        zk7416_invalid_integer_range(hours, 0, 99, -9) ||
        zk7416_invalid_integer_range(minutes, 0, 59, -10) ||
        zk7416_invalid_integer_range(seconds, 0, 59, -11))
        return zk7416_status;
    // Every blank of the printer label becomes an underscore, a trailing one included
    // (names and memory labels keep theirs).
    replace_blanks(label_text, false);
    return send_all(
        handle, {line("HCOP:ITEM:TEMP:STAT %d", temperature), line("HCOP:ITEM:NUM:STAT %d", number),
                 line("HCOP:ITEM:LAB:STAT %d", label), line("HCOP:ITEM:TIME:STAT %d", time),
                 line("HCOP:ITEM:DATE:STAT %d", date), line("HCOP:HEAD %d", header),
                 line("HCOP:ITEM:LAB:TEXT %s", label_text),
                 line("HCOP:TDST %02d,%02d,%02d", hours, minutes, seconds)});
}

int32_t zk7416_get_config_printer_mode(int32_t handle, int32_t* temperature, int32_t* number,
                                       int32_t* label, int32_t* time, int32_t* date,
                                       int32_t* header, char* label_text, int32_t* hours,
                                       int32_t* minutes, int32_t* seconds) {
    if (!begin_call(handle)) return zk7416_status;
    return run_steps({
        [&] { return query_int(handle, "HCOP:ITEM:TEMP:STAT?", temperature); },
        [&] { return query_int(handle, "HCOP:ITEM:NUM:STAT?", number); },
        [&] { return query_int(handle, "HCOP:ITEM:LAB:STAT?", label); },
        [&] { return query_int(handle, "HCOP:ITEM:TIME:STAT?", time); },
        [&] { return query_int(handle, "HCOP:ITEM:DATE:STAT?", date); },
        [&] { return query_int(handle, "HCOP:HEAD?", header); },
        [&] {
            return query_word(handle, "HCOP:ITEM:LAB:TEXT?", label_text, ZK7416_LABEL_TEXT_SIZE);
        },
        [&] {
            return query_int_fields(handle, "HCOP:TDST?", {hours, minutes, seconds});
        },
    });
}

int32_t zk7416_printer_counter_reset(int32_t handle) {
    if (!begin_call(handle)) return zk7416_status;
    return zk7416_send_scpi(handle, "HCOP:NUM:RES");
}

}  // extern "C"
