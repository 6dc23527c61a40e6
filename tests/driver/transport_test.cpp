// The message layer on both transports: what travels, what comes back, and how the
// connection survives every way an exchange can go wrong.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "driver/zk7416.h"
#include "sim/block_protocol.h"
#include "sim/gpib_bus.h"
#include "tests/driver/driver_fixture.h"

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
    EXPECT_EQ(log(), (Lines{"*CLS", "*ESR?"}));
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

class SerialHandshake : public OnRs232, public ::testing::WithParamInterface<SerialCase> {};

TEST_P(SerialHandshake, GivesItsStatusAndTheConnectionStaysUsable) {
    const auto& c = GetParam();
    sim->serial_door().faults().arm(c.fault);
    char answer[300] = "unchanged";
    int32_t status = c.query ? zk7416_receive_scpi(handle(), "*SRE?", answer)
                             : zk7416_send_scpi(handle(), "*CLS");
    EXPECT_EQ(status, c.expected);
    EXPECT_EQ(zk7416_last_status(), c.expected);
    if (c.expected != 0) {
        EXPECT_STREQ(answer, "unchanged");
    } else if (c.query) {
        EXPECT_STREQ(answer, "0");
    }

    EXPECT_EQ(zk7416_receive_scpi(handle(), "*IDN?", answer), 0);
    EXPECT_NE(std::string(answer).find("7416"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Rs232, SerialHandshake,
    ::testing::Values(
        SerialCase{"NakToCommand", SerialFault::NakCommand, false, ZK7416_NAK},
        SerialCase{"EotToCommand", SerialFault::EotCommand, false, ZK7416_EOT},
        SerialCase{"SilenceAfterCommand", SerialFault::SilentCommand, false, ZK7416_ERR_READ},
        SerialCase{"GarbageInsteadOfAck", SerialFault::GarbageAck, false, 0},
        SerialCase{"EotToResponseRequest", SerialFault::EotResponse, true, ZK7416_EOT},
        SerialCase{"SilenceToResponseRequest", SerialFault::SilentResponse, true, ZK7416_ERR_READ},
        SerialCase{"ResponseWithoutEtx", SerialFault::CutResponse, true, ZK7416_ERR_READ},
        SerialCase{"NoClosingEot", SerialFault::NoClosingEot, true, 0}),
    case_name);

using GpibTransfer = OnGpib;

TEST_F(GpibTransfer, FailuresAreJudgedPerCallSoOneErrorDoesNotStick) {
    sim->bus().faults().arm(GpibFault::WriteError);
    EXPECT_EQ(zk7416_send_scpi(handle(), "*CLS"), ZK7416_ERR_WRITE);
    EXPECT_EQ(zk7416_send_scpi(handle(), "*CLS"), 0);

    char answer[300] = "unchanged";
    sim->bus().faults().arm(GpibFault::ReadTimeout);
    EXPECT_EQ(zk7416_receive_scpi(handle(), "*SRE?", answer), ZK7416_ERR_READ);
    EXPECT_EQ(zk7416_receive_scpi(handle(), "*SRE?", answer), 0);
    EXPECT_STREQ(answer, "136");
    EXPECT_EQ(log(), (Lines{"*CLS", "*SRE?", "*SRE?"}));
}

TEST_F(GpibTransfer, AQueryWithoutAnswerTimesOut) {
    char answer[300] = "unchanged";
    // A command, not a query: the instrument has nothing to send.
    EXPECT_EQ(zk7416_receive_scpi(handle(), "*CLS", answer), ZK7416_ERR_READ);
    EXPECT_EQ(zk7416_receive_scpi(handle(), "*SRE?", answer), 0);
}

TEST_F(GpibTransfer, ReadsStopAtTheirCountAndStripTwoBytes) {
    ASSERT_EQ(zk7416_write_msg_gpib(handle(), "*SRE?\n", 6), 0);
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    // "136\r\n" read four bytes at a time: the driver takes two of them for CR LF.
    EXPECT_EQ(zk7416_read_msg_gpib(handle(), buffer, 4), 0);
    EXPECT_STREQ(buffer, "13");
    // The rest of the answer, one byte: too short to carry text.
    EXPECT_EQ(zk7416_read_msg_gpib(handle(), buffer, 1), 0);
    EXPECT_STREQ(buffer, "");
}

}  // namespace
}  // namespace driver_test
