// Argument checks of the command functions: a refused argument returns its code and
// nothing reaches the instrument. Run against the simulator so "nothing" is checked on
// the wire, not assumed.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "driver/zk7416.h"
#include "tests/driver/driver_calls.h"
#include "tests/driver/driver_fixture.h"

namespace driver_test {
namespace {

struct RangeCase {
    const char* name;
    std::function<int32_t(int32_t handle)> call;
    int32_t expected;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

// Argument checks come before any transport, so one transport serves.
class RefusedCalls : public OnGpib {
  protected:
    void expect_nothing_sent() { EXPECT_EQ(log(), Lines{}); }
};

class ArgumentRanges : public RefusedCalls, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(ArgumentRanges, RefusedWithTheArgumentsCodeAndNothingSent) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(c.call(handle()), c.expected);
    EXPECT_EQ(zk7416_last_status(), c.expected);
    expect_nothing_sent();
}

// Where several arguments are out of range, the first by code must win.
const RangeCase kCases[] = {
    {"register_out3", CALL(zk7416_system_set_register(h, 2, 2, 2)), -2},
    {"register_out2", CALL(zk7416_system_set_register(h, 1, 2, 0)), -3},
    {"register_out1", CALL(zk7416_system_set_register(h, 1, 1, -1)), -4},
    {"meas_averaging_type", CALL(zk7416_set_config_meas(h, 2, 101, 2, 2, 2, 4, 4)), -2},
    {"meas_averaging_count", CALL(zk7416_set_config_meas(h, 0, 101, 2, 2, 2, 4, 4)), -3},
    {"meas_load", CALL(zk7416_set_config_meas(h, 0, 100, 2, 2, 2, 4, 4)), -4},
    {"meas_init_cont", CALL(zk7416_set_config_meas(h, 0, 0, 0, -1, 2, 4, 4)), -5},
    {"meas_volt_limit", CALL(zk7416_set_config_meas(h, 0, 0, 0, 0, 2, 4, 4)), -6},
    {"meas_mode", CALL(zk7416_set_config_meas(h, 0, 0, 0, 0, 0, 4, 4)), -7},
    {"meas_nplc", CALL(zk7416_set_config_meas(h, 1, 0, 1, 1, 1, 3, 4)), -8},
    {"range", CALL(zk7416_set_config_range(h, 8)), -2},
    {"auto_range_low", CALL(zk7416_set_config_auto_range(h, 0, 9)), -2},
    {"auto_range_upp", CALL(zk7416_set_config_auto_range(h, 1, 8)), -3},
    {"auto_range_equal", CALL(zk7416_set_config_auto_range(h, 4, 4)), -4},
    {"auto_range_reversed", CALL(zk7416_set_config_auto_range(h, 5, 3)), -4},
    {"tcomp_state", CALL(zk7416_set_config_temp_compensation(h, 2, 9, 1e6, 1e6)), -2},
    {"tcomp_source", CALL(zk7416_set_config_temp_compensation(h, 1, 4, 1e6, 1e6)), -3},
    {"tcomp_reference_low", CALL(zk7416_set_config_temp_compensation(h, 1, 0, -9999.91, 0)), -4},
    {"tcomp_reference_high", CALL(zk7416_set_config_temp_compensation(h, 1, 0, 9999.9005, 0)), -4},
    {"scale_input_kind", CALL(zk7416_set_config_scale_ui_input(h, 2, 99, 99, 999, 999)), -2},
    {"scale_t1_before_x1", CALL(zk7416_set_config_scale_ui_input(h, 0, 15, 2, 800.1, 999)), -5},
    {"scale_t2", CALL(zk7416_set_config_scale_ui_input(h, 1, 25, 2, 0, -200.1)), -6},
    {"scale_voltage_x1", CALL(zk7416_set_config_scale_ui_input(h, 0, 15, 11, 0, 100)), -3},
    {"scale_current_x2", CALL(zk7416_set_config_scale_ui_input(h, 1, 15, 20.5, 0, 100)), -4},
    {"scale_get_input_kind", CALL(zk7416_get_config_scale_ui_input(h, -1, 0, 0, 0, 0)), -2},
    {"coefficient_set", CALL(zk7416_set_config_temp_coefficient(h, 0, 5)), -2},
    {"coefficient_get", CALL(zk7416_get_config_temp_coefficient(h, 11, nullptr)), -2},
    {"coefficient_active", CALL(zk7416_set_active_temp_coefficient(h, 11)), -2},
    {"comparator_state", CALL(zk7416_set_config_comparator_mode(h, 2, 2, 2)), -2},
    {"comparator_relative", CALL(zk7416_set_config_comparator_mode(h, 0, 2, 2)), -3},
    {"comparator_fault", CALL(zk7416_set_config_comparator_mode(h, 1, 1, 2)), -4},
    {"envelope_state", CALL(zk7416_set_envelope_state(h, 2)), -2},
    {"datalogger_state", CALL(zk7416_set_datalogger_state(h, -1)), -2},
    {"name_block", CALL(zk7416_set_datalogger_name(h, 32, nullptr)), -2},
    {"name_missing", CALL(zk7416_set_datalogger_name(h, 31, nullptr)), -4},
    {"name_get_block", CALL(zk7416_get_datalogger_name(h, -1, nullptr)), -2},
    {"size_block", CALL(zk7416_set_datalogger_block_size(h, 32, -1)), -2},
    {"size_values", CALL(zk7416_set_datalogger_block_size(h, 0, 20001)), -3},
    {"size_get_block", CALL(zk7416_get_datalogger_block_size(h, 32, nullptr)), -2},
    {"filter_block", CALL(filter(h, 32, 6, 0, 100, 60, 60, 0)), -2},
    {"filter_mode", CALL(filter(h, 0, 6, 0, 100, 60, 60, 0)), -3},
    {"filter_hours", CALL(filter(h, 0, 4, 2, 100, 60, 60, 0)), -7},
    {"filter_minutes", CALL(filter(h, 0, 4, 2, 99, 60, 60, 0)), -8},
    {"filter_seconds", CALL(filter(h, 0, 4, 2, 0, 59, 60, 0)), -9},
    {"filter_delta_small", CALL(filter(h, 0, 5, 2, 100, 60, 60, 0.000009)), -10},
    {"filter_delta_large", CALL(filter(h, 0, 5, 2, 100, 60, 60, 200000.1)), -10},
    {"clear_block", CALL(zk7416_datalogger_clear_block(h, 32)), -2},
    {"active_by_name_flag", CALL(zk7416_set_active_datalogger_block(h, 2, 40, nullptr)), -2},
    {"active_block", CALL(zk7416_set_active_datalogger_block(h, 0, 32, nullptr)), -3},
    {"counts_block", CALL(zk7416_datalogger_read_num_counts(h, 32, nullptr)), -2},
    {"read_block_block", CALL(zk7416_datalogger_read_block(h, -1, 0, 0, 0, 0)), -2},
    {"read_block_index_low", CALL(zk7416_datalogger_read_block(h, 0, 0, 0, 0, 0)), -3},
    {"read_block_index_high", CALL(zk7416_datalogger_read_block(h, 0, 20001, 0, 0, 0)), -3},
    {"statistics_block_first", CALL(zk7416_datalogger_read_eval_values(0, 40, 0, 0, 0, 0)), -2},
    {"display_mode", CALL(zk7416_set_config_display_mode(h, 3, 0.0, 2)), -2},
    {"display_resolution", CALL(zk7416_set_config_display_mode(h, 2, 0.0, 2)), -3},
    {"display_first_option", CALL(zk7416_set_config_display_options(h, 2, 0, 0, 0, 0, 0, 0, 2)),
     -2},
    {"display_last_option", CALL(zk7416_set_config_display_options(h, 1, 1, 1, 1, 1, 1, 1, 2)), -9},
    {"contrast", CALL(zk7416_set_config_display_contrast(h, 1.5)), -2},
    {"printer_state", CALL(zk7416_set_config_printer_state(h, 2)), -2},
    {"printer_first_item", CALL(printer_mode(h, 2, 2, 0, "x", 0, 0, 0)), -2},
    {"printer_last_item", CALL(printer_mode(h, 1, 2, 0, "x", 0, 0, 0)), -6},
    {"printer_header", CALL(printer_mode(h, 1, 1, 1001, "abcdefghijk", 100, 0, 0)), -7},
    {"printer_label_eleven", CALL(printer_mode(h, 1, 1, 1000, "abcdefghijk", 100, 0, 0)), -8},
    {"printer_hours", CALL(printer_mode(h, 1, 1, 1, "", 100, 60, 60)), -9},
    {"printer_minutes", CALL(printer_mode(h, 1, 1, 1, "", 99, 60, 60)), -10},
    {"printer_seconds", CALL(printer_mode(h, 1, 1, 1, "", 99, 59, 60)), -11},
    {"memory_store", CALL(zk7416_set_config_memory(h, 33)), -2},
    {"memory_recall", CALL(zk7416_get_config_memory(h, -1)), -2},
    {"memory_label_number", CALL(zk7416_set_config_memory_label(h, 33, nullptr)), -2},
    {"memory_label_get_number", CALL(zk7416_get_config_memory_label(h, 33, nullptr)), -2},
    {"access_meas", CALL(access_with_bad(h, 0, 18)), -2},
    {"access_comp", CALL(access_with_bad(h, 3)), -5},
    {"access_comm_before_mem", CALL(access_with_bad(h, 5, 6)), -6},
    {"access_mem", CALL(access_with_bad(h, 5, 4)), -7},
    {"access_cont", CALL(access_with_bad(h, 4)), -8},
    {"access_cal_before_dat", CALL(access_with_bad(h, 11, 10)), -11},
    {"access_dat_before_scal", CALL(access_with_bad(h, 10, 9)), -12},
    {"access_scal", CALL(access_with_bad(h, 9)), -13},
    {"access_manr", CALL(access_with_bad(h, 18)), -20},
    {"clock_hour", CALL(zk7416_system_date_time(h, 24, 60, 60, 0, 13, 1899)), -2},
    {"clock_minute", CALL(zk7416_system_date_time(h, 23, 60, 60, 0, 13, 1899)), -3},
    {"clock_second", CALL(zk7416_system_date_time(h, 0, 59, 60, 0, 13, 1899)), -4},
    {"clock_day", CALL(zk7416_system_date_time(h, 0, 0, 59, 0, 13, 1899)), -5},
    {"clock_month", CALL(zk7416_system_date_time(h, 0, 0, 0, 31, 13, 1899)), -6},
    {"clock_year", CALL(zk7416_system_date_time(h, 7, 4, 9, 5, 3, 1899)), -7},
    {"keyboard", CALL(zk7416_system_keyboard(h, 2)), -2},
    {"cal_state", CALL(zk7416_cal_state(h, 2)), -2},
    {"cal_fres_range_7", CALL(zk7416_cal_fres(h, 7, 1.0)), -2},
    {"cal_20mv_point", CALL(zk7416_cal_20mV_mode(h, 2)), -2},
    {"cal_voltage_point", CALL(zk7416_cal_voltage_mode(h, -1)), -2},
    {"cal_pt100_point", CALL(zk7416_cal_pt100_mode(h, 2, 100.0)), -2},
};

INSTANTIATE_TEST_SUITE_P(CommandFunctions, ArgumentRanges, ::testing::ValuesIn(kCases), case_name);

TEST_F(RefusedCalls, TheFilterCountIsCheckedForEveryMode) {
    for (int32_t mode = 0; mode <= 5; ++mode) {
        EXPECT_EQ(filter(handle(), 0, mode, 1, 0, 0, 0, 1.0), -4) << "mode " << mode;
        EXPECT_EQ(filter(handle(), 0, mode, 10000, 0, 0, 0, 1.0), -4) << "mode " << mode;
    }
    expect_nothing_sent();
}

TEST_F(RefusedCalls, OverlongNamesAndLabelsAreRefusedUntouched) {
    char name[] = "abcde fghij";
    EXPECT_EQ(zk7416_set_datalogger_name(handle(), 0, name), -4);
    EXPECT_EQ(zk7416_set_active_datalogger_block(handle(), 0, 1, name), -4)
        << "the name is checked when selecting by number too";
    EXPECT_EQ(zk7416_set_config_memory_label(handle(), 32, name), -3);
    EXPECT_STREQ(name, "abcde fghij");
    char label[] = "a b c d e f";
    EXPECT_EQ(zk7416_set_config_printer_mode(handle(), 0, 0, 0, 0, 0, 1, label, 0, 0, 0), -8);
    EXPECT_STREQ(label, "a b c d e f");
    expect_nothing_sent();
}

}  // namespace
}  // namespace driver_test
