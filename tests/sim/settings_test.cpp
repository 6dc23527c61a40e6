// Settings memories, access locks, calibration, and settings refused when out of range.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "model_bench.h"

namespace sim_test {
namespace {

using namespace tarvolux::sim;

// One query per group a memory holds, and a setting that changes its answer.
struct Held {
    std::string setting;
    std::string query;
};
const Held HELD_BY_A_MEMORY[] = {
    {"sens:fres:nplc min", "sens:fres:nplc?"},
    {":SENSE:FRES:RANG:MAN 20OHM", "SENSE:FRES:RANG:MAN?"},
    {"calc:math:expr DELT", "calc:math:expr?"},
    {"CALC:LIM:GW1 0.500000", "CALC:LIM:GW1?"},
    {"CALC:LIM:STAT 1", "CALC:LIM:STAT?"},
    {"SENS:ENV:STAT 1", "SENS:ENV:STAT?"},
    {"SENS:TCOM:TCO 2,1234", "SENS:TCOM:TCO? 2"},
    {"SCAL:CURR 5.000000MA,15.000000MA,-10.000000,90.000000", "SCAL:CURR?"},
    {"HCOP:HEAD 7", "HCOP:HEAD?"},
    {"HCOP:ITEM:LAB:TEXT Line_3", "HCOP:ITEM:LAB:TEXT?"},
    {"acc:manr 1", "acc:manr?"},
};
// Settings of the instrument as a whole, which no memory holds.
const Held HELD_BY_THE_INSTRUMENT[] = {
    {"DAT:STATE:DEF Coil_7,4", "DAT:STATE:NAME? 4"},
    {"DAT:SIZE 4,250", "DAT:SIZE? 4"},
    {"DAT:FILT 4,FAIL", "DAT:FILT? 4"},
    {"mem:stat:def Probe,3", "mem:stat:name? 3"},
};

std::vector<std::string> answers(ModelBench& bench, std::span<const Held> held) {
    std::vector<std::string> out;
    for (const Held& h : held) out.push_back(bench.query(h.query));
    return out;
}

void apply(ModelBench& bench, std::span<const Held> held) {
    for (const Held& h : held) bench.send({h.setting});
}

TEST(Memories, SaveAndRecallMoveTheSettingsButNotTheDataloggerOrTheLabels) {
    ModelBench bench;
    const auto defaults = answers(bench, HELD_BY_A_MEMORY);
    const auto instrument_defaults = answers(bench, HELD_BY_THE_INSTRUMENT);
    apply(bench, HELD_BY_A_MEMORY);
    const auto changed = answers(bench, HELD_BY_A_MEMORY);
    for (std::size_t i = 0; i < changed.size(); ++i)
        ASSERT_NE(changed[i], defaults[i]) << HELD_BY_A_MEMORY[i].setting;
    bench.send({"*SAV 5", "*RST"});
    EXPECT_EQ(answers(bench, HELD_BY_A_MEMORY), defaults);

    bench.send({"DAT:STAT 1"});
    bench.measure(1.0);
    apply(bench, HELD_BY_THE_INSTRUMENT);
    const auto instrument_changed = answers(bench, HELD_BY_THE_INSTRUMENT);
    EXPECT_NE(instrument_changed, instrument_defaults);

    bench.send({"*RCL 5"});
    EXPECT_EQ(answers(bench, HELD_BY_A_MEMORY), changed);
    EXPECT_EQ(answers(bench, HELD_BY_THE_INSTRUMENT), instrument_changed);
    EXPECT_EQ(bench.query("DAT:COUNT? 0"), "1") << "stored values stay";

    bench.send({"*RCL 32"});
    EXPECT_EQ(answers(bench, HELD_BY_A_MEMORY), defaults);
    EXPECT_EQ(answers(bench, HELD_BY_THE_INSTRUMENT), instrument_changed);
    bench.instrument.execute("*SAV 32");
    EXPECT_EQ(bench.next_error(), -222) << "the default memory only recalls";
    bench.send({"*RCL 5"});
    EXPECT_EQ(answers(bench, HELD_BY_A_MEMORY), changed) << "memory 5 was not touched";
}

TEST(Memories, LabelsOfAllThirtyThreeMemories) {
    ModelBench bench;
    EXPECT_EQ(bench.query("mem:stat:name? 0"), "MEMORY_00");
    EXPECT_EQ(bench.query("mem:stat:name? 32"), "DEFAULT");
    bench.send({"mem:stat:def My_Set,32", "mem:stat:def ,1"});
    EXPECT_EQ(bench.query("mem:stat:name? 32"), "My_Set");
    EXPECT_EQ(bench.query("mem:stat:name? 1"), "") << "an empty label clears it";
}

struct RefusedCase {
    const char* setting;
    const char* query;
    int error;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.setting;
}

// Every setting refused keeps what was there: the query answers the default.
const RefusedCase REFUSED_CASES[] = {
    {"sens:aver:coun 101", "sens:aver:coun? ", -222},
    {"sens:fres:nplc fast", "sens:fres:nplc?", -224},
    {"sens:fres:ref  -1", "sens:fres:ref?", -222},
    {"sens:fres:res 0.001", "sens:fres:res?", -222},
    {":DISP:CONT 1.5", ":DISP:CONT?", -222},
    {"SENS:TCOM:TEMP:REF -10000.000000", "SENS:TCOM:TEMP:REF?", -222},
    {"SENS:TCOM:TEMP 10000.000000", "SENS:TCOM:TEMP?", -222},
    {"SCAL:VOLT 11.000000,5.000000,0.000000,100.000000", "SCAL:VOLT?", -222},
    {"SCAL:CURR 21.000000MA,5.000000MA,0.000000,100.000000", "SCAL:CURR?", -222},
    {"SENS:TCOM:TCO 11,100", "SENS:TCOM:TCO:SEL?", -222},
    {"HCOP:HEAD 1001", "HCOP:HEAD?", -222},
    {"HCOP:TDST 100,00,00", "HCOP:TDST?", -222},
    {"HCOP:ITEM:LAB:TEXT ABCDEFGHIJK", "HCOP:ITEM:LAB:TEXT?", -222},
    {"DAT:FILT:XVAL 3,1", "DAT:FILT:XVAL? 3", -222},
    {"DAT:FILT:YTIM 3,00,00,60", "DAT:FILT:YTIM? 3", -222},
    {"DAT:FILT:DELT 3,0.000001", "DAT:FILT:DELT? 3", -222},
    {"DAT:FILT 3,SOME", "DAT:FILT? 3", -224},
    {"REG:OUTP 8", "REG:OUTP?", -222},
    {"syst:date 2024,02,30", "syst:date?", -222},
    {"syst:date 2300,01,02", "syst:date?", -222},
    {"syst:time 24,00,00", "syst:time?", -222},
    {"acc:cal 2", "acc:cal?", -222},
    {"mem:stat:def Probe,33", "mem:stat:name? 32", -222},
};

class Refused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, TheErrorIsQueuedAndTheSettingKept) {
    ModelBench bench;
    const std::string before = bench.query(GetParam().query);
    bench.instrument.execute(GetParam().setting);
    EXPECT_EQ(bench.next_error(), GetParam().error);
    EXPECT_EQ(bench.query("*ESR?"), "16");
    EXPECT_EQ(bench.query(GetParam().query), before);
}

INSTANTIATE_TEST_SUITE_P(Settings, Refused, ::testing::ValuesIn(REFUSED_CASES));

TEST(Access, EachOfTheNineteenLocksIsItsOwn) {
    const std::vector<std::string> locks = {
        "acc:meas",     "acc:expr",     "acc:prin",     "acc:comp", "acc:mem",
        "acc:comm",     "acc:cont",     "acc:stat",     "acc:reg",  "acc:cal",
        "acc:dat",      "acc:scal",     "acc:date",     "acc:fast", "acc:lim:conf",
        "acc:lim:eval", "acc:env:conf", "acc:env:eval", "acc:manr"};
    for (const std::string& lock : locks) {
        ModelBench bench;
        bench.send({lock + " 1"});
        for (const std::string& other : locks)
            EXPECT_EQ(bench.query(other + "?"), other == lock ? "1" : "0") << lock << " " << other;
    }
}

TEST(Calibration, StepsNeedTheCalibrationModeAndSetTheCalibratingBitWhileTheyRun) {
    ModelBench bench;
    bench.instrument.execute("CAL:FRES 200MOHM,0.100000");
    EXPECT_EQ(bench.next_error(), -221);
    EXPECT_EQ(bench.query("STAT:OPER:COND?"), "0");

    bench.send({"CAL:STAT ON"});
    EXPECT_EQ(bench.query("CAL:STAT?"), "1");
    bench.send({"CAL:FRES 200MOHM,0.100000"});
    EXPECT_EQ(bench.query("STAT:OPER:COND?"), "1");
    bench.instrument.execute("CAL:20MV:LOW");
    EXPECT_EQ(bench.next_error(), -221) << "one step at a time";
    bench.wait(std::chrono::milliseconds(1999));
    EXPECT_EQ(bench.query("STAT:OPER:COND?"), "1");
    bench.wait(std::chrono::milliseconds(1));
    EXPECT_EQ(bench.query("STAT:OPER:COND?"), "0");

    bench.instrument.execute("CAL:FRES 200MOHM,0.300000");
    EXPECT_EQ(bench.next_error(), -222) << "the reference must lie inside the range";
    bench.instrument.execute("CAL:PT100");
    EXPECT_EQ(bench.next_error(), -221) << "needs both points first";
    bench.send({"CAL:20MV 1.000000,2.000000,3.000000", "CAL:VOLT 1.000000,2.000000",
                "CAL:PT100:LOW 100.000000"});
    EXPECT_EQ(bench.query("STAT:OPER:COND?"), "1");
    bench.send({"CAL:STAT OFF"});
    EXPECT_EQ(bench.query("STAT:OPER:COND?"), "0") << "leaving the mode ends the step";
}

TEST(Temperature, SourcesScalesAndTheSelectedCoefficientByItsValue) {
    ModelBench bench;
    bench.send({"SENS:TCOM:STAT 1", "sens:tcom MAN", "SENS:TCOM:TEMP:REF 20.500000",
                "SENS:TCOM:TEMP 18.250000"});
    EXPECT_EQ(bench.query("SENS:TCOM?"), "MAN");
    EXPECT_EQ(bench.query("SENS:TCOM:TEMP:REF?"), "20.5");
    EXPECT_EQ(bench.query("SENS:TCOM:TEMP?"), "18.25");
    bench.send({"sens:tcom PT100"});
    EXPECT_EQ(bench.query("SENS:TCOM:TEMP?"), "23") << "what the sensor measures";
    bench.send({"sens:tcom UINP", "SCAL:VOLT 0.000000,10.000000,-50.000000,150.000000"});
    EXPECT_EQ(bench.query("SENS:TCOM:TEMP?"), "-4") << "2.3 V on a -50..150 degree scale";
    bench.send({"sens:tcom IINP", "SCAL:CURR 4.000000MA,20.000000MA,0.000000,100.000000"});
    EXPECT_EQ(bench.query("SCAL:CURR?"), "4MA,20MA,0,100");
    EXPECT_EQ(bench.query("SENS:TCOM?"), "IINP");
    bench.send({"SCAL:PT100 100.000000,0.003908,-0.000001"});
    EXPECT_EQ(bench.query("SCAL:PT100?"), "100,0.003908,-0.000001");
    bench.send({"SENS:TCOM:TCO 7,4000", "SENS:TCOM:TCO:SEL 7"});
    EXPECT_EQ(bench.query("SENS:TCOM:TCO:SEL?"), "4000");
}

TEST(Printer, SettingsStateAndCounter) {
    ModelBench bench;
    bench.send({"HCOP:ITEM:TEMP:STAT 1", "HCOP:ITEM:DATE:STAT 0", "HCOP:TDST 00,00,01", "HCOP"});
    EXPECT_EQ(bench.query("HCOP:ITEM:TEMP:STAT?"), "1");
    EXPECT_EQ(bench.query("HCOP:ITEM:DATE:STAT?"), "0");
    EXPECT_EQ(bench.query("HCOP:TDST?"), "00,00,01");
    for (int i = 0; i < 15; ++i) bench.measure(1.0);  // 1.5 s of values
    EXPECT_EQ(bench.inspect([](const InstrumentState& s) { return s.printer.printed; }), 2);
    bench.send({"HCOP:NUM:RES", "HCOP:ABOR"});
    bench.measure(1.0);
    EXPECT_EQ(bench.inspect([](const InstrumentState& s) { return s.printer.printed; }), 0);
}

TEST(System, ClockKeyboardAndDigitalIo) {
    ModelBench bench;
    bench.send({"syst:date 2024,03,05", "syst:time 07,04,09", "syst:kloc 1", "REG:OUTP 5"});
    bench.wait(std::chrono::seconds(61));
    EXPECT_EQ(bench.query("syst:date?"), "2024,03,05");
    EXPECT_EQ(bench.query("syst:time?"), "07,05,10") << "the clock runs on";
    EXPECT_EQ(bench.query("syst:kloc?"), "1");
    EXPECT_EQ(bench.query("REG:OUTP?"), "5");
    bench.modify([](InstrumentState& s) { s.system.inputs = 9; });
    EXPECT_EQ(bench.query("reg:inp?"), "9");
}

}  // namespace
}  // namespace sim_test
