// The message layer on both transports: what travels, what comes back, and how the
// connection survives every way an exchange can go wrong.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "driver/zk7416.h"
#include "sim/block_protocol.h"
#include "sim/gpib_bus.h"
#include "tests/driver/sim_connection.h"

namespace driver_test {
namespace {

using tarvolux::sim::GpibFault;
using tarvolux::sim::SerialFault;

using MessageLayer = DriverOnSim;

TEST_P(MessageLayer, CommandsAndQueriesArriveAsSingleLines) {
    EXPECT_EQ(zk7416_send_scpi(handle(), "*CLS"), 0);
    char answer[300];
    std::memset(answer, 'x', sizeof answer);
    EXPECT_EQ(zk7416_receive_scpi(handle(), "*ESR?", answer), 0);
    EXPECT_STREQ(answer, "0") << "the answer arrives without its CR LF";
    EXPECT_EQ(log(), (std::vector<std::string>{"*CLS", "*ESR?"}));
}

TEST_P(MessageLayer, AnswersLongerThanTheBufferAreCutAndTheNextExchangeIsClean) {
    if (GetParam() == Transport::Rs232)
        sim->serial_door().faults().arm(SerialFault::LongResponse);
    else
        sim->bus().faults().arm(GpibFault::LongResponse);
    char answer[300 + 16];
    std::memset(answer, 'x', sizeof answer);
    EXPECT_EQ(zk7416_receive_scpi(handle(), "*IDN?", answer), 0);
    size_t length = std::strlen(answer);
    EXPECT_LE(length, 298u);
    EXPECT_EQ(answer[300], 'x') << "nothing is written past the 300 bytes";
    EXPECT_EQ(zk7416_receive_scpi(handle(), "*ESR?", answer), 0);
    EXPECT_STREQ(answer, "0");
}

DRIVER_ON_BOTH_TRANSPORTS(MessageLayer);

// RS-232 handshake failures: the status each gives, and that the next exchange works.
struct SerialCase {
    const char* name;
    SerialFault fault;
    bool query;
    int32_t expected;
};

class SerialHandshake : public ::testing::TestWithParam<SerialCase> {
  protected:
    void SetUp() override {
        sim = std::make_unique<SimConnection>(Transport::Rs232);
        ASSERT_EQ(sim->connect(), 0);
    }
    std::unique_ptr<SimConnection> sim;
};

TEST_P(SerialHandshake, GivesItsStatusAndTheConnectionStaysUsable) {
    const auto& c = GetParam();
    sim->serial_door().faults().arm(c.fault);
    char answer[300] = "unchanged";
    int32_t status = c.query ? zk7416_receive_scpi(sim->handle(), "*SRE?", answer)
                             : zk7416_send_scpi(sim->handle(), "*CLS");
    EXPECT_EQ(status, c.expected);
    EXPECT_EQ(zk7416_last_status(), c.expected);
    if (c.expected != 0) {
        EXPECT_STREQ(answer, "unchanged");
    } else if (c.query) {
        EXPECT_STREQ(answer, "0");
    }

    EXPECT_EQ(zk7416_receive_scpi(sim->handle(), "*IDN?", answer), 0);
    EXPECT_NE(std::string(answer).find("7416"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Rs232, SerialHandshake,
    ::testing::Values(SerialCase{"NakToCommand", SerialFault::NakCommand, false, ZK7416_NAK},
                      SerialCase{"EotToCommand", SerialFault::EotCommand, false, ZK7416_EOT},
                      SerialCase{"SilenceAfterCommand", SerialFault::SilentCommand, false,
                                 ZK7416_ERR_READ},
                      SerialCase{"GarbageInsteadOfAck", SerialFault::GarbageAck, false, 0},
                      SerialCase{"EotToResponseRequest", SerialFault::EotResponse, true,
                                 ZK7416_EOT},
                      SerialCase{"SilenceToResponseRequest", SerialFault::SilentResponse, true,
                                 ZK7416_ERR_READ},
                      SerialCase{"ResponseWithoutEtx", SerialFault::CutResponse, true,
                                 ZK7416_ERR_READ},
                      SerialCase{"NoClosingEot", SerialFault::NoClosingEot, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GpibTransfer, FailuresAreJudgedPerCallSoOneErrorDoesNotStick) {
    SimConnection sim(Transport::Gpib);
    ASSERT_EQ(sim.connect(), 0);
    sim.clear_log();
    sim.bus().faults().arm(GpibFault::WriteError);
    EXPECT_EQ(zk7416_send_scpi(sim.handle(), "*CLS"), ZK7416_ERR_WRITE);
    EXPECT_EQ(zk7416_send_scpi(sim.handle(), "*CLS"), 0);

    char answer[300] = "unchanged";
    sim.bus().faults().arm(GpibFault::ReadTimeout);
    EXPECT_EQ(zk7416_receive_scpi(sim.handle(), "*SRE?", answer), ZK7416_ERR_READ);
    EXPECT_EQ(zk7416_receive_scpi(sim.handle(), "*SRE?", answer), 0);
    EXPECT_STREQ(answer, "136");
    EXPECT_EQ(sim.log(), (std::vector<std::string>{"*CLS", "*SRE?", "*SRE?"}));
}

TEST(GpibTransfer, AQueryWithoutAnswerTimesOut) {
    SimConnection sim(Transport::Gpib);
    ASSERT_EQ(sim.connect(), 0);
    char answer[300] = "unchanged";
    // A command, not a query: the instrument has nothing to send.
    EXPECT_EQ(zk7416_receive_scpi(sim.handle(), "*CLS", answer), ZK7416_ERR_READ);
    EXPECT_EQ(zk7416_receive_scpi(sim.handle(), "*SRE?", answer), 0);
}

TEST(GpibTransfer, ReadsStopAtTheirCountAndStripTwoBytes) {
    SimConnection sim(Transport::Gpib);
    ASSERT_EQ(sim.connect(), 0);
    ASSERT_EQ(zk7416_write_msg_gpib(sim.handle(), "*SRE?\n", 6), 0);
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    // "136\r\n" read four bytes at a time: the driver takes two of them for CR LF.
    EXPECT_EQ(zk7416_read_msg_gpib(sim.handle(), buffer, 4), 0);
    EXPECT_STREQ(buffer, "13");
    // The rest of the answer, one byte: too short to carry text.
    EXPECT_EQ(zk7416_read_msg_gpib(sim.handle(), buffer, 1), 0);
    EXPECT_STREQ(buffer, "");
}

}  // namespace
}  // namespace driver_test
