// Opening and closing connections through the simulator's doors: the init sequences on
// the wire, slot re-use and the counter, the ten-slot limit, closing twice, and the
// GPIB set-up failures that must leave no device behind.
#include <gtest/gtest.h>

#include "driver/zk7416.h"
#include "driver/zk7416_internal.h"
#include "platform/gpib_library.h"
#include "sim/gpib_bus.h"
#include "tests/driver/driver_fixture.h"

namespace driver_test {
namespace {

using tarvolux::sim::GpibFault;
using tarvolux::sim::InterfaceEvent;

struct InitCase {
    const char* name;
    Transport transport;
    int32_t reset;
    Lines wire;
};

const InitCase kInitCases[] = {
    {"Rs232", Transport::Rs232, 0, {"*IDN?"}},
    {"Rs232Reset", Transport::Rs232, 1, {"*RST", "*IDN?"}},
    // GPIB enables the service requests the measurement wait needs.
    {"Gpib", Transport::Gpib, 0, {"*IDN?", "STAT:OPER:ENAB 256", "STAT:QUES:ENAB 528", "*SRE 136"}},
    // A reset clears the device first, then resets and clears the status.
    {"GpibReset",
     Transport::Gpib,
     1,
     {"*RST", "*CLS", "*IDN?", "STAT:OPER:ENAB 256", "STAT:QUES:ENAB 528", "*SRE 136"}},
};

class Init : public ::testing::TestWithParam<InitCase> {};

TEST_P(Init, SendsItsSequenceAndGivesTheIdentificationWithoutCrLf) {
    const InitCase& c = GetParam();
    SimConnection sim(c.transport);
    ASSERT_EQ(sim.connect(c.reset), 0);
    EXPECT_EQ(sim.handle(), 1);
    EXPECT_EQ(sim.log(), c.wire);
    EXPECT_NE(sim.idn().find("7416"), std::string::npos);
    EXPECT_EQ(sim.idn().find('\r'), std::string::npos);
    EXPECT_EQ(zk7416::serial_transport, c.transport == Transport::Rs232 ? 1 : 0);
    if (c.transport == Transport::Gpib && c.reset) {
        auto events = sim.instrument().interface_log();
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].event, InterfaceEvent::DeviceClear);
        EXPECT_EQ(events[0].after_commands, 0u) << "device clear comes before *RST";
    }
}

INSTANTIATE_TEST_SUITE_P(Connection, Init, ::testing::ValuesIn(kInitCases), case_name);

using GpibConnection = OnGpib;
using SerialConnection = OnRs232;

TEST_F(GpibConnection, TheSameAddressKeepsSlotAndDeviceButCounts) {
    int32_t device = zk7416::instr_device[1];
    int32_t count = zk7416::instr_count;
    char idn[300];
    int32_t again = 0;
    ASSERT_EQ(zk7416_init_gpib(kGpibAddress, 13, 0, idn, &again), 0);
    EXPECT_EQ(again, 1);
    EXPECT_EQ(zk7416::instr_device[1], device) << "no new device for the same address";
    EXPECT_EQ(zk7416::instr_count, count + 1);
}

TEST_F(SerialConnection, TheSamePortKeepsSlotWithoutReopening) {
    int32_t count = zk7416::instr_count;
    char idn[300];
    int32_t again = 0;
    ASSERT_EQ(zk7416_init_serial(kComPort, 19200, 2.0, idn, 0, &again), 0);
    EXPECT_EQ(again, handle());
    EXPECT_EQ(zk7416::instr_count, count) << "a re-used port is not opened again";
}

TEST(SlotLimit, TenGpibConnectionsThenNoFreeSlot) {
    SimConnection sim(Transport::Gpib);
    sim.bus().set_auto_attach(true);
    char idn[300];
    for (int32_t address = 1; address <= 10; ++address) {
        int32_t handle = 0;
        ASSERT_EQ(zk7416_init_gpib(address, 13, 0, idn, &handle), 0) << address;
        EXPECT_EQ(handle, address);
    }
    int32_t handle = 99;
    EXPECT_EQ(zk7416_init_gpib(11, 13, 0, idn, &handle), ZK7416_ERR_NO_FREE_SLOT);
    EXPECT_EQ(handle, 99);
    // All ten devices stay usable: opening the later ones must not have closed the
    // earlier ones.
    for (int32_t slot = 1; slot <= 10; ++slot) EXPECT_EQ(zk7416_send_scpi(slot, "*CLS"), 0) << slot;
}

TEST_F(SerialConnection, ClosingTwiceIsRefused) {
    EXPECT_EQ(zk7416_close(handle()), 0);
    EXPECT_EQ(zk7416_close(handle()), ZK7416_ERR_NOTHING_TO_CLOSE);
}

TEST_F(GpibConnection, CloseOfAnEmptySlotReportsNoDevice) {
    int32_t count = zk7416::instr_count;
    EXPECT_EQ(zk7416_close(handle()), 0);
    EXPECT_EQ(zk7416::instr_count, count - 1);
    EXPECT_EQ(zk7416_close(handle()), ZK7416_ERR_DEVICE_CLOSED);
    EXPECT_EQ(zk7416_send_scpi(handle(), "*CLS"), ZK7416_ERR_WRITE)
        << "a closed slot sends nothing";
}

TEST_F(SerialConnection, TheTransportFlagDecidesWhichTableIsClosed) {
    // A refused GPIB init still switches the driver to GPIB; the serial slot is then
    // out of reach of zk7416_close.
    EXPECT_EQ(zk7416_init_gpib(99, 13, 0, nullptr, nullptr), -1);
    EXPECT_EQ(zk7416_close(handle()), ZK7416_ERR_DEVICE_CLOSED);
    EXPECT_NE(zk7416::instr_port[handle()], 0);
}

struct GpibSetupFault {
    const char* name;
    GpibFault fault;
    int32_t reset;
    int32_t expected;
};

class GpibSetupFailure : public ::testing::TestWithParam<GpibSetupFault> {};

TEST_P(GpibSetupFailure, FailsWithItsCodeAndLeavesNoDeviceInTheSlot) {
    const auto& c = GetParam();
    SimConnection sim(Transport::Gpib);
    sim.bus().faults().arm(c.fault);
    EXPECT_EQ(sim.connect(c.reset), c.expected);
    EXPECT_EQ(sim.handle(), 0) << "the handle is only set on success";
    if (c.fault == GpibFault::PadError) {
        // The device opened before the address failed stays in the slot.
        EXPECT_GT(zk7416::instr_device[1], 0);
        EXPECT_EQ(zk7416::instr_address[1], 0);
    } else {
        EXPECT_EQ(zk7416::instr_device[1], 0);
    }
    // The next attempt starts afresh and succeeds.
    EXPECT_EQ(sim.connect(c.reset), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Connection, GpibSetupFailure,
    ::testing::Values(GpibSetupFault{"Address", GpibFault::PadError, 0, ZK7416_ERR_SET_ADDRESS},
                      GpibSetupFault{"Eos", GpibFault::EosError, 0, ZK7416_ERR_SET_EOS},
                      GpibSetupFault{"Clear", GpibFault::ClearError, 1, ZK7416_ERR_DEVICE_CLEAR},
                      GpibSetupFault{"Write", GpibFault::WriteError, 0, ZK7416_ERR_WRITE},
                      GpibSetupFault{"Read", GpibFault::ReadTimeout, 0, ZK7416_ERR_READ}),
    case_name);

TEST(GpibLibrary, AMissingLibraryGivesNoFreeSlotAndALaterGoodOneWorks) {
    SimConnection sim(Transport::Gpib);
    platform::gpib::use_library("/nonexistent/libgpib-missing.so");
    EXPECT_EQ(sim.connect(), ZK7416_ERR_NO_FREE_SLOT);
    EXPECT_FALSE(platform::gpib::load_error().empty());
    platform::gpib::use_library(GPIB_SIM_LIBRARY);
    EXPECT_EQ(sim.connect(), 0);
}

TEST(GpibLibrary, ALibraryWithoutTheNi4882CallsIsRefused) {
    SimConnection sim(Transport::Gpib);
    // Any shared library that lacks the calls will do: the driver itself.
    platform::gpib::use_library(ZK7416_SHARED_LIBRARY);
    EXPECT_EQ(sim.connect(), ZK7416_ERR_NO_FREE_SLOT);
    EXPECT_NE(platform::gpib::load_error().find("unvollständig"), std::string::npos);
}

TEST_F(GpibConnection, GoToLocalReachesTheInstrumentOrReportsItsFailure) {
    EXPECT_EQ(zk7416_local_gpib(handle()), 0);
    EXPECT_TRUE(sim->instrument().local());
    sim->bus().faults().arm(GpibFault::LocalError);
    EXPECT_EQ(zk7416_local_gpib(handle()), ZK7416_ERR_GO_TO_LOCAL);
    EXPECT_EQ(zk7416_local_gpib(2), ZK7416_ERR_DEVICE_CLOSED);
}

TEST_F(GpibConnection, SerialPollReturnsTheStatusByteOrItsFailure) {
    int32_t stb = -1;
    EXPECT_EQ(zk7416_spoll(handle(), &stb), 0);
    EXPECT_EQ(stb, 0);
    sim->bus().faults().arm(GpibFault::SerialPollError);
    EXPECT_EQ(zk7416_spoll(handle(), &stb), ZK7416_ERR_SERIAL_POLL);
    // An unchecked handle outside the table is a failed poll, not a stray read.
    EXPECT_EQ(zk7416_spoll(42, &stb), ZK7416_ERR_SERIAL_POLL);
}

}  // namespace
}  // namespace driver_test
