// Comparator classification and counts, the acknowledgement of a limit set, and the
// envelope report.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "case_name.h"
#include "model_bench.h"

namespace sim_test {
namespace {

using namespace tarvolux::sim;

const std::vector<std::string> TWO = {"CALC:LIM:STAT 1", "CALC:LIM:COUN 2",
                                      "CALC:LIM:LOW 10.000000", "CALC:LIM:UPP 20.000000"};
const std::vector<std::string> FOUR = {"CALC:LIM:STAT 1",        "CALC:LIM:COUN 4",
                                       "CALC:LIM:GW1 5.000000",  "CALC:LIM:GW2 10.000000",
                                       "CALC:LIM:GW3 20.000000", "CALC:LIM:GW4 30.000000"};

struct ClassCase {
    const char* name;
    std::vector<std::string> setup;
    std::vector<double> values;  // ohms; 1e9 overloads
    std::string report;
};

void PrintTo(const ClassCase& c, std::ostream* os) {
    *os << c.name;
}

const ClassCase CLASS_CASES[] = {
    {"TwoLimitsWithBoundsPassing", TWO, {9.99, 10.0, 15.0, 20.0, 20.01}, "LOW 1,PASS 3,HIGH 1"},
    {"FourLimits",
     FOUR,
     {4.0, 5.0, 9.0, 10.0, 20.0, 25.0, 30.0, 31.0},
     "LOW2 1,LOW1 2,PASS 2,HIGH1 2,HIGH2 1"},
    {"Relative",
     {"sens:fres:ref  100.000000", "CALC:LIM:REL 1", "CALC:LIM:STAT 1", "CALC:LIM:COUN 2",
      "CALC:LIM:LOW -1.000000", "CALC:LIM:UPP 1.000000"},
     {98.0, 99.5, 100.5, 102.0},
     "LOW 1,PASS 2,HIGH 1"},
    {"OverloadNotCountedWithoutFaultMode", TWO, {15.0, 1e9}, "LOW 0,PASS 1,HIGH 0"},
    {"OverloadCountsHighInFaultModeUpper",
     with(TWO, {"calc:lim:faul upp"}),
     {15.0, 1e9},
     "LOW 0,PASS 1,HIGH 1"},
    {"OverloadCountsTopClassOfFourLimits",
     with(FOUR, {"calc:lim:faul upp"}),
     {1e9},
     "LOW2 0,LOW1 0,PASS 0,HIGH1 0,HIGH2 1"},
    {"NothingCountedWhileOff", with(TWO, {"CALC:LIM:STAT 0"}), {15.0}, "LOW 0,PASS 0,HIGH 0"},
};

class Classes : public ::testing::TestWithParam<ClassCase> {};

TEST_P(Classes, EveryValueIsCountedInItsClass) {
    ModelBench bench;
    bench.send(GetParam().setup);
    EXPECT_EQ(bench.query("CALC:LIM:ACKNOWLEDGE?"), "1");
    for (const double ohms : GetParam().values) bench.measure(ohms);
    EXPECT_EQ(bench.query("CALC:LIM:REP?"), GetParam().report);
    bench.send({"CALC:LIM:CLE"});
    const std::regex count(" [0-9]+");
    EXPECT_EQ(bench.query("CALC:LIM:REP?"), std::regex_replace(GetParam().report, count, " 0"));
}

INSTANTIATE_TEST_SUITE_P(Comparator, Classes, ::testing::ValuesIn(CLASS_CASES), case_name);

TEST(Comparator, ALimitSetOutOfOrderIsAcknowledgedWith0AndTheLastGoodSetStays) {
    ModelBench bench;
    bench.send(TWO);
    bench.send({"CALC:LIM:COUN 2", "CALC:LIM:LOW 30.000000", "CALC:LIM:UPP 25.000000"});
    EXPECT_EQ(bench.query("CALC:LIM:ACKNOWLEDGE?"), "0");
    EXPECT_EQ(bench.query("CALC:LIM:LOW?"), "10OHM");
    EXPECT_EQ(bench.query("CALC:LIM:UPP?"), "20OHM");
    bench.measure(15.0);
    EXPECT_EQ(bench.query("CALC:LIM:REP?"), "LOW 0,PASS 1,HIGH 0") << "classified as before";

    bench.send(FOUR);
    bench.send({"CALC:LIM:GW3 40.000000"});  // above GW4
    EXPECT_EQ(bench.query("CALC:LIM:ACKNOWLEDGE?"), "0");
    EXPECT_EQ(bench.query("CALC:LIM:GW3?"), "20OHM");
    EXPECT_EQ(bench.query("CALC:LIM:ACKNOWLEDGE?"), "1");
    // Equal limits are out of order too.
    bench.send({"CALC:LIM:GW2 20.000000"});
    EXPECT_EQ(bench.query("CALC:LIM:ACKNOWLEDGE?"), "0");
}

TEST(Comparator, SettingsReadBackWithUnitWords) {
    ModelBench bench;
    bench.send({"CALC:LIM:STAT 1", "CALC:LIM:REL 1", "calc:lim:faul upp", "CALC:LIM:COUN 4",
                "CALC:LIM:GW1 0.012500", "CALC:LIM:GW2 0.500000", "CALC:LIM:GW3 150.000000",
                "CALC:LIM:GW4 2500.000000"});
    EXPECT_EQ(bench.query("CALC:LIM:STAT?"), "1");
    EXPECT_EQ(bench.query("CALC:LIM:REL?"), "1");
    EXPECT_EQ(bench.query("calc:lim:faul?"), "UPP");
    EXPECT_EQ(bench.query("CALC:LIM:COUN?"), "4");
    EXPECT_EQ(bench.query("CALC:LIM:GW1?"), "12.5MOHM");
    EXPECT_EQ(bench.query("CALC:LIM:GW2?"), "500MOHM");
    EXPECT_EQ(bench.query("CALC:LIM:GW3?"), "150OHM");
    EXPECT_EQ(bench.query("CALC:LIM:GW4?"), "2.5KOHM");
    bench.instrument.execute("CALC:LIM:COUN 3");
    EXPECT_EQ(bench.next_error(), -224);
    EXPECT_EQ(bench.query("CALC:LIM:COUN?"), "4");
}

TEST(Envelope, ReportsMinimumMaximumAndSpanOfTheValuesWhileOn) {
    ModelBench bench;
    EXPECT_EQ(bench.query("SENS:ENV:REP:DATA?"), "ENVELOPE CLEARED");
    bench.measure(0.5);
    EXPECT_EQ(bench.query("SENS:ENV:REP:DATA?"), "ENVELOPE CLEARED") << "off: nothing kept";
    bench.send({"SENS:ENV:STAT 1"});
    EXPECT_EQ(bench.query("SENS:ENV:STAT?"), "1");
    for (const double ohms : {0.0123, 0.0121, 1e9, 1.5}) bench.measure(ohms);
    EXPECT_EQ(bench.query("SENS:ENV:REP:DATA?"), "12.100MOHM,1.5000OHM,1.4879OHM");
    bench.send({"SENS:ENV:CLE"});
    EXPECT_EQ(bench.query("SENS:ENV:REP:DATA?"), "ENVELOPE CLEARED");
}

}  // namespace
}  // namespace sim_test
