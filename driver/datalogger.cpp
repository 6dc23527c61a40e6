// The datalogger: its state, the 32 blocks with names, sizes and storage filters, the
// active block, and reading back counts, stored values and statistics.
#include <string>
#include <vector>

#include "driver/answer_parsing.h"
#include "driver/command_helpers.h"
#include "driver/zk7416_internal.h"

using namespace zk7416;

namespace {

constexpr int32_t kLastBlock = 31;
constexpr int32_t kLargestBlock = 20000;
constexpr std::size_t kLongestName = 10;

enum FilterMode : int32_t { kAll, kNoFail, kFail, kEveryNth, kInterval, kDelta };
// Keywords sent per filter mode, and the (shorter) ones the instrument answers.
constexpr const char* kFilterKeywords[] = {"ALL", "NOFAIL", "FAIL", "XVAL", "YTIME", "DELTA"};
constexpr std::initializer_list<const char*> kFilterAnswers = {"ALL",  "NOF",  "FAIL",
                                                               "XVAL", "YTIM", "DELT"};
constexpr double kSmallestDelta = 1e-05;
constexpr double kLargestDelta = 200000.0;

// Widths of the parts of a stored value's date and time that are taken over.
constexpr std::size_t kDayMonthTimeWidth = 3;
constexpr std::size_t kYearWidth = 7;

bool block_valid(int32_t block, int32_t code) {
    return zk7416_invalid_integer_range(block, 0, kLastBlock, code) == 0;
}

// The parts joined with `separator`, each cut to its width.
std::string join_parts(const std::vector<std::string_view>& fields, std::size_t first,
                       std::initializer_list<std::size_t> widths, char separator) {
    std::string text;
    std::size_t i = first;
    for (std::size_t width : widths) {
        if (i > first) text += separator;
        text += fields[i++].substr(0, width);
    }
    return text;
}

}  // namespace

extern "C" {

int32_t zk7416_set_datalogger_state(int32_t handle, int32_t state) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(state, 0, 1, -2)) return zk7416_status;
    return send_formatted(handle, "DAT:STAT %i", state);
}

int32_t zk7416_get_datalogger_state(int32_t handle, int32_t* state) {
    if (!begin_call(handle)) return zk7416_status;
    return query_int(handle, "DAT:STAT?", state);
}

int32_t zk7416_set_datalogger_name(int32_t handle, int32_t block, char* name) {
    if (!begin_call(handle) || !block_valid(block, -2) || !text_fits(name, kLongestName, -4))
        return zk7416_status;
    replace_blanks(name, true);
    return send_formatted(handle, "DAT:STATE:DEF %s,%i", name, block);
}

int32_t zk7416_get_datalogger_name(int32_t handle, int32_t block, char* name) {
    if (!begin_call(handle) || !block_valid(block, -2)) return zk7416_status;
    return query_word(handle, line("DAT:STATE:NAME? %i", block), name, ZK7416_NAME_SIZE);
}

int32_t zk7416_set_datalogger_block_size(int32_t handle, int32_t block, int32_t size) {
    if (!begin_call(handle) || !block_valid(block, -2) ||
        zk7416_invalid_integer_range(size, 0, kLargestBlock, -3))
        return zk7416_status;
    return send_formatted(handle, "DAT:SIZE %i,%i", block, size);
}

int32_t zk7416_get_datalogger_block_size(int32_t handle, int32_t block, int32_t* size) {
    if (!begin_call(handle) || !block_valid(block, -2)) return zk7416_status;
    return query_int(handle, line("DAT:SIZE? %i", block), size);
}

int32_t zk7416_set_datalogger_filter(int32_t handle, int32_t block, int32_t mode, int32_t xval,
                                     int32_t hours, int32_t minutes, int32_t seconds,
                                     double delta) {
    // The count is checked whatever the mode; the interval and the delta only where
    // the mode uses them.
    if (!begin_call(handle) || !block_valid(block, -2) ||
        zk7416_invalid_integer_range(mode, kAll, kDelta, -3) ||
        zk7416_invalid_integer_range(xval, 2, 9999, -4))
        return zk7416_status;
    if (mode == kInterval && (zk7416_invalid_integer_range(hours, 0, 99, -7) ||
                              zk7416_invalid_integer_range(minutes, 0, 59, -8) ||
                              zk7416_invalid_integer_range(seconds, 0, 59, -9)))
        return zk7416_status;
    if (mode == kDelta && zk7416_invalid_real_range(delta, kSmallestDelta, kLargestDelta, -10))
        return zk7416_status;

    std::string mode_command = line("DAT:FILT %i,%s", block, kFilterKeywords[mode]);
    switch (mode) {
        case kEveryNth:
            return send_all(handle, {mode_command, line("DAT:FILT:XVAL %i,%i", block, xval)});
        case kInterval:
            return send_all(handle, {mode_command, line("DAT:FILT:YTIM %d,%02d,%02d,%02d", block,
                                                        hours, minutes, seconds)});
        case kDelta:
            return send_all(handle, {mode_command, line("DAT:FILT:DELT %i,%f", block, delta)});
        default:
            return zk7416_send_scpi(handle, mode_command.c_str());
    }
}

int32_t zk7416_get_datalogger_filter(int32_t handle, int32_t block, int32_t* mode, int32_t* xval,
                                     int32_t* hours, int32_t* minutes, int32_t* seconds,
                                     double* delta) {
    if (!begin_call(handle) || !block_valid(block, -2)) return zk7416_status;
    // Every block keeps the parameters of all filters, so all of them are read.
    return run_steps({
        [&] { return query_keyword(handle, line("DAT:FILT? %i", block), mode, kFilterAnswers); },
        [&] { return query_int(handle, line("DAT:FILT:XVAL? %d", block), xval); },
        [&] {
            return query_int_fields(handle, line("DAT:FILT:YTIM? %d", block),
                                    {hours, minutes, seconds});
        },
        [&] { return query_double(handle, line("DAT:FILT:DELT? %d", block), delta); },
    });
}

int32_t zk7416_datalogger_clear_block(int32_t handle, int32_t block) {
    if (!begin_call(handle) || !block_valid(block, -2)) return zk7416_status;
    return send_formatted(handle, "DAT:CLEAR %i", block);
}

int32_t zk7416_set_active_datalogger_block(int32_t handle, int32_t by_name, int32_t block,
                                           char* name) {
    if (!begin_call(handle) || zk7416_invalid_integer_range(by_name, 0, 1, -2) ||
        !block_valid(block, -3) || !text_fits(name, kLongestName, -4))
        return zk7416_status;
    if (by_name == 0) return send_formatted(handle, "DAT:SEL:BLOCK %i", block);
    replace_blanks(name, true);
    return send_formatted(handle, "DAT:SEL:NAME %s", name);
}

int32_t zk7416_get_active_datalogger_block(int32_t handle, int32_t* block) {
    if (!begin_call(handle)) return zk7416_status;
    return query_int(handle, "DAT:SEL:BLOCK?", block);
}

int32_t zk7416_datalogger_read_num_counts(int32_t handle, int32_t block, int32_t* count) {
    if (!begin_call(handle) || !block_valid(block, -2)) return zk7416_status;
    return query_int(handle, line("DAT:COUNT? %d", block), count);
}

int32_t zk7416_datalogger_read_block(int32_t handle, int32_t block, int32_t index, char* value,
                                     char* date, char* time) {
    if (!begin_call(handle) || !block_valid(block, -2) ||
        zk7416_invalid_integer_range(index, 1, kLargestBlock, -3))
        return zk7416_status;
    std::string answer;
    int32_t s = ask(handle, line("dat:data:all? %d,%d", block, index), answer);
    if (s != 0) return s;
    // value, day, month, year, hour, minute, second and a fourth time field. A date or
    // time whose fields did not all come leaves that output as it was.
    std::vector<std::string_view> fields = split_fields(answer);
    copy_bounded(value, ZK7416_VALUE_SIZE, fields[0]);
    constexpr std::size_t w = kDayMonthTimeWidth;
    if (fields.size() >= 4)
        copy_bounded(date, ZK7416_DATE_SIZE, join_parts(fields, 1, {w, w, kYearWidth}, '.'));
    if (fields.size() >= 8)
        copy_bounded(time, ZK7416_TIME_SIZE, join_parts(fields, 4, {w, w, w, w}, ':'));
    return 0;
}

int32_t zk7416_datalogger_read_eval_values(int32_t handle, int32_t block, char* minimum,
                                           char* maximum, char* mean, char* deviation) {
    // This one checks the block before the handle.
    zk7416_status = 0;
    if (!block_valid(block, -2) || !begin_call(handle)) return zk7416_status;
    return run_steps({
        [&] {
            return query_text(handle, line("DAT:MIN? %d", block), minimum, ZK7416_STATISTICS_SIZE);
        },
        [&] {
            return query_text(handle, line("DAT:max? %d", block), maximum, ZK7416_STATISTICS_SIZE);
        },
        [&] {
            return query_text(handle, line("DAT:AVER? %d", block), mean, ZK7416_STATISTICS_SIZE);
        },
        [&] {
            return query_text(handle, line("DAT:DEV? %d", block), deviation,
                              ZK7416_STATISTICS_SIZE);
        },
    });
}

}  // extern "C"
