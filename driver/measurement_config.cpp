// Measuring configuration: averaging, load, continuous initiation, voltage limit,
// measuring mode, integration time and the resistance range.
#include <string>

#include "driver/answer_parsing.h"
#include "driver/command_helpers.h"
#include "driver/zk7416_internal.h"

using namespace zk7416;

namespace {

// Range texts by range number; 0 (automatic) has none.
constexpr const char* kRangeTexts[] = {"200MOHM", "2OHM",   "20OHM",  "200OHM",
                                       "2KOHM",   "20KOHM", "200KOHM"};

// The range number of the first word of the answer to `query`. A text that names no
// range leaves the output unchanged rather than claiming automatic ranging.
int32_t query_range(int32_t handle, const char* query, int32_t* range) {
    std::string answer;
    int32_t s = ask(handle, query, answer);
    if (s != 0) return s;
    int32_t number = get_range_number(first_word(answer).c_str());
    if (number != 0) store(range, number);
    return 0;
}

}  // namespace

extern "C" {

int32_t get_range_number(const char* text) {
    if (!text) return 0;
    for (int32_t i = 0; i < 7; ++i)
        if (equals_ignore_case(text, kRangeTexts[i])) return i + 1;
    return 0;
}

int32_t zk7416_set_config_meas(int32_t handle, int32_t averaging_type, int32_t averaging_count,
                               int32_t load, int32_t init_cont, int32_t volt_limit, int32_t mode,
                               int32_t nplc) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(averaging_type, 0, 1, -2) ||
        zk7416_invalid_integer_range(averaging_count, 0, 100, -3) ||
        zk7416_invalid_integer_range(load, 0, 1, -4) ||
        zk7416_invalid_integer_range(init_cont, 0, 1, -5) ||
        zk7416_invalid_integer_range(volt_limit, 0, 1, -6) ||
        zk7416_invalid_integer_range(mode, 0, 3, -7) ||
        zk7416_invalid_integer_range(nplc, 0, 3, -8))
        return zk7416_status;
    return send_all(handle,
                    {averaging_cmd[averaging_type], line("sens:aver:coun %d", averaging_count),
                     init_cont_cmd[init_cont], volt_limit_cmd[volt_limit], load_cmd[load],
                     mode_cmd[mode], nplc_cmd[nplc]});
}

int32_t zk7416_get_config_meas(int32_t handle, int32_t* averaging_type, int32_t* averaging_count,
                               int32_t* load, int32_t* init_cont, int32_t* volt_limit,
                               int32_t* mode, int32_t* nplc) {
    if (!begin_call(handle)) return zk7416_status;
    return run_steps({
        [&] { return query_keyword(handle, "SENSE:AVER:TCON?", averaging_type, {"MOV"}, 1); },
        [&] { return query_int(handle, "sens:aver:coun? ", averaging_count); },
        [&] { return query_keyword(handle, "sens:fres:load?", load, {"REAL"}, 1); },
        [&] { return query_int(handle, "init:cont?", init_cont); },
        [&] { return query_int(handle, "sour:volt:lim:stat?", volt_limit); },
        [&] {
            return query_keyword(handle, "sens:fres:mode?", mode, {"refc", "nonc", "onec", "stan"});
        },
        [&] {
            return query_keyword(handle, "sens:fres:nplc?", nplc, {"min", "med", "max", "stan"});
        },
    });
}

int32_t zk7416_set_config_range(int32_t handle, int32_t range) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(range, 0, 7, -2)) return zk7416_status;
    // A fixed range is only ever sent with automatic ranging already off.
    if (range == 0) return zk7416_send_scpi(handle, range_cmd[0]);
    return send_all(handle, {"SENSE:FRES:RANG:AUTO OFF", range_cmd[range]});
}

int32_t zk7416_get_config_range(int32_t handle, int32_t* range) {
    if (!begin_call(handle)) return zk7416_status;
    std::string answer;
    int32_t s = ask(handle, "SENSE:FRES:RANG:AUTO?", answer);
    if (s != 0) return s;
    int32_t automatic = 0;
    if (parse_leading_int(answer, automatic) && automatic == 1) {
        store(range, 0);
        return 0;
    }
    return query_range(handle, "SENSE:FRES:RANG:MAN?", range);
}

int32_t zk7416_set_config_auto_range(int32_t handle, int32_t low, int32_t upp) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(low, 1, 7, -2) ||
        zk7416_invalid_integer_range(upp, 1, 7, -3))
        return zk7416_status;
    if (upp <= low) return fail(-4);
    return send_all(handle, {range_low_cmd[low], range_upp_cmd[upp]});
}

int32_t zk7416_get_config_auto_range(int32_t handle, int32_t* low, int32_t* upp) {
    if (!begin_call(handle)) return zk7416_status;
    return run_steps({
        [&] { return query_range(handle, "SENSE:FRES:RANG:LOW?", low); },
        [&] { return query_range(handle, "SENSE:FRES:RANG:UPP?", upp); },
    });
}

}  // extern "C"
