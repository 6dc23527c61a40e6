// The datalogger: which values each filter keeps, capacity and sizes, the block that
// switches logging off when full, the read-outs of both firmware generations and the
// statistics.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "case_name.h"
#include "model_bench.h"

namespace sim_test {
namespace {

using namespace tarvolux::sim;
using std::chrono::milliseconds;

// Logging into block 3, one single measurement per value.
void start_logging(ModelBench& bench, const std::vector<std::string>& setup) {
    bench.send({"DAT:SIZE 3,100", "DAT:SEL:BLOCK 3"});
    bench.send(setup);
    bench.send({"DAT:STAT 1"});
}

struct Step {
    double ohms;       // 1e9 overloads
    int pause_ms = 0;  // before the measurement
};

struct FilterCase {
    const char* name;
    std::vector<std::string> setup;
    std::vector<Step> steps;
    std::string kept;  // "DA? 3,1"
};

void PrintTo(const FilterCase& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<std::string> COMPARATOR = {"CALC:LIM:STAT 1", "CALC:LIM:COUN 2",
                                             "CALC:LIM:LOW 1.500000", "CALC:LIM:UPP 2.500000"};

const FilterCase FILTER_CASES[] = {
    {"All", {"DAT:FILT 3,ALL"}, {{1}, {2}, {1e9}}, "1.0000OHM,2.0000OHM,>>>"},
    {"NoFail",
     with(COMPARATOR, {"DAT:FILT 3,NOFAIL"}),
     {{1}, {2}, {3}, {1e9}, {2.2}},
     "2.0000OHM,2.2000OHM"},
    {"Fail",
     with(COMPARATOR, {"DAT:FILT 3,FAIL"}),
     {{1}, {2}, {3}, {1e9}},
     "1.0000OHM,3.0000OHM,>>>"},
    {"FailWithoutComparatorIsTheFaultyOnly", {"DAT:FILT 3,FAIL"}, {{1}, {1e9}, {3}}, ">>>"},
    {"EveryNth",
     {"DAT:FILT 3,XVAL", "DAT:FILT:XVAL 3,3"},
     {{1}, {2}, {3}, {4}, {5}, {6}, {7}},
     "3.0000OHM,6.0000OHM"},
    {"Interval",
     {"DAT:FILT 3,YTIME", "DAT:FILT:YTIM 3,00,00,01"},
     {{1}, {2, 300}, {3, 300}, {4, 300}, {5, 300}, {6, 300}},
     "1.0000OHM,4.0000OHM"},
    {"Delta",
     {"DAT:FILT 3,DELTA", "DAT:FILT:DELT 3,0.500000"},
     {{1.0}, {1.2}, {1.6}, {1e9}, {1.7}, {2.2}, {1.5}},
     "1.0000OHM,1.6000OHM,2.2000OHM,1.5000OHM"},
};

class Filters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(Filters, KeepWhatTheFilterLetsThrough) {
    ModelBench bench;
    bench.send({":SENSE:FRES:RANG:LOW 2OHM", ":SENSE:FRES:RANG:UPP 20OHM"});
    start_logging(bench, GetParam().setup);
    for (const Step& step : GetParam().steps) {
        bench.wait(milliseconds(step.pause_ms));
        bench.measure(step.ohms);
    }
    EXPECT_EQ(bench.query("DA? 3,1"), GetParam().kept);
    EXPECT_EQ(bench.query("DAT:STAT?"), "1");
}

INSTANTIATE_TEST_SUITE_P(Datalogger, Filters, ::testing::ValuesIn(FILTER_CASES), case_name);

TEST(Datalogger, FilterSettingsReadBackAsTheDriverParsesThem) {
    ModelBench bench;
    bench.send({"DAT:FILT 4,NOFAIL", "DAT:FILT:XVAL 4,25", "DAT:FILT:YTIM 4,01,05,09",
                "DAT:FILT:DELT 4,0.000010"});
    EXPECT_EQ(bench.query("DAT:FILT? 4"), "NOF");
    EXPECT_EQ(bench.query("DAT:FILT:XVAL? 4"), "25");
    EXPECT_EQ(bench.query("DAT:FILT:YTIM? 4"), "01,05,09");
    EXPECT_EQ(bench.query("DAT:FILT:DELT? 4"), "0.00001");
    for (const char* keyword : {"ALL", "FAIL", "XVAL", "YTIME", "DELTA"}) {
        bench.send({std::string("DAT:FILT 4,") + keyword});
        EXPECT_EQ(std::string(keyword).rfind(bench.query("DAT:FILT? 4"), 0), 0u) << keyword;
    }
}

TEST(Datalogger, SizesStayWithinTheCapacityAndAboveTheValuesHeld) {
    ModelBench newer;
    EXPECT_EQ(newer.query("DAT:SIZE?"), "32000");
    EXPECT_EQ(newer.query("DAT:SIZE? 0"), "500");
    newer.instrument.execute("DAT:SIZE 0,20000");  // 31 blocks of 500 take 15500
    EXPECT_EQ(newer.next_error(), -221);
    newer.send({"DAT:SIZE 0,16500"});
    EXPECT_EQ(newer.query("DAT:SIZE? 0"), "16500");
    newer.instrument.execute("DAT:SIZE 1,20001");
    EXPECT_EQ(newer.next_error(), -222);

    ModelBench older(Firmware::Old);
    EXPECT_EQ(older.query("DAT:SIZE?"), "20000");
    older.instrument.execute("DAT:SIZE 0,4501");
    EXPECT_EQ(older.next_error(), -221);
    older.send({"DAT:SIZE 0,4500", "DAT:STAT 1"});
    older.measure(1.0);
    older.measure(2.0);
    older.instrument.execute("DAT:SIZE 0,1");
    EXPECT_EQ(older.next_error(), -221) << "would drop a stored value";
    older.send({"DAT:SIZE 0,2"});
}

TEST(Datalogger, LoggingSwitchesItselfOffWhenTheActiveBlockIsFull) {
    ModelBench bench;
    bench.send({"DAT:SIZE 3,2", "DAT:SEL:BLOCK 3", "DAT:STAT 1", "init:cont on", "IN"});
    bench.wait(milliseconds(150));
    EXPECT_EQ(bench.query("DAT:STAT?"), "1");
    bench.wait(milliseconds(100));
    EXPECT_EQ(bench.query("DAT:STAT?"), "0");
    bench.wait(milliseconds(500));
    EXPECT_EQ(bench.query("DAT:COUNT? 3"), "2");
    bench.send({"DAT:CLEAR 3"});
    EXPECT_EQ(bench.query("DAT:COUNT? 3"), "0");
}

// 25 values, 1 to 25 ohms, a second apart from 5 March 2024, 07:04:09.
void fill_block(ModelBench& bench) {
    bench.send({"syst:date 2024,03,05", "syst:time 07,04,09", "DAT:SEL:BLOCK 0", "DAT:STAT 1"});
    for (int n = 1; n <= 25; ++n) {
        bench.wait(milliseconds(900));
        bench.measure(n);
    }
}

TEST(Datalogger, ChunksOf20ValuesAnd7RecordsWithTheNewerFirmwaresDates) {
    ModelBench bench;
    fill_block(bench);
    EXPECT_EQ(bench.query("DAT:COUNT? 0"), "25");
    const std::string chunk = bench.query("DA? 0,1");
    EXPECT_EQ(chunk.substr(0, 20), "1.0000OHM,2.0000OHM,");
    EXPECT_EQ(std::count(chunk.begin(), chunk.end(), ','), 19);
    EXPECT_EQ(bench.query("DA? 0,21"), "21.000OHM,22.000OHM,23.000OHM,24.000OHM,25.000OHM");
    const std::string records = bench.query("DV? 0,1");
    const std::string first_two =
        "1.0000OHM,05,03,2024,07,04,10,00,2.0000OHM,05,03,2024,07,04,11,00,";
    EXPECT_EQ(records.substr(0, first_two.size()), first_two);
    EXPECT_EQ(std::count(records.begin(), records.end(), ','), 7 * 8 - 1);
    EXPECT_EQ(bench.query("dat:data:all? 0,25"), "25.000OHM,05,03,2024,07,04,34,00");
    EXPECT_EQ(bench.query("DAT:DATA:FRES? 0,3"), "3.0000OHM");
    EXPECT_LT(records.size() + 2, 300u) << "a chunk fits the driver's buffer";

    bench.query("DAT:DATA:FRES? 0,26");
    EXPECT_EQ(bench.next_error(), -222);
    bench.query("DV? 0,0");
    EXPECT_EQ(bench.next_error(), -222);
}

TEST(Datalogger, TheOlderFirmwareWritesTwoDigitYears) {
    ModelBench bench(Firmware::Old);
    fill_block(bench);
    EXPECT_EQ(bench.query("DV? 0,24"),
              "24.000OHM,05,03,24,07,04,33,00,25.000OHM,05,03,24,07,04,34,00");
    EXPECT_EQ(bench.query("dat:data:all? 0,1"), "1.0000OHM,05,03,24,07,04,10,00");
}

TEST(Datalogger, StatisticsOverTheMeasuredValuesOrBlockEmpty) {
    ModelBench bench;
    for (const char* query : {"DAT:MIN? 0", "DAT:max? 0", "DAT:AVER? 0", "DAT:DEV? 0"})
        EXPECT_EQ(bench.query(query), "BLOCK EMPTY") << query;
    bench.send({"DAT:STAT 1"});
    for (const double ohms : {1.0, 1e9, 2.0, 3.0}) bench.measure(ohms);
    EXPECT_EQ(bench.query("DAT:MIN? 0"), "1.0000OHM");
    EXPECT_EQ(bench.query("DAT:max? 0"), "3.0000OHM");
    EXPECT_EQ(bench.query("DAT:AVER? 0"), "2.0000OHM");
    EXPECT_EQ(bench.query("DAT:DEV? 0"), "1.0000OHM");
    bench.send({"DAT:CLEAR 0"});
    EXPECT_EQ(bench.query("DAT:max? 0"), "BLOCK EMPTY");
}

TEST(Datalogger, NamesAndTheActiveBlockByNumberOrName) {
    ModelBench bench;
    EXPECT_EQ(bench.query("DAT:STATE:NAME? 7"), "BLOCK_07");
    bench.send({"DAT:STATE:DEF Probe_A,7", "DAT:SEL:NAME Probe_A"});
    EXPECT_EQ(bench.query("DAT:STATE:NAME? 7"), "Probe_A");
    EXPECT_EQ(bench.query("DAT:SEL:BLOCK?"), "7");
    for (const auto& [line, error] :
         std::vector<std::pair<std::string, int>>{{"DAT:STATE:DEF ABCDEFGHIJK,7", -222},
                                                  {"DAT:STATE:DEF Probe A,7", -224},
                                                  {"DAT:STATE:DEF Probe_B,32", -222},
                                                  {"DAT:SEL:NAME Nobody", -224},
                                                  {"DAT:SEL:BLOCK 32", -222}}) {
        bench.instrument.execute(line);
        EXPECT_EQ(bench.next_error(), error) << line;
    }
    EXPECT_EQ(bench.query("DAT:STATE:NAME? 7"), "Probe_A");
    EXPECT_EQ(bench.query("DAT:SEL:BLOCK?"), "7");
    bench.send({"DAT:SEL:BLOC 2"});
    EXPECT_EQ(bench.query("DAT:SEL:BLOCK?"), "2");
}

}  // namespace
}  // namespace sim_test
