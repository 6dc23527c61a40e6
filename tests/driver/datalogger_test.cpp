// The datalogger getters: block names, filters with all their parameters, stored values
// with date and time, statistics - and that no answer writes past the caller's fields.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver/zk7416.h"
#include "tests/driver/driver_fixture.h"

namespace driver_test {
namespace {

using Datalogger = DriverOnSim;

// A text field of `size` bytes followed by guard bytes that must stay untouched.
struct Field {
    explicit Field(std::size_t size) : size(size), bytes(size + 8, '#') {}
    char* data() { return bytes.data(); }
    std::string text() const { return std::string(bytes.data()); }
    bool guard_intact() const { return bytes.substr(size) == std::string(8, '#'); }
    std::size_t size;
    std::string bytes;
};

TEST_P(Datalogger, FilterModeAndEveryParameterAreRead) {
    answer("DAT:FILT?", "nof");
    answer("DAT:FILT:XVAL?", "25");
    answer("DAT:FILT:YTIM?", "1,5,9");
    answer("DAT:FILT:DELT?", "0.5");
    int32_t mode = 9, xval = 0, hours = 0, minutes = 0, seconds = 0;
    double delta = 0;
    EXPECT_EQ(
        zk7416_get_datalogger_filter(handle(), 3, &mode, &xval, &hours, &minutes, &seconds, &delta),
        0);
    EXPECT_EQ(mode, 1);
    EXPECT_EQ(xval, 25);
    EXPECT_EQ(hours, 1);
    EXPECT_EQ(minutes, 5);
    EXPECT_EQ(seconds, 9);
    EXPECT_DOUBLE_EQ(delta, 0.5);
    EXPECT_EQ(log(),
              (Lines{"DAT:FILT? 3", "DAT:FILT:XVAL? 3", "DAT:FILT:YTIM? 3", "DAT:FILT:DELT? 3"}));

    const std::pair<const char*, int32_t> answers[] = {{"ALL", 0},  {"Fail", 2}, {"XVAL", 3},
                                                       {"ytim", 4}, {"DELT", 5}, {"NOFAIL", 5},
                                                       {"DELTA", 5}};
    for (auto [text, expected] : answers) {
        answer("DAT:FILT?", text);
        EXPECT_EQ(zk7416_get_datalogger_filter(handle(), 0, &mode, &xval, &hours, &minutes,
                                               &seconds, &delta),
                  0);
        EXPECT_EQ(mode, expected) << text << " (unknown answers keep the mode read before)";
    }
}

TEST_P(Datalogger, NamesAreTheFirstWordCutToTheirField) {
    Field name(ZK7416_NAME_SIZE);
    answer("DAT:STATE:NAME?", "Charge_12 rest");
    EXPECT_EQ(zk7416_get_datalogger_name(handle(), 31, name.data()), 0);
    EXPECT_EQ(name.text(), "Charge_12");
    answer("DAT:STATE:NAME?", std::string(60, 'n'));
    EXPECT_EQ(zk7416_get_datalogger_name(handle(), 0, name.data()), 0);
    EXPECT_EQ(name.text(), std::string(ZK7416_NAME_SIZE - 1, 'n'));
    EXPECT_TRUE(name.guard_intact());
    EXPECT_EQ(log(), (Lines{"DAT:STATE:NAME? 31", "DAT:STATE:NAME? 0"}));
}

TEST_P(Datalogger, StoredValuesGetTheirDateAndTimeJoined) {
    Field value(ZK7416_VALUE_SIZE), date(ZK7416_DATE_SIZE), time(ZK7416_TIME_SIZE);
    answer("dat:data:all?", "1.2345OHM,05,03,2024,07,04,09,50");
    EXPECT_EQ(
        zk7416_datalogger_read_block(handle(), 2, 20000, value.data(), date.data(), time.data()),
        0);
    EXPECT_EQ(value.text(), "1.2345OHM");
    EXPECT_EQ(date.text(), "05.03.2024");
    EXPECT_EQ(time.text(), "07:04:09:50");
    EXPECT_EQ(log(), (Lines{"dat:data:all? 2,20000"}));

    // Overlong fields: each part is cut to its width, the result to the caller's field.
    answer("dat:data:all?", std::string(50, 'v') + ",1234,56789,123456789,1111,2222,3333,4444");
    EXPECT_EQ(zk7416_datalogger_read_block(handle(), 2, 1, value.data(), date.data(), time.data()),
              0);
    EXPECT_EQ(value.text(), std::string(ZK7416_VALUE_SIZE - 1, 'v'));
    EXPECT_EQ(date.text(), "123.567.12");
    EXPECT_EQ(time.text(), "111:222:333:44");
    EXPECT_TRUE(value.guard_intact());
    EXPECT_TRUE(date.guard_intact());
    EXPECT_TRUE(time.guard_intact());

    // An answer without all its fields leaves the date or time as they were.
    answer("dat:data:all?", "2OHM,06,04,2025,08,05,10");
    EXPECT_EQ(zk7416_datalogger_read_block(handle(), 2, 1, value.data(), date.data(), time.data()),
              0);
    EXPECT_EQ(date.text(), "06.04.2025");
    EXPECT_EQ(time.text(), "111:222:333:44");
    answer("dat:data:all?", "BLOCK EMPTY");
    EXPECT_EQ(zk7416_datalogger_read_block(handle(), 2, 1, value.data(), date.data(), time.data()),
              0);
    EXPECT_EQ(value.text(), "BLOCK EMPTY");
    EXPECT_EQ(date.text(), "06.04.2025");
    EXPECT_EQ(time.text(), "111:222:333:44");
}

TEST_P(Datalogger, StatisticsAreCopiedWholeInTheirOrder) {
    Field minimum(ZK7416_STATISTICS_SIZE), maximum(ZK7416_STATISTICS_SIZE),
        mean(ZK7416_STATISTICS_SIZE), deviation(ZK7416_STATISTICS_SIZE);
    answer("DAT:MIN?", "BLOCK EMPTY");
    answer("DAT:MAX?", "1.5 OHM");
    answer("DAT:AVER?", std::string(40, 'a'));
    answer("DAT:DEV?", "");
    EXPECT_EQ(zk7416_datalogger_read_eval_values(handle(), 7, minimum.data(), maximum.data(),
                                                 mean.data(), deviation.data()),
              0);
    EXPECT_EQ(minimum.text(), "BLOCK EMPTY");
    EXPECT_EQ(maximum.text(), "1.5 OHM");
    EXPECT_EQ(mean.text(), std::string(ZK7416_STATISTICS_SIZE - 1, 'a'));
    EXPECT_TRUE(mean.guard_intact());
    EXPECT_EQ(deviation.text(), "");
    EXPECT_EQ(log(), (Lines{"DAT:MIN? 7", "DAT:max? 7", "DAT:AVER? 7", "DAT:DEV? 7"}));
}

DRIVER_ON_BOTH_TRANSPORTS(Datalogger);

}  // namespace
}  // namespace driver_test
