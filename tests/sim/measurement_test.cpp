// The measurement engine through the instrument core: pace, single and continuous
// measuring, ranging, the answers in each display mode, and the registers.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "case_name.h"
#include "model_bench.h"

namespace sim_test {
namespace {

using namespace tarvolux::sim;
using std::chrono::milliseconds;

TEST(Measurement, ASingleMeasurementGivesOneValueAndTheFetchTakesTheValueBitBack) {
    ModelBench bench;
    EXPECT_EQ(bench.query("FE?"), "");
    EXPECT_EQ(bench.next_error(), -230) << "no value yet";
    bench.send({"init:cont off", "IN"});
    EXPECT_EQ(bench.query("S:O:C?"), "16") << "measuring";
    bench.wait(milliseconds(99));
    EXPECT_EQ(bench.query("S:O:C?"), "16");
    bench.wait(milliseconds(1));
    EXPECT_EQ(bench.query("S:O:C?"), "256") << "a value, and measuring ended";
    EXPECT_EQ(bench.query("FE?"), "12.345MOHM");
    EXPECT_EQ(bench.query("S:O:C?"), "0");
    EXPECT_EQ(bench.query("STAT:OPER?"), "16") << "the start was latched";
    EXPECT_EQ(bench.query("STAT:OPER?"), "0");
    bench.wait(milliseconds(1000));
    EXPECT_EQ(bench.query("S:O:C?"), "0") << "no second value";
    EXPECT_EQ(bench.query("FE?"), "12.345MOHM") << "the last value stays readable";
}

TEST(Measurement, ContinuousMeasuringKeepsThePaceUntilAbortedAndThenIsIdle) {
    ModelBench bench;
    bench.send({"CALC:LIM:STAT 1", "init:cont on", "IN"});
    bench.wait(milliseconds(1050));
    EXPECT_EQ(bench.query("CALC:LIM:REP?"), "LOW 10,PASS 0,HIGH 0");
    EXPECT_EQ(bench.query("S:O:C?"), "272");
    bench.send({"AB"});
    bench.wait(milliseconds(1000));
    EXPECT_EQ(bench.query("CALC:LIM:REP?"), "LOW 10,PASS 0,HIGH 0");
    EXPECT_EQ(bench.query("S:O:C?"), "256");
    bench.query("STAT:OPER?");
    EXPECT_EQ(bench.query("STAT:OPER?"), "0") << "idle after AB";
}

struct PaceCase {
    const char* name;
    std::vector<std::string> setup;
    int milliseconds;
};

void PrintTo(const PaceCase& c, std::ostream* os) {
    *os << c.name;
}

const PaceCase PACE_CASES[] = {
    {"Min", {"sens:fres:nplc min"}, 20},
    {"Med", {"sens:fres:nplc med"}, 200},
    {"Max", {"sens:fres:nplc max"}, 1000},
    {"RepeatingAverage", {"SENSE:AVER:TCON REP", "sens:aver:coun 4"}, 400},
    {"MovingAverage", {"SENSE:AVER:TCON MOV", "sens:aver:coun 4"}, 100},
    {"InductiveLoad", {"sens:fres:load comp", "sens:fres:nplc min"}, 40},
};

class Pace : public ::testing::TestWithParam<PaceCase> {};

TEST_P(Pace, TheValueComesAfterTheMeasuringTime) {
    ModelBench bench;
    bench.send(GetParam().setup);
    bench.send({"init:cont off", "IN"});
    bench.wait(milliseconds(GetParam().milliseconds - 1));
    EXPECT_EQ(bench.query("S:O:C?"), "16");
    bench.wait(milliseconds(1));
    EXPECT_EQ(bench.query("S:O:C?"), "256");
}

INSTANTIATE_TEST_SUITE_P(Settings, Pace, ::testing::ValuesIn(PACE_CASES), case_name);

struct RangingCase {
    const char* name;
    std::vector<std::string> setup;
    double ohms;
    std::string value;
    std::string range;  // "SENSE:FRES:RANG?"
};

void PrintTo(const RangingCase& c, std::ostream* os) {
    *os << c.name;
}

const RangingCase RANGING_CASES[] = {
    {"AutoSmallest", {}, 0.012345, "12.345MOHM", "200MOHM"},
    {"AutoAtFullScaleGoesUp", {}, 0.2, "0.20000OHM", "2OHM"},
    {"AutoMiddle", {}, 150.0, "150.00OHM", "200OHM"},
    {"AutoBeyondLargest", {}, 250000.0, ">>>", "200KOHM"},
    {"AutoKeepsAboveLowerLimit",
     {":SENSE:FRES:RANG:LOW 2OHM", ":SENSE:FRES:RANG:UPP 20OHM"},
     0.01,
     "0.01000OHM",
     "2OHM"},
    {"AutoOverloadsBeyondUpperLimit",
     {":SENSE:FRES:RANG:LOW 2OHM", ":SENSE:FRES:RANG:UPP 20OHM"},
     25.0,
     ">>>",
     "20OHM"},
    {"Fixed",
     {"SENSE:FRES:RANG:AUTO OFF", ":SENSE:FRES:RANG:MAN 2KOHM"},
     1234.5,
     "1.2345KOHM",
     "2KOHM"},
    {"FixedBelowItsLimit",
     {"SENSE:FRES:RANG:AUTO OFF", ":SENSE:FRES:RANG:MAN 20OHM"},
     19.999,
     "19.999OHM",
     "20OHM"},
    {"FixedOverload",
     {"SENSE:FRES:RANG:AUTO OFF", ":SENSE:FRES:RANG:MAN 20OHM"},
     20.0,
     ">>>",
     "20OHM"},
    {"Coarse", {"sens:fres:res 0.0005"}, 0.012346, "12.35MOHM", "200MOHM"},
};

class Ranging : public ::testing::TestWithParam<RangingCase> {};

TEST_P(Ranging, ValueAndRangeInUse) {
    ModelBench bench;
    bench.send(GetParam().setup);
    EXPECT_EQ(bench.measure(GetParam().ohms), GetParam().value);
    EXPECT_EQ(bench.query("SENSE:FRES:RANG?"), GetParam().range);
    EXPECT_EQ(bench.query(":STAT:QUES:FRES?"), "0") << "an overload is no questionable cause";
}

INSTANTIATE_TEST_SUITE_P(Ranges, Ranging, ::testing::ValuesIn(RANGING_CASES), case_name);

TEST(Measurement, RangeSettingsAreReadBackAsTheDriverParsesThem) {
    ModelBench bench;
    EXPECT_EQ(bench.query("SENSE:FRES:RANG:AUTO?"), "1,200MOHM");
    bench.send({"SENSE:FRES:RANG:AUTO OFF", ":SENSE:FRES:RANG:MAN 20OHM"});
    EXPECT_EQ(bench.query("SENSE:FRES:RANG:AUTO?"), "0,20OHM");
    EXPECT_EQ(bench.query("SENSE:FRES:RANG:MAN?"), "20OHM");
    // Limits sent in either order end up as sent.
    bench.send({":SENSE:FRES:RANG:LOW 2KOHM", ":SENSE:FRES:RANG:UPP 200KOHM"});
    bench.send({":SENSE:FRES:RANG:LOW 2OHM", ":SENSE:FRES:RANG:UPP 20OHM"});
    EXPECT_EQ(bench.query("SENSE:FRES:RANG:LOW?"), "2OHM");
    EXPECT_EQ(bench.query("SENSE:FRES:RANG:UPP?"), "20OHM");
    bench.instrument.execute(":SENSE:FRES:RANG:MAN 300OHM");
    EXPECT_EQ(bench.next_error(), -222);
    EXPECT_EQ(bench.query("SENSE:FRES:RANG:MAN?"), "20OHM");
}

TEST(Measurement, QuestionableCausesMakeTheValueFailAndRaiseTheQuestionableEvent) {
    ModelBench bench;
    bench.modify([](InstrumentState& s) { s.status.set_resistance_causes(0xC0); });
    bench.query(":STAT:QUES?");
    EXPECT_EQ(bench.measure(0.01), ">>>");
    EXPECT_EQ(bench.query(":STAT:QUES:FRES?"), "C0");
    EXPECT_EQ(bench.query(":STAT:QUES?"), "512") << "raised again by the value";
    bench.modify([](InstrumentState& s) { s.status.set_resistance_causes(0); });
    EXPECT_EQ(bench.measure(0.01), "10.000MOHM");
}

TEST(Measurement, TheReferenceModeStartsWithTheReferenceMeasurement) {
    ModelBench bench;
    bench.send({"sens:fres:mode refc"});
    EXPECT_EQ(bench.query("sens:fres:mode?"), "REFC");
    EXPECT_EQ(bench.measure(0.01), "000");
    EXPECT_EQ(bench.measure(0.01), "10.000MOHM");
}

struct DisplayCase {
    const char* name;
    std::vector<std::string> setup;
    double ohms;
    std::string answer;
};

void PrintTo(const DisplayCase& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<std::string> TWO_LIMITS = {"CALC:LIM:COUN 2", "CALC:LIM:LOW 0.010000",
                                             "CALC:LIM:UPP 0.020000"};

const DisplayCase DISPLAY_CASES[] = {
    {"DeltaAbove", {"sens:fres:ref  0.010000", "calc:math:expr DELT"}, 0.012344, "+2.344MOHM"},
    {"DeltaBelow", {"sens:fres:ref  0.010000", "calc:math:expr DELT"}, 0.0095, "-0.500MOHM"},
    {"DeltaOverload",
     {"calc:math:expr DELT", "SENSE:FRES:RANG:AUTO OFF", ":SENSE:FRES:RANG:MAN 2OHM"},
     3.0,
     ">>>"},
    {"LimitPass", with(TWO_LIMITS, {"calc:math:expr LIM"}), 0.015, "PASS"},
    {"LimitLow", with(TWO_LIMITS, {"calc:math:expr LIM"}), 0.005, "LOW"},
    {"LimitHigh", with(TWO_LIMITS, {"calc:math:expr LIM"}), 0.025, "HIGH"},
    {"LimitOverloadNotClassified",
     with(TWO_LIMITS, {"calc:math:expr LIM", ":SENSE:FRES:RANG:UPP 2OHM"}), 3.0, ">>>"},
    {"LimitOverloadCountsHigh",
     with(TWO_LIMITS, {"calc:math:expr LIM", ":SENSE:FRES:RANG:UPP 2OHM", "calc:lim:faul upp"}),
     3.0, "HIGH"},
    {"TemperatureCompensated",
     {"SENS:TCOM:STAT 1", "sens:tcom MAN", "SENS:TCOM:TEMP:REF 20.000000",
      "SENS:TCOM:TEMP 30.000000", "SENS:TCOM:TCO:SEL 1"},
     0.01,
     "9.622MOHM"},  // 10 mOhm / (1 + 3930 ppm/K * 10 K)
};

class Display : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(Display, TheValueIsAnsweredAsTheModeShowsIt) {
    ModelBench bench;
    bench.send(GetParam().setup);
    EXPECT_EQ(bench.measure(GetParam().ohms), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(Modes, Display, ::testing::ValuesIn(DISPLAY_CASES), case_name);

TEST(Measurement, DisplayModeReferenceAndResolutionReadBack) {
    ModelBench bench;
    bench.send({"SENSE:FRES:RANG:MAN?", "calc:math:expr DELT", "sens:fres:ref  0.012500",
                "sens:fres:res 0.0005"});
    EXPECT_EQ(bench.query("calc:math:expr?"), "DELTA");
    EXPECT_EQ(bench.query("sens:fres:ref?"), "12.5MOHM");
    EXPECT_EQ(bench.query("sens:fres:res?"), "0.0005");
    bench.send({"calc:math:expr LIM", "sens:fres:res 0.00005"});
    EXPECT_EQ(bench.query("calc:math:expr?"), "LIMIT");
    EXPECT_EQ(bench.query("sens:fres:res?"), "0.00005");
}

}  // namespace
}  // namespace sim_test
