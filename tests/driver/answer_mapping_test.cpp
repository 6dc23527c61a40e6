// What the getters make of the instrument's answers - keywords compared whole and
// without regard to case, leading numbers, unit suffixes, fields - and which queries
// they send for it. Answers are scripted, so odd ones can be fed in.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver/zk7416.h"
#include "tests/driver/driver_calls.h"
#include "tests/driver/driver_fixture.h"

namespace driver_test {
namespace {

using Answers = DriverOnSim;

TEST_P(Answers, MeasurementConfigurationKeywordsAndNumbers) {
    for (auto [header, text] : {std::pair{"SENSE:AVER:TCON?", "mov"},
                                {"sens:aver:coun?", "16"},
                                {"sens:fres:load?", "comp"},
                                {"init:cont?", "1"},
                                {"sour:volt:lim:stat?", "0"},
                                {"sens:fres:mode?", "ONEC"},
                                {"sens:fres:nplc?", "Stan"}})
        answer(header, text);
    int32_t v[7] = {9, 9, 9, 9, 9, 9, 9};
    EXPECT_EQ(zk7416_get_config_meas(handle(), &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]), 0);
    EXPECT_EQ(std::vector<int32_t>(v, v + 7), (std::vector<int32_t>{0, 16, 1, 1, 0, 2, 3}));
    EXPECT_EQ(log(), (Lines{"SENSE:AVER:TCON?", "sens:aver:coun? ", "sens:fres:load?", "init:cont?",
                            "sour:volt:lim:stat?", "sens:fres:mode?", "sens:fres:nplc?"}));

    // Anything but MOV / REAL is the other setting; unknown modes change nothing.
    for (auto [header, text] : {std::pair{"SENSE:AVER:TCON?", "MOVING"},
                                {"sens:aver:coun?", "x"},
                                {"sens:fres:load?", "REAL"},
                                {"init:cont?", ""},
                                {"sour:volt:lim:stat?", "1"},
                                {"sens:fres:mode?", "refc "},
                                {"sens:fres:nplc?", "minimum"}})
        answer(header, text);
    EXPECT_EQ(zk7416_get_config_meas(handle(), &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]), 0);
    EXPECT_EQ(std::vector<int32_t>(v, v + 7), (std::vector<int32_t>{1, 16, 0, 1, 1, 2, 3}));
}

TEST_P(Answers, AutomaticRangingIsAskedFirstAndWins) {
    int32_t range = 5;
    answer("SENSE:FRES:RANG:AUTO?", "1,200KOHM");
    EXPECT_EQ(zk7416_get_config_range(handle(), &range), 0);
    EXPECT_EQ(range, 0);
    EXPECT_EQ(log(), (Lines{"SENSE:FRES:RANG:AUTO?"}));

    clear_log();
    answer("SENSE:FRES:RANG:AUTO?", "0,200KOHM");
    answer("SENSE:FRES:RANG:MAN?", "20ohm extra");
    EXPECT_EQ(zk7416_get_config_range(handle(), &range), 0);
    EXPECT_EQ(range, 3);
    EXPECT_EQ(log(), (Lines{"SENSE:FRES:RANG:AUTO?", "SENSE:FRES:RANG:MAN?"}));

    answer("SENSE:FRES:RANG:AUTO?", "0");
    answer("SENSE:FRES:RANG:MAN?", "2000KOHM");
    EXPECT_EQ(zk7416_get_config_range(handle(), &range), 0);
    EXPECT_EQ(range, 3) << "a text that names no range changes nothing";

    int32_t low = 0, upp = 0;
    answer("SENSE:FRES:RANG:LOW?", "200MOHM");
    answer("SENSE:FRES:RANG:UPP?", "  200kohm 1");
    EXPECT_EQ(zk7416_get_config_auto_range(handle(), &low, &upp), 0);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(upp, 7);
}

TEST_P(Answers, AFailingQueryKeepsWhatWasReadBefore) {
    answer("SENSE:AVER:TCON?", "REP");
    answer("sens:aver:coun?", "42");
    int32_t refused = refuse_after(*sim, 2);
    int32_t v[7] = {9, 9, 9, 9, 9, 9, 9};
    EXPECT_EQ(zk7416_get_config_meas(handle(), &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]),
              refused);
    EXPECT_EQ(std::vector<int32_t>(v, v + 7), (std::vector<int32_t>{1, 42, 9, 9, 9, 9, 9}));
    EXPECT_EQ(log().size(), 2u);
}

TEST_P(Answers, TheManualTemperatureIsReadOnlyForTheManualSource) {
    answer("SENS:TCOM:STAT?", "1");
    answer("SENS:TCOM?", "man");
    answer("SENS:TCOM:TEMP:REF?", "20.5 C");
    answer("SENS:TCOM:TEMP?", "-3.25");
    int32_t state = 0, source = 9;
    double reference = 0.0, manual = 0.0;
    EXPECT_EQ(zk7416_get_config_temp_compensation(handle(), &state, &source, &reference, &manual),
              0);
    EXPECT_EQ(state, 1);
    EXPECT_EQ(source, 0);
    EXPECT_DOUBLE_EQ(reference, 20.5);
    EXPECT_DOUBLE_EQ(manual, -3.25);
    EXPECT_EQ(log(),
              (Lines{"SENS:TCOM:STAT?", "SENS:TCOM?", "SENS:TCOM:TEMP:REF?", "SENS:TCOM:TEMP?"}));

    for (const char* other : {"IINP", "TEMP"}) {
        clear_log();
        source = 0;
        manual = 99.0;
        answer("SENS:TCOM?", other);
        EXPECT_EQ(
            zk7416_get_config_temp_compensation(handle(), &state, &source, &reference, &manual), 0);
        EXPECT_EQ(source, std::string(other) == "IINP" ? 3 : 0) << other;
        EXPECT_EQ(manual, 99.0) << other;
        EXPECT_EQ(log().size(), 3u) << "no manual temperature after " << other;
    }
}

TEST_P(Answers, ScalingFieldsAreReadUpToTheFirstWithoutANumber) {
    double x1 = 0, x2 = 0, t1 = 0, t2 = 0;
    answer("SCAL:CURR?", "4.000000MA,20.000000MA,-10.000000,100.000000");
    EXPECT_EQ(zk7416_get_config_scale_ui_input(handle(), 1, &x1, &x2, &t1, &t2), 0);
    EXPECT_EQ((std::vector<double>{x1, x2, t1, t2}), (std::vector<double>{4, 20, -10, 100}));
    // A field that holds no number ends the reading; later fields are not taken.
    answer("SCAL:VOLT?", "1.5,2.5,none,7");
    EXPECT_EQ(zk7416_get_config_scale_ui_input(handle(), 0, &x1, &x2, &t1, &t2), 0);
    EXPECT_EQ((std::vector<double>{x1, x2, t1, t2}), (std::vector<double>{1.5, 2.5, -10, 100}));
}

TEST_P(Answers, ComparatorSettingsLimitsAndCounts) {
    int32_t state = 9, relative = 9, fault = 9;
    answer("CALC:LIM:STAT?", "1");
    answer("CALC:LIM:REL?", "0");
    answer("calc:lim:faul?", "none");
    EXPECT_EQ(zk7416_get_config_comparator_mode(handle(), &state, &relative, &fault), 0);
    EXPECT_EQ((std::vector<int32_t>{state, relative, fault}), (std::vector<int32_t>{1, 0, 0}));
    answer("calc:lim:faul?", "NONE ");
    EXPECT_EQ(zk7416_get_config_comparator_mode(handle(), &state, &relative, &fault), 0);
    EXPECT_EQ(fault, 1) << "only the whole word NONE is no fault mode";

    double low = 0, upp = 0;
    answer("CALC:LIM:LOW?", "12.5MOHM");
    answer("CALC:LIM:UPP?", "2KOHM");
    EXPECT_EQ(zk7416_get_config_2_limit_comparator(handle(), &low, &upp), 0);
    EXPECT_DOUBLE_EQ(low, 0.0125);
    EXPECT_DOUBLE_EQ(upp, 2000.0);

    double gw[4] = {9, 9, 9, 9};
    for (auto [header, text] : {std::pair{"CALC:LIM:GW1?", "1"},
                                {"CALC:LIM:GW2?", "2.5OHM"},
                                {"CALC:LIM:GW3?", "MOHM"},
                                {"CALC:LIM:GW4?", "abc"}})
        answer(header, text);
    EXPECT_EQ(zk7416_get_config_4_limit_comparator(handle(), &gw[0], &gw[1], &gw[2], &gw[3]), 0);
    EXPECT_EQ(std::vector<double>(gw, gw + 4), (std::vector<double>{1.0, 2.5, 0.0, 0.0}));

    int32_t c[5] = {-1, -1, -1, -1, -1};
    answer("CALC:LIM:REP?", "LOW 5,PASS 10,HIGH 2");
    EXPECT_EQ(zk7416_comparator_2_limit_report(handle(), &c[0], &c[1], &c[2]), 0);
    EXPECT_EQ(std::vector<int32_t>(c, c + 3), (std::vector<int32_t>{5, 10, 2}));
    answer("CALC:LIM:REP?", "R<GW1 1, GW1<R<GW2 22,PASS 333,X 4,GW4<R 55555");
    EXPECT_EQ(zk7416_comparator_4_limit_report(handle(), &c[0], &c[1], &c[2], &c[3], &c[4]), 0);
    EXPECT_EQ(std::vector<int32_t>(c, c + 5), (std::vector<int32_t>{1, 22, 333, 4, 55555}));
    answer("CALC:LIM:REP?", "LOW 7,PASS,HIGH 8");
    EXPECT_EQ(zk7416_comparator_2_limit_report(handle(), &c[0], &c[1], &c[2]), 0);
    EXPECT_EQ(std::vector<int32_t>(c, c + 3), (std::vector<int32_t>{7, 22, 333}))
        << "an item without a count ends the reading";
}

TEST_P(Answers, LimitSetsAreAcknowledgedByTheInstrument) {
    answer("CALC:LIM:ACKNOWLEDGE?", "0");
    EXPECT_EQ(zk7416_set_config_4_limit_comparator(handle(), 1.0, 2.0, 3.0, 4.0),
              ZK7416_LIMITS_NOT_ACKNOWLEDGED);
    EXPECT_EQ(log(),
              (Lines{"CALC:LIM:COUN 4", "CALC:LIM:GW1 1.000000", "CALC:LIM:GW2 2.000000",
                     "CALC:LIM:GW3 3.000000", "CALC:LIM:GW4 4.000000", "CALC:LIM:ACKNOWLEDGE?"}));

    clear_log();
    answer("CALC:LIM:ACKNOWLEDGE?", "1");
    EXPECT_EQ(zk7416_set_config_2_limit_comparator(handle(), 0.0125, 2000.0), 0);
    EXPECT_EQ(log(), (Lines{"CALC:LIM:COUN 2", "CALC:LIM:LOW 0.012500", "CALC:LIM:UPP 2000.000000",
                            "CALC:LIM:ACKNOWLEDGE?"}));

    answer("CALC:LIM:ACKNOWLEDGE?", "");
    EXPECT_EQ(zk7416_set_config_2_limit_comparator(handle(), 1.0, 2.0),
              ZK7416_LIMITS_NOT_ACKNOWLEDGED)
        << "an answer without a number is no acknowledgement";
}

TEST_P(Answers, EnvelopeReportFieldsStayInsideTheirBuffers) {
    char first[40], second[40], third[40];
    auto reset = [&] {
        std::memset(first, 'x', sizeof first);
        std::memset(second, 'x', sizeof second);
        std::memset(third, 'x', sizeof third);
    };
    reset();
    answer("SENS:ENV:REP:DATA?", "1.234OHM,5.678OHM,3.3OHM,rest");
    EXPECT_EQ(zk7416_envelope_read_report(handle(), first, second, third), 0);
    EXPECT_STREQ(first, "1.234OHM");
    EXPECT_STREQ(second, "5.678OHM");
    EXPECT_STREQ(third, "3.3OHM,rest") << "the third field runs to the end";

    reset();
    answer("SENS:ENV:REP:DATA?", "ENVELOPE CLEARED");
    EXPECT_EQ(zk7416_envelope_read_report(handle(), first, second, third), 0);
    EXPECT_STREQ(first, "ENVELOPE CLEARED");
    EXPECT_EQ(second[0], 'x');
    EXPECT_EQ(third[0], 'x');

    reset();
    const std::string longer(45, 'L');
    answer("SENS:ENV:REP:DATA?", longer + "," + longer + "," + longer);
    EXPECT_EQ(zk7416_envelope_read_report(handle(), first, second, third), 0);
    EXPECT_EQ(std::string(first), longer.substr(0, ZK7416_ENVELOPE_FIELD_SIZE - 1));
    EXPECT_EQ(std::string(second), longer.substr(0, ZK7416_ENVELOPE_FIELD_SIZE - 1));
    EXPECT_EQ(std::string(third), longer.substr(0, ZK7416_ENVELOPE_LAST_FIELD_SIZE - 1));
    EXPECT_EQ(first[ZK7416_ENVELOPE_FIELD_SIZE], 'x');
    EXPECT_EQ(third[ZK7416_ENVELOPE_LAST_FIELD_SIZE], 'x');
}

TEST_P(Answers, DisplayModeReferenceAndResolution) {
    answer("calc:math:expr?", "DELTA");
    answer("sens:fres:ref?", "12.5KOHM 1");
    answer("sens:fres:res?", "0.0005");
    int32_t mode = 9, resolution = 9;
    double reference = 0;
    EXPECT_EQ(zk7416_get_config_display_mode(handle(), &mode, &reference, &resolution), 0);
    EXPECT_EQ(mode, 1);
    EXPECT_DOUBLE_EQ(reference, 12500.0);
    EXPECT_EQ(resolution, 0);

    answer("calc:math:expr?", "LIM");
    answer("sens:fres:ref?", "0.5MOHM");
    answer("sens:fres:res?", "0.00005");
    EXPECT_EQ(zk7416_get_config_display_mode(handle(), &mode, &reference, &resolution), 0);
    EXPECT_EQ(mode, 1) << "the short form LIM is not the answer LIMIT";
    EXPECT_DOUBLE_EQ(reference, 0.0005);
    EXPECT_EQ(resolution, 1);

    clear_log();
    answer("SENSE:FRES:RANG:MAN?", "2OHM");
    EXPECT_EQ(zk7416_set_config_display_mode(handle(), 1, 12.5, 1), 0);
    EXPECT_EQ(log(), (Lines{"SENSE:FRES:RANG:MAN?", "calc:math:expr DELT",
                            "sens:fres:ref  12.500000", "sens:fres:res 0.00005"}));
}

TEST_P(Answers, PrinterSettingsAndItsLabelField) {
    for (auto [header, text] : {std::pair{"HCOP:ITEM:TEMP:STAT?", "1"},
                                {"HCOP:ITEM:NUM:STAT?", "0"},
                                {"HCOP:ITEM:LAB:STAT?", "1"},
                                {"HCOP:ITEM:TIME:STAT?", "0"},
                                {"HCOP:ITEM:DATE:STAT?", "1"},
                                {"HCOP:HEAD?", "250"},
                                {"HCOP:ITEM:LAB:TEXT?", "ABCDEFGHIJKLMNOP more"},
                                {"HCOP:TDST?", "1,5,0"}})
        answer(header, text);
    int32_t p[9];
    std::fill(p, p + 9, 9);
    char label[ZK7416_LABEL_TEXT_SIZE + 4];
    std::memset(label, 'x', sizeof label);
    EXPECT_EQ(zk7416_get_config_printer_mode(handle(), &p[0], &p[1], &p[2], &p[3], &p[4], &p[5],
                                             label, &p[6], &p[7], &p[8]),
              0);
    EXPECT_EQ(std::vector<int32_t>(p, p + 9), (std::vector<int32_t>{1, 0, 1, 0, 1, 250, 1, 5, 0}));
    EXPECT_STREQ(label, "ABCDEFGHIJK");
    EXPECT_EQ(label[ZK7416_LABEL_TEXT_SIZE], 'x') << "nothing past the label field";
}

TEST_P(Answers, MemoryLabelsAccessLocksAndInputs) {
    char label[ZK7416_NAME_SIZE + 2];
    std::memset(label, 'x', sizeof label);
    answer("mem:stat:name?", "Probe_A B");
    EXPECT_EQ(zk7416_get_config_memory_label(handle(), 5, label), 0);
    EXPECT_STREQ(label, "Probe_A");
    EXPECT_EQ(log(), (Lines{"mem:stat:name? 5"}));

    // Each lock answers its own number, so a mix-up of arguments shows.
    clear_log();
    Lines queries;
    std::vector<int32_t> expected(19);
    for (int32_t n = 0; const auto& [keyword, argument] : kAccessLocks) {
        queries.push_back(std::string("acc:") + keyword + "?");
        answer(queries.back(), std::to_string(100 + n));
        expected[argument] = 100 + n++;
    }
    int32_t a[19];
    EXPECT_EQ(zk7416_get_config_device_access(handle(), &a[0], &a[1], &a[2], &a[3], &a[4], &a[5],
                                              &a[6], &a[7], &a[8], &a[9], &a[10], &a[11], &a[12],
                                              &a[13], &a[14], &a[15], &a[16], &a[17], &a[18]),
              0);
    EXPECT_EQ(std::vector<int32_t>(a, a + 19), expected);
    EXPECT_EQ(log(), queries);

    int32_t in[4] = {7, 7, 7, 7};
    answer("reg:inp?", "9");
    EXPECT_EQ(zk7416_system_get_register(handle(), &in[0], &in[1], &in[2], &in[3]), 0);
    EXPECT_EQ(std::vector<int32_t>(in, in + 4), (std::vector<int32_t>{1, 0, 0, 1}));
    answer("reg:inp?", "6");
    EXPECT_EQ(zk7416_system_get_register(handle(), &in[0], &in[1], &in[2], &in[3]), 0);
    EXPECT_EQ(std::vector<int32_t>(in, in + 4), (std::vector<int32_t>{0, 1, 1, 0}));
}

TEST_P(Answers, CalibratingIsBitZeroOfTheConditionRegister) {
    int32_t calibrating = 9;
    answer("STAT:OPER:COND?", "3");
    EXPECT_EQ(zk7416_get_cal_status(handle(), &calibrating), 0);
    EXPECT_EQ(calibrating, 1);
    answer("STAT:OPER:COND?", "2");
    EXPECT_EQ(zk7416_get_cal_status(handle(), &calibrating), 0);
    EXPECT_EQ(calibrating, 0);
    EXPECT_EQ(log(), (Lines{"STAT:OPER:COND?", "STAT:OPER:COND?"}));
}

DRIVER_ON_BOTH_TRANSPORTS(Answers);

}  // namespace
}  // namespace driver_test
