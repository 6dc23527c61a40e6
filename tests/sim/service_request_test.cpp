// Measured values and questionable causes on the GPIB door: the service request each
// value raises per the enables, as the driver's measurement loop waits for it.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "gpib_library.h"
#include "platform/ni488.h"
#include "sim/gpib_bus.h"
#include "sim/instrument.h"

namespace sim_test {
namespace {

using namespace tarvolux::sim;

constexpr int PAD = 5;
constexpr auto MEASURING_TIME = std::chrono::milliseconds(100);

class ServiceRequest : public ::testing::Test {
  protected:
    void SetUp() override {
        GpibBus::instance().reset();
        GpibBus::instance().set_auto_attach(false);
        GpibBus::instance().set_timeout_scale(0);
        instrument_ = GpibBus::instance().attach(
            PAD,
            std::make_shared<Instrument>(InstrumentOptions{std::nullopt, std::nullopt, clock_}));
        ud_ = lib().ibdev(0, PAD, 0, ni488::T10s, 1, ni488::REOS | '\n');
        instrument_->modify([](InstrumentState& s) { s.resistor.noise = 0; });
    }
    void TearDown() override { GpibBus::instance().reset(); }

    static GpibLibrary& lib() { return GpibLibrary::get(); }

    void send(const std::string& line) {
        const std::string message = line + "\n";
        lib().ibwrt(ud_, message.data(), static_cast<long>(message.size()));
    }
    std::string query(const std::string& line) {
        send(line);
        char buffer[300];
        if (lib().ibrd(ud_, buffer, sizeof buffer) & ni488::ERR) return "<read failed>";
        return std::string(buffer, static_cast<std::size_t>(*lib().ibcntl) - 2);
    }
    bool requested() { return lib().ibwait(ud_, ni488::TIMO | ni488::RQS) & ni488::RQS; }
    unsigned poll() {
        char stb = 0;
        lib().ibrsp(ud_, &stb);
        return static_cast<unsigned char>(stb);
    }
    void enable(int sre, int operation, int questionable) {
        send("STAT:OPER:ENAB " + std::to_string(operation));
        send("STAT:QUES:ENAB " + std::to_string(questionable));
        send("*SRE " + std::to_string(sre));
    }

    std::shared_ptr<ManualClock> clock_ = std::make_shared<ManualClock>();
    std::shared_ptr<Instrument> instrument_;
    int ud_ = 0;
};

TEST_F(ServiceRequest, EveryValueRaisesANewRequestOnceTheLastWasFetched) {
    enable(136, 256, 528);
    send("IN");
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
    send("AB");
    query("S:O:C?");
    query(":STAT:QUES?");
    poll();
    clock_->advance(MEASURING_TIME * 5);
    EXPECT_FALSE(requested()) << "nothing after the stop";
}

TEST_F(ServiceRequest, AValueLeftUnfetchedDoesNotHoldBackTheNextRequest) {
    enable(136, 256, 528);
    send("IN");
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
    {"ValueWithTheDriversEnables", 136, 256, 528, 0, 0xC0},
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
    send("IN");
    clock_->advance(MEASURING_TIME);
    EXPECT_EQ(requested(), (c.status_byte & 0x40) != 0);
    EXPECT_EQ(poll(), c.status_byte);
    if (c.causes) {
        EXPECT_EQ(query(":STAT:QUES:FRES?"), c.causes == 1 ? "1" : "8");
    }
}

INSTANTIATE_TEST_SUITE_P(Registers, Enables, ::testing::ValuesIn(ENABLE_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sim_test
