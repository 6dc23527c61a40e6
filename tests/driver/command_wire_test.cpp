// What the setters send: the exact command lines in their order, over both doors, and
// how a failing command ends a sequence.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "driver/zk7416.h"
#include "tests/driver/driver_calls.h"
#include "tests/driver/driver_fixture.h"

namespace driver_test {
namespace {

struct WireCase {
    const char* name;
    std::function<int32_t(int32_t handle)> call;
    Lines wire;
    // The door refuses every command after this many; the call then gives the refusal's
    // status instead of `expected`.
    int refused_after = -1;
    int32_t expected = 0;
};

void PrintTo(const WireCase& c, std::ostream* os) {
    *os << c.name;
}

class CommandWire : public ::testing::TestWithParam<std::tuple<Transport, WireCase>>,
                    public Connected {
  protected:
    void SetUp() override { connect(std::get<0>(GetParam())); }
};

TEST_P(CommandWire, SendsExactlyTheseLines) {
    const WireCase& c = std::get<1>(GetParam());
    const int32_t expected = c.refused_after < 0 ? c.expected : refuse_after(*sim, c.refused_after);
    EXPECT_EQ(c.call(handle()), expected);
    EXPECT_EQ(zk7416_last_status(), expected);
    EXPECT_EQ(log(), c.wire);
}

int32_t set_name(int32_t h, int32_t block, const char* name) {
    char text[16];
    std::strcpy(text, name);
    return zk7416_set_datalogger_name(h, block, text);
}

int32_t select_block(int32_t h, int32_t by_name, int32_t block, const char* name) {
    char text[16];
    std::strcpy(text, name);
    return zk7416_set_active_datalogger_block(h, by_name, block, text);
}

const WireCase kWireCases[] = {
    {"register_output", CALL(zk7416_system_set_register(h, 1, 0, 1)), {"REG:OUTP 5"}},
    {"meas_start", CALL(zk7416_meas_start(h)), {"IN"}},
    {"meas_configuration_in_instrument_order",
     CALL(zk7416_set_config_meas(h, 1, 16, 1, 1, 0, 2, 3)),
     {"SENSE:AVER:TCON REP", "sens:aver:coun 16", "init:cont on", "sour:volt:lim:stat off",
      "sens:fres:load comp", "sens:fres:mode onec", "sens:fres:nplc stan"}},
    {"range_automatic_alone", CALL(zk7416_set_config_range(h, 0)), {":SENSE:FRES:RANG:AUTO ON"}},
    {"range_fixed_after_automatic_off",
     CALL(zk7416_set_config_range(h, 3)),
     {"SENSE:FRES:RANG:AUTO OFF", ":SENSE:FRES:RANG:MAN 20OHM"}},
    {"auto_range_lower_limit_first",
     CALL(zk7416_set_config_auto_range(h, 2, 7)),
     {":SENSE:FRES:RANG:LOW 2OHM", ":SENSE:FRES:RANG:UPP 200KOHM"}},
    {"temperature_manual_source",
     CALL(zk7416_set_config_temp_compensation(h, 1, 0, 20.5, -12.25)),
     {"SENS:TCOM:STAT 1", "sens:tcom MAN", "SENS:TCOM:TEMP:REF 20.500000",
      "SENS:TCOM:TEMP -12.250000"}},
    {"temperature_sensor_ignores_manual",
     CALL(zk7416_set_config_temp_compensation(h, 0, 1, -9999.9, 1e6)),
     {"SENS:TCOM:STAT 0", "sens:tcom PT100", "SENS:TCOM:TEMP:REF -9999.900000"}},
    {"temperature_manual_checked_last",
     CALL(zk7416_set_config_temp_compensation(h, 1, 0, 9999.9, 1e6)),
     {"SENS:TCOM:STAT 1", "sens:tcom MAN", "SENS:TCOM:TEMP:REF 9999.900000"},
     -1,
     -5},
    // The first failing command ends a sequence with its status, before the check of the
    // manual temperature and before the acknowledge query of a limit set.
    {"refused_command_ends_the_sequence",
     CALL(zk7416_set_config_meas(h, 0, 1, 0, 0, 0, 0, 0)),
     {"SENSE:AVER:TCON MOV", "sens:aver:coun 1"},
     2},
    {"refused_command_before_the_manual_temperature",
     CALL(zk7416_set_config_temp_compensation(h, 1, 0, 20.0, 1e6)),
     {"SENS:TCOM:STAT 1"},
     1},
    {"refused_limit_before_the_acknowledge_query",
     CALL(zk7416_set_config_4_limit_comparator(h, 1.0, 2.0, 3.0, 4.0)),
     {"CALC:LIM:COUN 4", "CALC:LIM:GW1 1.000000", "CALC:LIM:GW2 2.000000"},
     3},
    {"pt100_scale",
     CALL(zk7416_set_config_scale_pt100(h, 100.0, 0.00385, -0.5)),
     {"SCAL:PT100 100.000000,0.003850,-0.500000"}},
    {"pt100_scale_keeps_every_digit",
     CALL(zk7416_set_config_scale_pt100(h, 100.0, 0.0039083, -5.775e-7)),
     {"SCAL:PT100 100.000000,0.0039083,-0.0000005775"}},
    {"milliohm_limits_keep_every_digit",
     CALL(zk7416_set_config_2_limit_comparator(h, 0.0151234, 0.0153)),
     {"CALC:LIM:COUN 2", "CALC:LIM:LOW 0.0151234", "CALC:LIM:UPP 0.015300",
      "CALC:LIM:ACKNOWLEDGE?"}},
    {"voltage_scale",
     CALL(zk7416_set_config_scale_ui_input(h, 0, 1.5, 10.0, -200.0, 120.0)),
     {"SCAL:VOLT 1.500000,10.000000,-200.000000,120.000000"}},
    {"current_scale_with_unit",
     CALL(zk7416_set_config_scale_ui_input(h, 1, 15.0, 4.0, 0.0, 800.0)),
     {"SCAL:CURR 15.000000MA,4.000000MA,0.000000,800.000000"}},
    {"coefficients",
     CALL(zk7416_set_config_temp_coefficient(h, 3, -3930) ||
          zk7416_set_active_temp_coefficient(h, 10)),
     {"SENS:TCOM:TCO 3,-3930", "SENS:TCOM:TCO:SEL 10"}},
    {"comparator_mode",
     CALL(zk7416_set_config_comparator_mode(h, 1, 0, 1)),
     {"CALC:LIM:STAT 1", "CALC:LIM:REL 0", "calc:lim:faul upp"}},
    {"comparator_and_envelope",
     CALL(zk7416_comparator_clear(h) || zk7416_set_envelope_state(h, 1) ||
          zk7416_envelope_clear(h)),
     {"CALC:LIM:CLE", "SENS:ENV:STAT 1", "SENS:ENV:CLE"}},
    {"datalogger_state", CALL(zk7416_set_datalogger_state(h, 0)), {"DAT:STAT 0"}},
    {"name_blank_between_words", CALL(set_name(h, 3, "ab cd")), {"DAT:STATE:DEF ab_cd,3"}},
    {"name_trailing_blank_kept", CALL(set_name(h, 31, " x y ")), {"DAT:STATE:DEF _x_y ,31"}},
    {"block_size", CALL(zk7416_set_datalogger_block_size(h, 31, 20000)), {"DAT:SIZE 31,20000"}},
    {"filter_all", CALL(filter(h, 0, 0, 2, 0, 0, 0, 0.0)), {"DAT:FILT 0,ALL"}},
    {"filter_no_fail", CALL(filter(h, 1, 1, 9999, 100, 100, 100, -1.0)), {"DAT:FILT 1,NOFAIL"}},
    {"filter_fail", CALL(filter(h, 2, 2, 2, 0, 0, 0, 0.0)), {"DAT:FILT 2,FAIL"}},
    {"filter_every_nth",
     CALL(filter(h, 7, 3, 25, 0, 0, 0, 0.0)),
     {"DAT:FILT 7,XVAL", "DAT:FILT:XVAL 7,25"}},
    {"filter_interval_two_digit_fields",
     CALL(filter(h, 3, 4, 2, 1, 5, 9, 0.0)),
     {"DAT:FILT 3,YTIME", "DAT:FILT:YTIM 3,01,05,09"}},
    {"filter_delta",
     CALL(filter(h, 31, 5, 2, 0, 0, 0, 1e-05)),
     {"DAT:FILT 31,DELTA", "DAT:FILT:DELT 31,0.000010"}},
    {"clear_block", CALL(zk7416_datalogger_clear_block(h, 5)), {"DAT:CLEAR 5"}},
    {"active_block", CALL(select_block(h, 0, 12, "a b")), {"DAT:SEL:BLOCK 12"}},
    {"display_options_in_order",
     CALL(zk7416_set_config_display_options(h, 1, 0, 1, 0, 1, 0, 1, 0)),
     {"disp:rang 1", "disp:curr 0", "disp:temp 1", "disp:samp 0", "disp:trig 1", "disp:auto 0",
      "disp:load 1", "disp:meas 0"}},
    {"contrast", CALL(zk7416_set_config_display_contrast(h, 0.25)), {":DISP:CONT 0.250000"}},
    {"printer_state",
     CALL(zk7416_set_config_printer_state(h, 0) || zk7416_set_config_printer_state(h, 1)),
     {"HCOP:ABORT", "HCOP"}},
    {"printer_mode",
     CALL(printer_mode(h, 1, 1, 250, "Los 7 ", 1, 5, 0)),
     {"HCOP:ITEM:TEMP:STAT 1", "HCOP:ITEM:NUM:STAT 0", "HCOP:ITEM:LAB:STAT 0",
      "HCOP:ITEM:TIME:STAT 0", "HCOP:ITEM:DATE:STAT 1", "HCOP:HEAD 250",
      "HCOP:ITEM:LAB:TEXT Los_7_", "HCOP:TDST 01,05,00"}},
    {"printer_counter_reset", CALL(zk7416_printer_counter_reset(h)), {"HCOP:NUM:RES"}},
    {"memories",
     CALL(zk7416_set_config_memory(h, 32) || zk7416_get_config_memory(h, 0)),
     {"*SAV 32", "*RCL 0"}},
    {"clock_two_digit_fields",
     CALL(zk7416_system_date_time(h, 7, 4, 9, 5, 3, 2024)),
     {"syst:date 2024,03,05", "syst:time 07,04,09"}},
    {"keyboard", CALL(zk7416_system_keyboard(h, 1)), {"syst:kloc 1"}},
    {"calibration_state",
     CALL(zk7416_cal_state(h, 1) || zk7416_cal_state(h, 0)),
     {"CAL:STAT ON", "CAL:STAT OFF"}},
    {"calibration_ranges",
     CALL(zk7416_cal_fres(h, 0, 0.1) || zk7416_cal_fres(h, 6, 100000.0)),
     {"CAL:FRES 200MOHM,0.100000", "CAL:FRES 200KOHM,100000.000000"}},
    {"calibration_20mv",
     CALL(zk7416_cal_20mV_mode(h, 1) || zk7416_cal_20mV_init(h) ||
          zk7416_cal_20mV(h, 0.01, 0.02, -0.03)),
     {"CAL:20MV:HIGH", "CAL:20MV:INIT", "CAL:20MV 0.010000,0.020000,-0.030000"}},
    {"calibration_voltage",
     CALL(zk7416_cal_voltage_mode(h, 0) || zk7416_cal_voltage_init(h) ||
          zk7416_cal_voltage(h, 1.0, 9.5)),
     {"CAL:VOLT:LOW", "CAL:VOLT:INIT", "CAL:VOLT 1.000000,9.500000"}},
    {"calibration_current_and_pt100",
     CALL(zk7416_cal_current(h, 10.0) || zk7416_cal_pt100_mode(h, 1, 138.5) || zk7416_cal_pt100(h)),
     {"CAL:CURR 10.000000", "CAL:PT100:HIGH 138.500000", "CAL:PT100"}},
};

INSTANTIATE_TEST_SUITE_P(Setters, CommandWire,
                         ::testing::Combine(::testing::Values(Transport::Rs232, Transport::Gpib),
                                            ::testing::ValuesIn(kWireCases)),
                         [](const auto& info) {
                             return transport_name({std::get<0>(info.param), info.index}) + "_" +
                                    std::get<1>(info.param).name;
                         });

using Wire = DriverOnSim;

TEST_P(Wire, NamesAndLabelsArePreparedInTheCallersBuffer) {
    char name[] = " a b ";
    ASSERT_EQ(zk7416_set_datalogger_name(handle(), 1, name), 0);
    EXPECT_STREQ(name, "_a_b ") << "the last character is not examined";
    char block_name[] = "x y";
    ASSERT_EQ(zk7416_set_active_datalogger_block(handle(), 0, 1, block_name), 0);
    EXPECT_STREQ(block_name, "x y") << "selecting by number leaves the name alone";
    ASSERT_EQ(zk7416_set_active_datalogger_block(handle(), 1, 1, block_name), 0);
    EXPECT_STREQ(block_name, "x_y");
    char label[] = " p q ";
    ASSERT_EQ(zk7416_set_config_printer_mode(handle(), 0, 0, 0, 0, 0, 1, label, 0, 0, 0), 0);
    EXPECT_STREQ(label, "_p_q_") << "every blank of the printer label becomes an underscore";
    char memory_label[] = "m n ";
    ASSERT_EQ(zk7416_set_config_memory_label(handle(), 2, memory_label), 0);
    EXPECT_STREQ(memory_label, "m_n ");
}

TEST_P(Wire, AccessLocksGoOutInTheInstrumentsOrderEachFromItsOwnArgument) {
    for (int set = 0; set < 19; ++set) {
        int32_t f[19] = {};
        f[set] = 1;
        clear_log();
        ASSERT_EQ(access(handle(), f), 0);
        Lines expected;
        for (const auto& [keyword, argument] : kAccessLocks)
            expected.push_back(std::string("acc:") + keyword + (argument == set ? " 1" : " 0"));
        EXPECT_EQ(log(), expected) << "argument " << set << " set";
    }
}

DRIVER_ON_BOTH_TRANSPORTS(Wire);

}  // namespace
}  // namespace driver_test
