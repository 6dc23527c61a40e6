// Taking the block-read answers apart by their commas.
#include <gtest/gtest.h>

#include "datalog/readout_parse.h"

namespace {

using datalog::split_records;
using datalog::split_values;

TEST(ReadoutParse, ValuesAnswersMustHoldExactlyTheValuesAskedFor) {
    auto three = split_values("1.0OHM,>>>,2.5MOHM", 3);
    ASSERT_TRUE(three);
    EXPECT_EQ((*three)[1], ">>>");
    EXPECT_FALSE(split_values("1.0OHM,2.0OHM", 3));
    EXPECT_FALSE(split_values("1.0OHM,2.0OHM,3.0OHM,4.0OHM", 3));
    EXPECT_FALSE(split_values("", 1));
    EXPECT_FALSE(split_values("1.0OHM,", 1));
}

TEST(ReadoutParse, RecordsAreTakenByTheirCommasWhateverTheYearsWidth) {
    // Old (two-digit year) and new firmware records side by side: no field shifts.
    auto records = split_records("12.3MOHM,31,12,98,23,59,58,07,>>>,01,01,2005,00,00,01,00", 2);
    ASSERT_TRUE(records);
    EXPECT_EQ((*records)[0].value, "12.3MOHM");
    EXPECT_EQ((*records)[0].date, "31.12.98");
    EXPECT_EQ((*records)[0].time, "23:59:58:07");
    EXPECT_EQ((*records)[1].value, ">>>");
    EXPECT_EQ((*records)[1].date, "01.01.2005");
    EXPECT_EQ((*records)[1].time, "00:00:01:00");
    // A record short of a field, or one too many, makes the whole answer no data.
    EXPECT_FALSE(split_records("12.3MOHM,31,12,98,23,59,58", 1));
    EXPECT_FALSE(split_records("12.3MOHM,31,12,98,23,59,58,07,1", 1));
    EXPECT_FALSE(split_records("12.3MOHM,31,12,98,23,59,58,07", 2));
}

TEST(ReadoutParse, OnlyAWellFormedTwoDigitYearIsWidened) {
    const std::pair<const char*, const char*> rows[] = {
        {"31.12.98", "31.12.1998"},
        {"01.01.05", "01.01.2005"},
        {"1.2.90", "1.2.1990"},
        {"31.12.1998", "31.12.1998"},
        {"31.12.9", "31.12.9"},
        {"31.12.", "31.12."},
        {"aa.12.98", "aa.12.98"},
        {"31.12.9x", "31.12.9x"},
        {"31.123.98", "31.123.98"},
        {"3112.98", "3112.98"},
        {"", ""},
    };
    for (auto [given, expected] : rows) {
        std::string date = given;
        datalog::widen_year(date);
        EXPECT_EQ(date, expected) << given;
    }
}

}  // namespace
