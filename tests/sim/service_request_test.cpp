// Measured values and questionable causes on the GPIB door: the service request each
// value raises per the enables, as the driver's measurement loop waits for it.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "case_name.h"
#include "gpib_door_fixture.h"

namespace sim_test {
namespace {

using namespace tarvolux::sim;

constexpr auto MEASURING_TIME = std::chrono::milliseconds(100);

class ServiceRequest : public GpibDoorTest {
  protected:
    void enable(int sre, int operation, int questionable) {
        write("STAT:OPER:ENAB " + std::to_string(operation));
        write("STAT:QUES:ENAB " + std::to_string(questionable));
        write("*SRE " + std::to_string(sre));
    }
};

TEST_F(ServiceRequest, EveryValueRaisesANewRequestOnceTheLastWasFetched) {
    enable(136, 256, 528);
    write("IN");
    EXPECT_FALSE(requested()) << "no value before the measuring time";
    for (int value = 0; value < 3; ++value) {
        clock_->advance(MEASURING_TIME);
        ASSERT_TRUE(requested()) << "value " << value;
        EXPECT_EQ(poll(), 0xC0u);
        EXPECT_EQ(query("S:O:C?"), "272");
        EXPECT_EQ(query("FE?"), "12.345MOHM");
        EXPECT_EQ(query("S:O:C?"), "16");
        EXPECT_FALSE(requested());
    }
    write("AB");
    query("S:O:C?");
    query(":STAT:QUES?");
    poll();
    clock_->advance(MEASURING_TIME * 5);
    EXPECT_FALSE(requested()) << "nothing after the stop";
}

TEST_F(ServiceRequest, AValueLeftUnfetchedDoesNotHoldBackTheNextRequest) {
    enable(136, 256, 528);
    write("IN");
    clock_->advance(MEASURING_TIME);
    EXPECT_EQ(poll(), 0xC0u);
    clock_->advance(MEASURING_TIME);
    EXPECT_TRUE(requested());
    EXPECT_EQ(poll(), 0xC0u);
}

struct EnableCase {
    const char* name;
    int sre;
    int operation;
    int questionable;
    std::uint8_t causes;
    unsigned status_byte;  // after one value
};

void PrintTo(const EnableCase& c, std::ostream* os) {
    *os << c.name;
}

const EnableCase ENABLE_CASES[] = {
    {"QuestionableWithTheDriversEnables", 136, 256, 528, 0x08, 0xC8},
    {"QuestionableOnly", 8, 0, 528, 0x01, 0x48},
    {"QuestionableNotEnabled", 136, 256, 16, 0x08, 0xC0},
    {"ValueNotInTheServiceRequestEnable", 8, 256, 528, 0, 0x80},
    {"OperationNotEnabled", 136, 0, 528, 0, 0x00},
    {"MeasuringBitEnabled", 128, 16, 0, 0, 0xC0},
};

class Enables : public ServiceRequest, public ::testing::WithParamInterface<EnableCase> {};

TEST_P(Enables, StatusByteAfterOneValue) {
    const EnableCase& c = GetParam();
    enable(c.sre, c.operation, c.questionable);
    instrument_->modify([&c](InstrumentState& s) { s.status.set_resistance_causes(c.causes); });
    query(":STAT:QUES?");  // the cause's own rise is not what this test is about
    write("IN");
    clock_->advance(MEASURING_TIME);
    EXPECT_EQ(requested(), (c.status_byte & 0x40) != 0);
    EXPECT_EQ(poll(), c.status_byte);
    if (c.causes) {
        EXPECT_EQ(query(":STAT:QUES:FRES?"), c.causes == 1 ? "1" : "8");
    }
}

INSTANTIATE_TEST_SUITE_P(Registers, Enables, ::testing::ValuesIn(ENABLE_CASES), case_name);

}  // namespace
}  // namespace sim_test
