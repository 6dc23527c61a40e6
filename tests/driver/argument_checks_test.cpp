// Argument checks of the connection functions: they need no instrument, because a
// refused argument must stop a call before anything is opened or sent.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "driver/zk7416.h"
#include "driver/zk7416_internal.h"
#include "tests/driver/driver_fixture.h"

namespace {

using zk7416::serial_transport;

struct InitCase {
    const char* name;
    bool serial;
    int32_t a, b;  // address/port, reset/baud
    double timeout;
    int32_t reset;
    int32_t expected;
};

class InitArguments : public ::testing::TestWithParam<InitCase> {};

TEST_P(InitArguments, RefusedWithTheArgumentsCodeAndTheTransportStillSwitches) {
    const InitCase& c = GetParam();
    char idn[300] = "untouched";
    int32_t handle = 77;
    // Start from the other transport so the switch is visible.
    serial_transport = c.serial ? 0 : 1;
    int32_t status = c.serial ? zk7416_init_serial(c.a, c.b, c.timeout, idn, c.reset, &handle)
                              : zk7416_init_gpib(c.a, 13, c.b, idn, &handle);
    EXPECT_EQ(status, c.expected);
    EXPECT_EQ(zk7416_last_status(), c.expected);
    EXPECT_EQ(serial_transport, c.serial ? 1 : 0);
    EXPECT_EQ(handle, 77);
    EXPECT_STREQ(idn, "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Connection, InitArguments,
    ::testing::Values(InitCase{"gpib_address_low", false, -1, 0, 0, 0, -1},
                      InitCase{"gpib_address_high", false, 31, 0, 0, 0, -1},
                      InitCase{"gpib_reset", false, 7, 2, 0, 0, -2},
                      InitCase{"gpib_address_before_reset", false, 31, 2, 0, 0, -1},
                      InitCase{"serial_port_low", true, 0, 9600, 10.0, 0, -1},
                      InitCase{"serial_port_high", true, 5, 9600, 10.0, 0, -1},
                      InitCase{"serial_baud_low", true, 1, 1199, 10.0, 0, -2},
                      InitCase{"serial_baud_high", true, 1, 38401, 10.0, 0, -2},
                      InitCase{"serial_timeout_negative", true, 1, 9600, -0.1, 0, -3},
                      InitCase{"serial_timeout_high", true, 1, 9600, 72000.5, 0, -3},
                      InitCase{"serial_reset", true, 1, 9600, 10.0, 2, -7},
                      InitCase{"serial_port_first", true, 9, 1, -5.0, 9, -1}),
    driver_test::case_name);

TEST(HandleChecks, EveryCheckedFunctionRefusesHandlesOutsideOneToTen) {
    int32_t v = 5;
    for (int32_t handle : {0, 11, -3}) {
        EXPECT_EQ(zk7416_close(handle), -1);
        EXPECT_EQ(zk7416_local_gpib(handle), -1);
        EXPECT_EQ(zk7416_system_error(handle), -1);
        EXPECT_EQ(zk7416_get_exe_error(handle), -1);
        EXPECT_EQ(zk7416_read_std_event_reg(handle, &v), -1);
        EXPECT_EQ(zk7416_read_quest_fres_reg(handle, &v), -1);
    }
    EXPECT_EQ(v, 5);
}

TEST(RangeChecks, BoundsAreInclusiveAndNaNIsOutside) {
    EXPECT_EQ(zk7416_invalid_integer_range(0, 0, 30, -4), 0);
    EXPECT_EQ(zk7416_invalid_integer_range(30, 0, 30, -4), 0);
    EXPECT_EQ(zk7416_invalid_integer_range(31, 0, 30, -4), -1);
    EXPECT_EQ(zk7416_last_status(), -4);
    EXPECT_EQ(zk7416_invalid_real_range(-9999.9, -9999.9, 9999.900390625, -5), 0);
    EXPECT_EQ(zk7416_invalid_real_range(std::nan(""), -1.0, 1.0, -6), -1);
    EXPECT_EQ(zk7416_last_status(), -6);
}

TEST(MessageLayer, OverlongCommandsAreRefusedBeforeAnythingIsSent) {
    std::string command(zk7416::kMaxCommandLength + 1, 'A');
    // Handle 0 has no connection at all: the refusal must come before any transport.
    EXPECT_EQ(zk7416_send_scpi(0, command.c_str()), ZK7416_ERR_WRITE);
    char answer[300] = "kept";
    EXPECT_EQ(zk7416_receive_scpi(0, command.c_str(), answer), ZK7416_ERR_WRITE);
    EXPECT_STREQ(answer, "kept");
}

}  // namespace
