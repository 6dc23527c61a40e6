// The instrument's error queue through the driver.
#include <gtest/gtest.h>

#include "driver/zk7416.h"
#include "tests/driver/driver_fixture.h"

namespace driver_test {
namespace {

using ErrorQueue = DriverOnSim;

TEST_P(ErrorQueue, AnEmptyQueueTakesOneQuery) {
    EXPECT_EQ(zk7416_system_error(handle()), 0);
    EXPECT_EQ(log(), (Lines{":SYSTEM:ERROR?"}));
}

TEST_P(ErrorQueue, TheOldestErrorIsReportedAndTheQueueEmptied) {
    ASSERT_EQ(zk7416_send_scpi(handle(), "BOGUS:COMMAND"), 0);  // -113
    ASSERT_EQ(zk7416_send_scpi(handle(), "*SRE"), 0);           // -109, missing parameter
    clear_log();
    EXPECT_EQ(zk7416_system_error(handle()), -113);
    EXPECT_EQ(log(), (Lines(3, ":SYSTEM:ERROR?")));
    EXPECT_EQ(zk7416_system_error(handle()), 0) << "the queue was emptied";
}

TEST_P(ErrorQueue, ExecutionErrorCheckReadsTheQueueOnlyWhenEsrSaysSo) {
    EXPECT_EQ(zk7416_get_exe_error(handle()), 0);
    EXPECT_EQ(log(), (Lines{"*ESR?"}));

    ASSERT_EQ(zk7416_send_scpi(handle(), "BOGUS"), 0);
    clear_log();
    EXPECT_EQ(zk7416_get_exe_error(handle()), -113);
    EXPECT_EQ(log(), (Lines{"*ESR?", ":SYSTEM:ERROR?", ":SYSTEM:ERROR?"}));
}

TEST_P(ErrorQueue, RegisterReadsParseTheirAnswers) {
    int32_t value = -1;
    EXPECT_EQ(zk7416_read_std_event_reg(handle(), &value), 0);
    EXPECT_EQ(value, 0);
    ASSERT_EQ(zk7416_send_scpi(handle(), "BOGUS"), 0);
    EXPECT_EQ(zk7416_read_std_event_reg(handle(), &value), 0);
    EXPECT_EQ(value, 16);
    EXPECT_EQ(zk7416_read_quest_fres_reg(handle(), &value), 0);
    EXPECT_EQ(value, 0);
}

DRIVER_ON_BOTH_TRANSPORTS(ErrorQueue);

}  // namespace
}  // namespace driver_test
