// The RS-232 door on a real pseudo-terminal: the block handshake and every fault, byte
// for byte.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "case_name.h"
#include "block_client.h"
#include "sim/block_protocol.h"
#include "sim/instrument.h"
#include "sim/serial_door.h"

namespace sim_test {
namespace {

using namespace tarvolux::sim;

const std::string STX(1, ctl::STX), ETX(1, ctl::ETX), EOT(1, ctl::EOT), ACK(1, ctl::ACK),
    NAK(1, ctl::NAK);

class SerialDoorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        instrument_ = std::make_shared<Instrument>(
            InstrumentOptions{std::nullopt, std::nullopt, std::make_shared<InstantClock>()});
        door_ = std::make_unique<SerialDoor>(instrument_);
        door_->start();
        client_ = std::make_unique<BlockClient>(door_->slave_path());
        ASSERT_TRUE(client_->is_open());
    }

    std::shared_ptr<Instrument> instrument_;
    std::unique_ptr<SerialDoor> door_;
    std::unique_ptr<BlockClient> client_;
};

TEST_F(SerialDoorTest, HandshakeOfACommandAndOfAQuery) {
    EXPECT_EQ(client_->command("*SRE 8"), ACK);
    client_->write(EOT);
    EXPECT_EQ(client_->read(1), EOT) << "nothing waits after a command";

    EXPECT_EQ(client_->command("*SRE?"), ACK);
    client_->write(EOT);
    EXPECT_EQ(client_->read(5), STX + "8\r\n" + ETX);
    client_->write(NAK);
    EXPECT_EQ(client_->read(5), STX + "8\r\n" + ETX) << "a NAK asks for the block again";
    client_->write(ACK);
    EXPECT_EQ(client_->read(1), EOT);
    client_->write(EOT);
    EXPECT_EQ(client_->read(1), EOT) << "the answer was delivered once";

    EXPECT_EQ(instrument_->command_log(), (std::vector<std::string>{"*SRE 8", "*SRE?"}));
}

TEST_F(SerialDoorTest, MalformedBlocksAreRefusedAndNotExecuted) {
    for (const std::string& message :
         {std::string("*RST"), std::string("\n"), std::string("*RST\n*CLS\n"),
          std::string("*R\x01ST\n"), std::string(MAX_BLOCK_BYTES + 1, 'A')}) {
        client_->write(STX + message + ETX);
        EXPECT_EQ(client_->read(1), NAK) << message.size() << " bytes";
    }
    EXPECT_EQ(client_->command("*CLS"), ACK) << "the door is in step again";
    EXPECT_EQ(instrument_->command_log(), std::vector<std::string>{"*CLS"});
}

TEST_F(SerialDoorTest, APacedDoorTakesTheLineTimeOfEveryByteBothWays) {
    const std::string unpaced = client_->query("*IDN?");
    const std::uint64_t in = door_->bytes_received(), out = door_->bytes_sent();
    EXPECT_EQ(in, BlockClient::block("*IDN?").size() + 2);  // with the EOT and the ACK
    EXPECT_EQ(out, unpaced.size() + 2 + 4);                 // CR LF, ACK, STX, ETX, EOT

    door_->set_line_pacing(true);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client_->query("*IDN?"), unpaced);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(door_->bytes_received() + door_->bytes_sent(), 2 * (in + out));
    // The client's line runs at 9600 baud, ten bits a byte.
    EXPECT_GE(took.count(), static_cast<double>(in + out) * 10 / 9600);
}

TEST_F(SerialDoorTest, AClientMayCloseAndOpenTheDeviceAgain) {
    EXPECT_EQ(client_->query("*SRE?"), "0");
    client_.reset();
    client_ = std::make_unique<BlockClient>(door_->slave_path());
    EXPECT_EQ(client_->query("*SRE?"), "0");
}

TEST_F(SerialDoorTest, ALinkPointsAtTheDeviceUntilTheDoorStops) {
    const std::filesystem::path link =
        std::filesystem::temp_directory_path() / ("tarvolux-link-" + std::to_string(getpid()));
    door_->place_link(link);
    EXPECT_EQ(std::filesystem::read_symlink(link), door_->slave_path());
    {
        BlockClient via_link(link.string());
        EXPECT_EQ(via_link.query("*SRE?"), "0");
    }
    door_->stop();
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

// A fault scenario: what the client writes, step by step, and the exact bytes the
// door answers to each step.
struct Step {
    std::string write;
    std::string expect;
};
struct FaultCase {
    const char* name;
    SerialFault fault;
    std::vector<Step> steps;
    std::vector<std::string> executed;
};

std::string padded_answer(const std::string& body) {
    return body + std::string(LONG_ANSWER_BYTES - body.size() - 2, '#') + "\r\n";
}

const std::string QUERY = BlockClient::block("*SRE?");
const std::string OTHER = BlockClient::block("*CLS");

const FaultCase FAULT_CASES[] = {
    {"NakCommand", SerialFault::NakCommand, {{QUERY, NAK}, {EOT, EOT}}, {}},
    {"EotCommand", SerialFault::EotCommand, {{QUERY, EOT}, {EOT, EOT}}, {}},
    // No reply to the block: the first byte the client then gets answers its request.
    {"SilentCommand", SerialFault::SilentCommand, {{QUERY, ""}, {EOT, EOT}}, {}},
    {"GarbageAck",
     SerialFault::GarbageAck,
     {{QUERY, std::string(SERIAL_GARBAGE)}, {EOT, STX + "0\r\n" + ETX}, {ACK, EOT}},
     {"*SRE?"}},
    {"EotResponse",
     SerialFault::EotResponse,
     {{QUERY, ACK}, {EOT, EOT}, {EOT, STX + "0\r\n" + ETX}, {ACK, EOT}},
     {"*SRE?"}},
    {"SilentResponse",
     SerialFault::SilentResponse,
     {{QUERY, ACK}, {EOT, ""}, {EOT, STX + "0\r\n" + ETX}, {ACK, EOT}},
     {"*SRE?"}},
    // Noise instead of the block: the client gives up on it and asks again.
    {"GarbageResponse",
     SerialFault::GarbageResponse,
     {{QUERY, ACK}, {EOT, std::string(SERIAL_GARBAGE)}, {EOT, STX + "0\r\n" + ETX}, {ACK, EOT}},
     {"*SRE?"}},
    // The block lacks its ETX; the client gives up and sends its next command.
    {"CutResponse",
     SerialFault::CutResponse,
     {{QUERY, ACK}, {EOT, STX + "0\r\n"}, {OTHER, ACK}},
     {"*SRE?", "*CLS"}},
    {"NoClosingEot",
     SerialFault::NoClosingEot,
     {{QUERY, ACK}, {EOT, STX + "0\r\n" + ETX}, {ACK, ""}, {OTHER, ACK}},
     {"*SRE?", "*CLS"}},
    {"LongResponse",
     SerialFault::LongResponse,
     {{QUERY, ACK}, {EOT, STX + padded_answer("0") + ETX}, {ACK, EOT}},
     {"*SRE?"}},
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class SerialFaults : public SerialDoorTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(SerialFaults, DoorSendsExactlyTheFaultsBytesOnceThenBehavesAgain) {
    const FaultCase& c = GetParam();
    door_->faults().arm(c.fault);
    std::string expected, received;
    for (const Step& step : c.steps) {
        client_->write(step.write);
        expected += step.expect;
        received += client_->read(step.expect.size());
    }
    EXPECT_EQ(received, expected);
    EXPECT_EQ(instrument_->command_log(), c.executed);
    EXPECT_EQ(door_->faults().remaining(c.fault), 0);
    EXPECT_EQ(client_->query("*SRE?"), "0") << "one shot only";
}

INSTANTIATE_TEST_SUITE_P(Faults, SerialFaults, ::testing::ValuesIn(FAULT_CASES), case_name);

TEST_F(SerialDoorTest, AFaultArmedForSeveralEventsHitsEachOfThem) {
    door_->faults().arm(SerialFault::NakCommand, 2);
    EXPECT_EQ(client_->command("*CLS"), NAK);
    EXPECT_EQ(client_->command("*CLS"), NAK);
    EXPECT_EQ(client_->command("*CLS"), ACK);
}

}  // namespace
}  // namespace sim_test
