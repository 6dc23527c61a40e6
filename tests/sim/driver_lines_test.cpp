// Every command line the driver and the program send, in their spellings: the
// instrument accepts each setting and answers each query, and the measurement path and
// a chunked read work through both doors.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "case_name.h"
#include "door_client.h"
#include "model_bench.h"

namespace sim_test {
namespace {

using namespace tarvolux::sim;

const std::vector<std::string> SETTINGS = {
    "STAT:OPER:ENAB 256", "STAT:QUES:ENAB 528", "*SRE 136", "REG:OUTP 5",
    // measurement configuration
    "SENSE:AVER:TCON MOV", "SENSE:AVER:TCON REP", "sens:aver:coun 10", "init:cont off",
    "init:cont on", "sour:volt:lim:stat on", "sour:volt:lim:stat off", "sens:fres:load comp",
    "sens:fres:load real", "sens:fres:mode refc", "sens:fres:mode nonc", "sens:fres:mode onec",
    "sens:fres:mode stan", "sens:fres:nplc min", "sens:fres:nplc med", "sens:fres:nplc max",
    "sens:fres:nplc stan", "SENSE:FRES:RANG:AUTO OFF", ":SENSE:FRES:RANG:MAN 200MOHM",
    ":SENSE:FRES:RANG:MAN 2OHM", ":SENSE:FRES:RANG:MAN 20OHM", ":SENSE:FRES:RANG:MAN 200OHM",
    ":SENSE:FRES:RANG:MAN 2KOHM", ":SENSE:FRES:RANG:MAN 20KOHM", ":SENSE:FRES:RANG:MAN 200KOHM",
    ":SENSE:FRES:RANG:AUTO ON", ":SENSE:FRES:RANG:LOW 200MOHM", ":SENSE:FRES:RANG:UPP 200KOHM",
    // temperature
    "SENS:TCOM:STAT 1", "sens:tcom PT100", "sens:tcom UINP", "sens:tcom IINP", "sens:tcom MAN",
    "SENS:TCOM:TEMP:REF -9999.900000", "SENS:TCOM:TEMP 9999.900391",
    "SCAL:PT100 100.000000,0.003908,0.000000",
    "SCAL:VOLT 0.000000,10.000000,-200.000000,800.000000",
    "SCAL:CURR 4.000000MA,20.000000MA,0.000000,100.000000", "SENS:TCOM:TCO 3,3930",
    "SENS:TCOM:TCO:SEL 3",
    // comparator and envelope
    "CALC:LIM:STAT 1", "CALC:LIM:REL 0", "calc:lim:faul upp", "calc:lim:faul none",
    "CALC:LIM:COUN 2", "CALC:LIM:LOW 0.010000", "CALC:LIM:UPP 0.020000", "CALC:LIM:COUN 4",
    "CALC:LIM:GW1 0.010000", "CALC:LIM:GW2 0.020000", "CALC:LIM:GW3 0.030000",
    "CALC:LIM:GW4 0.040000", "CALC:LIM:CLE", "SENS:ENV:STAT 1", "SENS:ENV:CLE",
    // datalogger
    "DAT:STAT 1", "DAT:STATE:DEF Block_1,1", "DAT:SIZE 1,100", "DAT:FILT 1,NOFAIL",
    "DAT:FILT 1,FAIL", "DAT:FILT 1,XVAL", "DAT:FILT:XVAL 1,2", "DAT:FILT 1,YTIME",
    "DAT:FILT:YTIM 1,01,05,09", "DAT:FILT 1,DELTA", "DAT:FILT:DELT 1,0.000010", "DAT:FILT 1,ALL",
    "DAT:CLEAR 1", "DAT:SEL:NAME Block_1", "DAT:SEL:BLOC 0", "DAT:SEL:BLOCK 0",
    // display, printer, memories, access, system
    "calc:math:expr DELT", "calc:math:expr LIM", "calc:math:expr OHM", "sens:fres:ref  0.012345",
    "sens:fres:res 0.0005", "sens:fres:res 0.00005", "disp:rang 0", "disp:curr 0", "disp:temp 0",
    "disp:samp 0", "disp:trig 0", "disp:auto 0", "disp:load 0", "disp:meas 0",
    ":DISP:CONT 0.250000", "HCOP", "HCOP:ABORT", "HCOP:ABOR", "HCOP:ITEM:TEMP:STAT 1",
    "HCOP:ITEM:NUM:STAT 1", "HCOP:ITEM:LAB:STAT 1", "HCOP:ITEM:TIME:STAT 1",
    "HCOP:ITEM:DATE:STAT 1", "HCOP:HEAD 3", "HCOP:ITEM:LAB:TEXT Label_1", "HCOP:TDST 01,02,03",
    "HCOP:NUM:RES", "*SAV 3", "*RCL 3", "mem:stat:def Label_1,3", "acc:meas 1", "acc:expr 1",
    "acc:prin 1", "acc:comp 1", "acc:mem 1", "acc:comm 1", "acc:cont 1", "acc:stat 1", "acc:reg 1",
    "acc:cal 1", "acc:dat 1", "acc:scal 1", "acc:date 1", "acc:fast 1", "acc:lim:conf 1",
    "acc:lim:eval 1", "acc:env:conf 1", "acc:env:eval 1", "acc:manr 1", "syst:date 2024,03,05",
    "syst:time 07,04,09", "syst:kloc 1",
    // calibration
    "CAL:STAT ON", "CAL:FRES 200MOHM,0.100000", "CAL:FRES 200KOHM,100000.000000", "CAL:20MV:LOW",
    "CAL:20MV:HIGH", "CAL:20MV:INIT", "CAL:20MV 1.000000,2.000000,3.000000", "CAL:VOLT:LOW",
    "CAL:VOLT:HIGH", "CAL:VOLT:INIT", "CAL:VOLT 1.000000,2.000000", "CAL:CURR 10.000000",
    "CAL:PT100:LOW 0.000000", "CAL:PT100:HIGH 100.000000", "CAL:PT100", "CAL:STAT OFF"};

const std::vector<std::string> QUERIES = {
    // registers and measured values
    "*IDN?", "*ESR?", ":STAT:QUES?", "S:O:C?", ":STAT:QUES:FRES?", "reg:inp?", "STAT:OPER?",
    "STAT:OPER:COND?", ":SYSTEM:ERROR?", "FE?",
    // measurement configuration
    "SENSE:AVER:TCON?", "sens:aver:coun? ", "sens:fres:load?", "init:cont?", "sour:volt:lim:stat?",
    "sens:fres:mode?", "sens:fres:nplc?", "SENSE:FRES:RANG:AUTO?", "SENSE:FRES:RANG:MAN?",
    "SENSE:FRES:RANG:LOW?", "SENSE:FRES:RANG:UPP?", "SENSE:FRES:RANG?",
    // temperature
    "SENS:TCOM:STAT?", "SENS:TCOM?", "SENS:TCOM:TEMP:REF?", "SENS:TCOM:TEMP?", "SCAL:PT100?",
    "SCAL:VOLT?", "SCAL:CURR?", "SENS:TCOM:TCO? 3", "SENS:TCOM:TCO:SEL?",
    // comparator and envelope
    "CALC:LIM:STAT?", "CALC:LIM:REL?", "calc:lim:faul?", "CALC:LIM:COUN?", "CALC:LIM:LOW?",
    "CALC:LIM:UPP?", "CALC:LIM:GW1?", "CALC:LIM:GW2?", "CALC:LIM:GW3?", "CALC:LIM:GW4?",
    "CALC:LIM:ACKNOWLEDGE?", "CALC:LIM:REP?", "SENS:ENV:STAT?", "SENS:ENV:REP:DATA?",
    // datalogger
    "DAT:STAT?", "DAT:STATE:NAME? 1", "DAT:SIZE? 1", "DAT:SIZE?", "DAT:FILT? 1", "DAT:FILT:XVAL? 1",
    "DAT:FILT:YTIM? 1", "DAT:FILT:DELT? 1", "DAT:SEL:BLOCK?", "DAT:COUNT? 0", "dat:data:all? 0,1",
    "DAT:DATA:FRES? 0,1", "DA? 0,1", "DV? 0,1", "DAT:MIN? 0", "DAT:max? 0", "DAT:AVER? 0",
    "DAT:DEV? 0",
    // display, printer, memories, access
    "calc:math:expr?", "sens:fres:ref?", "sens:fres:res?", "disp:rang?", "disp:curr?", "disp:temp?",
    "disp:samp?", "disp:trig?", "disp:auto?", "disp:load?", "disp:meas?", ":DISP:CONT?",
    "HCOP:ITEM:TEMP:STAT?", "HCOP:ITEM:NUM:STAT?", "HCOP:ITEM:LAB:STAT?", "HCOP:ITEM:TIME:STAT?",
    "HCOP:ITEM:DATE:STAT?", "HCOP:HEAD?", "HCOP:ITEM:LAB:TEXT?", "HCOP:TDST?", "mem:stat:name? 3",
    "acc:meas?", "acc:expr?", "acc:prin?", "acc:comp?", "acc:mem?", "acc:comm?", "acc:cont?",
    "acc:stat?", "acc:reg?", "acc:cal?", "acc:dat?", "acc:scal?", "acc:date?", "acc:fast?",
    "acc:lim:conf?", "acc:lim:eval?", "acc:env:conf?", "acc:env:eval?", "acc:manr?"};

TEST(DriverLines, EverySettingIsAcceptedAndEveryQueryAnswered) {
    ModelBench bench;
    for (const std::string& line : SETTINGS) {
        bench.send({line});
        // Long enough for a calibration step to end before the next.
        bench.wait(std::chrono::seconds(3));
    }
    bench.measure(0.01);
    for (const std::string& line : QUERIES) {
        EXPECT_NE(bench.query(line), "") << line;
        EXPECT_EQ(bench.next_error(), 0) << line;
    }
}

class ThroughTheDoor : public ::testing::TestWithParam<DoorKind> {};

TEST_P(ThroughTheDoor, TheRs232MeasurementPathAndAChunkedRead) {
    auto door = GetParam().open(std::make_shared<Instrument>(
        InstrumentOptions{std::nullopt, std::nullopt, std::make_shared<InstantClock>()}));
    door->instrument->modify([](InstrumentState& s) {
        s.resistor.noise = 0;
        s.resistor.ohms = -0.012345;  // the longest value text: a sign and five digits
    });
    door->send("DAT:STAT 1");
    door->send("IN");
    for (int value = 0; value < 20; ++value) {
        EXPECT_EQ(std::stoi(door->query("S:O:C?")) & 256, 256);
        EXPECT_EQ(door->query("FE?"), "-12.345MOHM");
    }
    door->send("AB");
    door->query("STAT:OPER?");
    EXPECT_EQ(door->query("STAT:OPER?"), "0");
    const std::string values = door->query("DA? 0,1");
    EXPECT_EQ(values.substr(0, 23), "-12.345MOHM,-12.345MOHM");
    const std::string records = door->query("DV? 0,1");
    EXPECT_EQ(std::count(records.begin(), records.end(), ','), 55);
    EXPECT_EQ(door->query(":SYSTEM:ERROR?"), "0,\"No error\"");
}

INSTANTIATE_TEST_SUITE_P(Doors, ThroughTheDoor,
                         ::testing::Values(serial_door_kind(), gpib_door_kind()), case_name);

}  // namespace
}  // namespace sim_test
