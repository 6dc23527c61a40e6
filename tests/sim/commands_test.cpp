// The instrument's command handling, run through each real door.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "door_client.h"
#include "sim/identity.h"
#include "sim/instrument.h"

namespace sim_test {
namespace {

using namespace tarvolux::sim;

class Commands : public ::testing::TestWithParam<DoorKind> {
  protected:
    std::unique_ptr<DoorClient> open(InstrumentOptions options = {}) {
        options.clock = std::make_shared<InstantClock>();
        return GetParam().open(std::make_shared<Instrument>(options));
    }

    static std::vector<std::string> fields(const std::string& idn) {
        std::vector<std::string> out;
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = idn.find(',', start);
            out.push_back(idn.substr(start, comma - start));
            if (comma == std::string::npos) return out;
            start = comma + 1;
        }
    }
};

TEST_P(Commands, HeadersMatchInAnyCaseInShortOrLongFormAndAfterAnyBlanks) {
    auto door = open();
    door->instrument->modify(
        [](InstrumentState& s) { s.status.set_condition(EventRegisterId::Operation, 0x110); });

    for (const char* spelling :
         {"S:O:C?", "s:o:c?", "STAT:OPER:COND?", "stat:oper:cond?", "STATUS:OPERATION:CONDITION?",
          ":Status:Oper:Condition?", "STAT:OPERATION:COND?"}) {
        EXPECT_EQ(door->query(spelling), "272") << spelling;
    }
    for (const char* setting : {"STAT:QUES:ENAB 528", "stat:ques:enab  528",
                                "STATUS:QUESTIONABLE:ENABLE\t 528 ", ":stat:ques:enab 528.2"}) {
        door->send("STAT:QUES:ENAB 0");
        door->send(setting);
        EXPECT_EQ(door->query("STAT:QUES:ENAB?"), "528") << setting;
    }
    EXPECT_EQ(door->query("SYST:ERR? "), "0,\"No error\"");

    // Neither form of a keyword, and the abbreviation outside the SCPI rules only as a whole.
    for (const char* wrong : {"STATU:OPER:COND?", "S:O:COND?", "STAT:OPER:C?", "*IDN"}) {
        door->send(wrong);
        EXPECT_EQ(door->query(":SYSTEM:ERROR?"), "-113,\"Undefined header\"") << wrong;
    }
}

TEST_P(Commands, IdentificationCarriesTheFirmwareDateOfEachGeneration) {
    for (const Firmware firmware : {Firmware::New, Firmware::Old}) {
        auto door = open({firmware, std::nullopt, nullptr});
        const std::vector<std::string> idn = fields(door->query("*IDN?"));
        ASSERT_EQ(idn.size(), 5u);
        for (std::size_t i = 0; i < idn.size(); ++i) {
            EXPECT_FALSE(idn[i].empty());
            EXPECT_LE(idn[i].size(), IDN_FIELD_WIDTHS[i]) << "field " << i;
        }
        const int month = std::stoi(idn[3].substr(1, 2));
        const int year = std::stoi(idn[3].substr(3, 2));
        EXPECT_GE(month, 1);
        EXPECT_LE(month, 12);
        const bool newer = (year == 97 && month >= 4) || year > 97 || year < 50;
        EXPECT_EQ(newer, firmware == Firmware::New) << idn[3];
    }
}

TEST_P(Commands, AGivenIdentificationIsAnsweredWholeAndDecidesTheGeneration) {
    const std::string text = "ACME,Model 1,42,V0396-0.9,options, with comma";
    auto door = open({std::nullopt, text, nullptr});
    EXPECT_EQ(door->query("*idn?"), text);
    EXPECT_EQ(door->instrument->inspect([](const InstrumentState& s) { return s.firmware; }),
              Firmware::Old);
}

TEST_P(Commands, RejectedCommandsSetTheExecutionErrorBitUntilItIsRead) {
    auto door = open();
    EXPECT_EQ(door->query("*ESR?"), "0");
    door->send("MEAS:NOTHING");
    EXPECT_EQ(door->query("*ESR?"), "16");
    EXPECT_EQ(door->query("*ESR?"), "0");
    door->send("*SRE many");
    EXPECT_EQ(door->query("*ESR?"), "16");
    door->send("*SRE 8");
    EXPECT_EQ(door->query("*ESR?"), "0");
}

TEST_P(Commands, ErrorQueueGivesTheOldestFirstThenNoError) {
    auto door = open();
    door->send("FOO:BAR 1");     // unknown header
    door->send("*SRE abc");      // not a number
    door->send("*SRE 256");      // out of range
    door->send("*IDN? please");  // a parameter where none belongs
    door->send("*SRE");          // a parameter missing
    EXPECT_FALSE(door->instrument->output_pending()) << "a rejected query answers nothing";
    for (const char* expected :
         {"-113,\"Undefined header\"", "-104,\"Data type error\"", "-222,\"Data out of range\"",
          "-108,\"Parameter not allowed\"", "-109,\"Missing parameter\"", "0,\"No error\"",
          "0,\"No error\""}) {
        EXPECT_EQ(door->query(":SYSTEM:ERROR?"), expected);
    }
}

TEST_P(Commands, AFullErrorQueueKeepsItsOldestAndReportsTheOverflowLast) {
    auto door = open();
    for (std::size_t i = 0; i < ErrorQueue::CAPACITY + 3; ++i) door->send("NO:SUCH");
    for (std::size_t i = 0; i + 1 < ErrorQueue::CAPACITY; ++i)
        EXPECT_EQ(door->query("SYST:ERR?"), "-113,\"Undefined header\"") << i;
    EXPECT_EQ(door->query("SYST:ERR?"), "-350,\"Queue overflow\"");
    EXPECT_EQ(door->query("SYST:ERR?"), "0,\"No error\"");
}

TEST_P(Commands, ClearStatusEmptiesQueueAndEventRegistersButKeepsEnables) {
    auto door = open();
    door->send("*SRE 136");
    door->send("STAT:OPER:ENAB 256");
    door->send("BAD");
    door->instrument->modify(
        [](InstrumentState& s) { s.status.raise_event(EventRegisterId::Operation, 0x100); });
    door->send("*CLS");
    EXPECT_EQ(door->query("SYST:ERR?"), "0,\"No error\"");
    EXPECT_EQ(door->query("*ESR?"), "0");
    EXPECT_EQ(door->query("STAT:OPER?"), "0");
    EXPECT_EQ(door->query("*SRE?"), "136");
    EXPECT_EQ(door->query("STAT:OPER:ENAB?"), "256");
}

TEST_P(Commands, EnablesAreStoredAndRegistersRead) {
    auto door = open();
    door->send("*SRE 255");
    EXPECT_EQ(door->query("*SRE?"), "191") << "bit 6 cannot be enabled";
    door->send("STAT:OPER:ENAB 256");
    EXPECT_EQ(door->query("STAT:OPER:ENAB?"), "256");
    door->instrument->modify([](InstrumentState& s) {
        s.status.set_condition(EventRegisterId::Operation, 0x100);
        s.status.set_condition(EventRegisterId::Operation, 0x000);
        s.status.set_resistance_causes(0xC0);
    });
    EXPECT_EQ(door->query("S:O:C?"), "0");
    EXPECT_EQ(door->query("STAT:OPER:EVEN?"), "256") << "the rise is latched";
    EXPECT_EQ(door->query("STAT:OPER?"), "0") << "reading cleared it";
    EXPECT_EQ(door->query(":STAT:QUES:FRES?"), "C0");
    EXPECT_EQ(door->query(":STAT:QUES?"), "512") << "resistance summary";
    EXPECT_EQ(door->instrument->command_log().front(), "*SRE 255");
}

INSTANTIATE_TEST_SUITE_P(Doors, Commands, ::testing::Values(serial_door_kind(), gpib_door_kind()),
                         case_name);

}  // namespace
}  // namespace sim_test
