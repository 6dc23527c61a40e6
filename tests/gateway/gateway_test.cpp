// The gateway between TCP clients and the simulated instrument: what reaches the
// instrument, what the client gets back, and how clients that misbehave are refused.
#include <chrono>
#include <thread>

#include "driver/zk7416.h"
#include "gateway/line_reader.h"
#include "tests/gateway/gateway_fixture.h"

namespace gateway_test {
namespace {

using driver_test::Transport;
using Lines = std::vector<std::string>;

TEST_P(GatewayTest, QueriesAreAnsweredAndCommandsPassUntouched) {
    Client client(server_->port());
    client.send(":SENSE:FRES:RANG:MAN 20OHM\n");
    EXPECT_EQ(client.ask(":SENSE:FRES:RANG:MAN?"), "20OHM");
    EXPECT_EQ(client.ask("*IDN?"), sim_->idn());
    // The instrument's own error queue is the instrument's: the gateway adds nothing.
    EXPECT_EQ(client.ask("SYST:ERR?").substr(0, 2), "0,");
    EXPECT_EQ(client.ask("gate:err?"), "0,\"kein Fehler\"");
    EXPECT_EQ(sim_->log(),
              (Lines{":SENSE:FRES:RANG:MAN 20OHM", ":SENSE:FRES:RANG:MAN?", "*IDN?", "SYST:ERR?"}));
}

TEST_P(GatewayTest, SecondClientIsRefusedAndFirstGoesOn) {
    Client first(server_->port());
    EXPECT_EQ(first.ask("*IDN?"), sim_->idn());
    Client second(server_->port());
    second.send("*IDN?\n");
    EXPECT_TRUE(second.closed_by_gateway());
    EXPECT_EQ(first.ask("*IDN?"), sim_->idn());
    EXPECT_EQ(logged("abgewiesen"), 1u);
    EXPECT_EQ(sim_->log(), (Lines{"*IDN?", "*IDN?"}));
}

INSTANTIATE_TEST_SUITE_P(Doors, GatewayTest, ::testing::Values(Transport::Rs232, Transport::Gpib),
                         driver_test::transport_name);

// What the serial line alone can show: faults of the block protocol, a slow answer.
class GatewaySerialTest : public GatewayTest {};
INSTANTIATE_TEST_SUITE_P(Rs232, GatewaySerialTest, ::testing::Values(Transport::Rs232),
                         driver_test::transport_name);

TEST_P(GatewaySerialTest, FailedExchangeGivesEmptyLineAndItsStatus) {
    Client client(server_->port());
    sim_->serial_door().faults().arm(tarvolux::sim::SerialFault::EotResponse);
    EXPECT_EQ(client.ask("*IDN?"), "");
    // ASCII, as SCPI wants error texts.
    EXPECT_EQ(client.ask("GATEWAY:ERR?"), "301,\"Geraet hat nichts zu senden (EOT)\"");
    EXPECT_EQ(client.ask("GATEWAY:ERR?"), "0,\"kein Fehler\"");
    EXPECT_EQ(client.ask("*IDN?"), sim_->idn());
}

TEST_P(GatewaySerialTest, RefusedLinesNeverReachTheInstrument) {
    struct Row {
        std::string line;
        const char* status;
    };
    const std::string longest(gateway::MAX_LINE_BYTES - 1, 'A');
    for (const Row& row :
         {Row{longest + "B?", "901,"}, Row{"*ID\x01N?", "902,"}, Row{"*IDN?\r\r", "902,"},
          Row{"*I\x7F"
              "DN?",
              "902,"}}) {
        Client client(server_->port());
        EXPECT_EQ(client.ask(row.line), "") << row.line;
        EXPECT_EQ(client.ask("GATE:ERR?").substr(0, 4), row.status) << row.line;
    }
    EXPECT_TRUE(sim_->log().empty());
    EXPECT_EQ(logged("abgewiesen"), 4u);
}

TEST_P(GatewaySerialTest, ClientGoneMidQueryLeavesTheLineClean) {
    sim_->instrument().set_command_listener([](const std::string& line) {
        if (line == "*IDN?") std::this_thread::sleep_for(std::chrono::milliseconds(300));
    });
    {
        Client leaving(server_->port());
        leaving.send("*IDN?\n");
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    Client next(server_->port());
    EXPECT_EQ(next.ask(":SENSE:FRES:RANG:MAN?"), "200MOHM");
    EXPECT_EQ(sim_->log(), (Lines{"*IDN?", ":SENSE:FRES:RANG:MAN?"}));
}

TEST_P(GatewaySerialTest, DeadLineDisconnectsAfterOneCheck) {
    Client client(server_->port());
    sim_->serial_door().faults().arm(tarvolux::sim::SerialFault::SilentCommand, 2);
    client.send("*IDN?\n");
    EXPECT_TRUE(client.closed_by_gateway(10.0));
    EXPECT_EQ(logged("antwortet nicht mehr"), 1u);
    // The next client finds the instrument answering again.
    Client next(server_->port());
    EXPECT_EQ(next.ask("*IDN?"), sim_->idn());
}

TEST_P(GatewaySerialTest, IdleClientIsDisconnected) {
    TearDown();
    gateway::ServerOptions options;
    options.idle_timeout = 0.2;
    start(options);
    Client client(server_->port());
    EXPECT_EQ(client.ask("*IDN?"), sim_->idn());
    EXPECT_TRUE(client.closed_by_gateway(3.0));
    EXPECT_EQ(logged("ohne Zeile getrennt"), 1u);
}

}  // namespace
}  // namespace gateway_test
