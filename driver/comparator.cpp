// The comparator (two or four limits, its class counts) and the envelope (minimum and
// maximum record), and the conversion of the instrument's value texts into ohms.
#include <cctype>
#include <string>
#include <vector>

#include "driver/answer_parsing.h"
#include "driver/command_helpers.h"
#include "driver/zk7416_internal.h"

using namespace zk7416;

namespace {

// Whether `unit` occurs in `text` after its first character, letter case ignored: a
// unit word before any number is no suffix.
bool has_suffix_word(std::string_view text, std::string_view unit) {
    for (std::size_t i = 1; i + unit.size() <= text.size(); ++i)
        if (equals_ignore_case(text.substr(i, unit.size()), unit)) return true;
    return false;
}

// The answer to `query` converted to ohms.
int32_t query_ohms(int32_t handle, std::string_view query, double* out) {
    std::string answer;
    int32_t s = ask(handle, query, answer);
    if (s == 0) store(out, convert_string_to_value(answer.c_str()));
    return s;
}

// Sends the limit count and the limits, then asks whether the instrument took them.
int32_t set_limits(int32_t handle, std::initializer_list<std::string_view> commands) {
    int32_t s = send_all(handle, commands);
    if (s != 0) return s;
    std::string answer;
    s = ask(handle, "CALC:LIM:ACKNOWLEDGE?", answer);
    if (s != 0) return s;
    // 0 means the instrument rejected the set; an answer without a number is no
    // acknowledgement either. The status of the call itself stays 0.
    int32_t acknowledged = 0;
    parse_leading_int(answer, acknowledged);
    return acknowledged == 0 ? ZK7416_LIMITS_NOT_ACKNOWLEDGED : 0;
}

// The comparator report: comma-separated items, each a label, blanks and a count. The
// counts go to the outputs in answer order; reading stops at the first item that does
// not have that form.
int32_t read_report(int32_t handle, std::initializer_list<int32_t*> counts) {
    std::string answer;
    int32_t s = ask(handle, "CALC:LIM:REP?", answer);
    if (s != 0) return s;
    std::vector<std::string_view> items = split_fields(answer);
    std::size_t i = 0;
    for (int32_t* count : counts) {
        if (i >= items.size()) break;
        std::string_view item = items[i++];
        std::size_t start = 0;
        while (start < item.size() && std::isspace(static_cast<unsigned char>(item[start])))
            ++start;
        std::size_t label_end = start;
        while (label_end < item.size() &&
               !std::isspace(static_cast<unsigned char>(item[label_end])))
            ++label_end;
        int32_t value = 0;
        if (label_end == start || !parse_leading_int(item.substr(label_end), value)) break;
        store(count, value);
    }
    return 0;
}

}  // namespace

extern "C" {

double convert_string_to_value(const char* text) {
    if (!text) return 0.0;
    std::string_view t(text);
    double value = 0.0;
    parse_leading_double(t, value);
    // Milliohms win when a text holds both suffixes.
    if (has_suffix_word(t, "MOHM")) return value / 1000.0;
    if (has_suffix_word(t, "KOHM")) return value * 1000.0;
    return value;
}

int32_t zk7416_set_config_comparator_mode(int32_t handle, int32_t state, int32_t relative,
                                          int32_t fault) {
    if (!begin_call(handle) || !flags_valid({state, relative, fault}, -2)) return zk7416_status;
    return send_all(handle, {line("CALC:LIM:STAT %i", state), line("CALC:LIM:REL %i", relative),
                             fault_cmd[fault]});
}

int32_t zk7416_get_config_comparator_mode(int32_t handle, int32_t* state, int32_t* relative,
                                          int32_t* fault) {
    if (!begin_call(handle)) return zk7416_status;
    return run_steps({
        [&] { return query_int(handle, "CALC:LIM:STAT?", state); },
        [&] { return query_int(handle, "CALC:LIM:REL?", relative); },
        [&] { return query_keyword(handle, "calc:lim:faul?", fault, {"NONE"}, 1); },
    });
}

int32_t zk7416_set_config_2_limit_comparator(int32_t handle, double low, double upp) {
    if (!begin_call(handle)) return zk7416_status;
    return set_limits(
        handle, {"CALC:LIM:COUN 2", line("CALC:LIM:LOW %f", low), line("CALC:LIM:UPP %f", upp)});
}

int32_t zk7416_get_config_2_limit_comparator(int32_t handle, double* low, double* upp) {
    if (!begin_call(handle)) return zk7416_status;
    return run_steps({
        [&] { return query_ohms(handle, "CALC:LIM:LOW?", low); },
        [&] { return query_ohms(handle, "CALC:LIM:UPP?", upp); },
    });
}

int32_t zk7416_set_config_4_limit_comparator(int32_t handle, double gw1, double gw2, double gw3,
                                             double gw4) {
    if (!begin_call(handle)) return zk7416_status;
    return set_limits(
        handle, {"CALC:LIM:COUN 4", line("CALC:LIM:GW1 %f", gw1), line("CALC:LIM:GW2 %f", gw2),
                 line("CALC:LIM:GW3 %f", gw3), line("CALC:LIM:GW4 %f", gw4)});
}

int32_t zk7416_get_config_4_limit_comparator(int32_t handle, double* gw1, double* gw2, double* gw3,
                                             double* gw4) {
    if (!begin_call(handle)) return zk7416_status;
    return run_steps({
        [&] { return query_ohms(handle, "CALC:LIM:GW1?", gw1); },
        [&] { return query_ohms(handle, "CALC:LIM:GW2?", gw2); },
        [&] { return query_ohms(handle, "CALC:LIM:GW3?", gw3); },
        [&] { return query_ohms(handle, "CALC:LIM:GW4?", gw4); },
    });
}

int32_t zk7416_comparator_2_limit_report(int32_t handle, int32_t* count1, int32_t* count2,
                                         int32_t* count3) {
    if (!begin_call(handle)) return zk7416_status;
    return read_report(handle, {count1, count2, count3});
}

int32_t zk7416_comparator_4_limit_report(int32_t handle, int32_t* count1, int32_t* count2,
                                         int32_t* count3, int32_t* count4, int32_t* count5) {
    if (!begin_call(handle)) return zk7416_status;
    return read_report(handle, {count1, count2, count3, count4, count5});
}

int32_t zk7416_comparator_clear(int32_t handle) {
    if (!begin_call(handle)) return zk7416_status;
    return zk7416_send_scpi(handle, "CALC:LIM:CLE");
}

int32_t zk7416_set_envelope_state(int32_t handle, int32_t state) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(state, 0, 1, -2)) return zk7416_status;
    return send_formatted(handle, "SENS:ENV:STAT %i", state);
}

int32_t zk7416_get_envelope_state(int32_t handle, int32_t* state) {
    if (!begin_call(handle)) return zk7416_status;
    return query_int(handle, "SENS:ENV:STAT?", state);
}

int32_t zk7416_envelope_read_report(int32_t handle, char* first, char* second, char* third) {
    if (!begin_call(handle)) return zk7416_status;
    std::string answer;
    int32_t s = ask(handle, "SENS:ENV:REP:DATA?", answer);
    if (s != 0) return s;
    // The first two fields end at a comma, the third runs to the end of the answer
    // (commas included). An answer with fewer fields fills fewer outputs.
    std::size_t comma1 = answer.find(',');
    copy_bounded(first, ZK7416_ENVELOPE_FIELD_SIZE, std::string_view(answer).substr(0, comma1));
    if (comma1 == std::string::npos) return 0;
    std::size_t comma2 = answer.find(',', comma1 + 1);
    copy_bounded(second, ZK7416_ENVELOPE_FIELD_SIZE,
                 std::string_view(answer).substr(comma1 + 1, comma2 - comma1 - 1));
    if (comma2 == std::string::npos) return 0;
    copy_bounded(third, ZK7416_ENVELOPE_LAST_FIELD_SIZE,
                 std::string_view(answer).substr(comma2 + 1));
    return 0;
}

int32_t zk7416_envelope_clear(int32_t handle) {
    if (!begin_call(handle)) return zk7416_status;
    return zk7416_send_scpi(handle, "SENS:ENV:CLE");
}

}  // extern "C"
