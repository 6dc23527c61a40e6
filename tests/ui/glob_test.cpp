#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>

#include "ui/glob.h"

namespace {

CalendarTime date(int day, int month0, int year) {
    CalendarTime t{};
    t.tm_mday = day;
    t.tm_mon = month0;
    t.tm_year = year;
    return t;
}

TEST(GetDate, WritesDayMonthYearAndMendsADayOfZero) {
    EXPECT_EQ(get_date(date(5, 2, 2003)), "05.03.2003");
    EXPECT_EQ(get_date(date(0, 2, 2003)), "01.03.2003");
    EXPECT_EQ(get_date(date(-4, 11, 1998)), "01.12.1998");
    EXPECT_EQ(get_date(date(31, 11, 1998)), "31.12.1998");
}

TEST(GetTime, WritesTwoDigitsEach) {
    CalendarTime t{};
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 3;
    EXPECT_EQ(get_time(t), "09:05:03");
}

std::time_t fixed_clock() {
    std::tm utc{};
    utc.tm_year = 2003 - 1900;
    utc.tm_mon = 2;
    utc.tm_mday = 5;
    utc.tm_hour = 9;
    utc.tm_min = 5;
    utc.tm_sec = 3;
    return timegm(&utc);
}

TEST(TNow, FillsTheFullYearAndRefusesNull) {
    setenv("TZ", "UTC0", 1);
    tzset();
    set_time_source(fixed_clock);
    CalendarTime t{};
    EXPECT_EQ(t_now(&t), &t);
    set_time_source(nullptr);
    EXPECT_EQ(t.tm_year, 2003);
    EXPECT_EQ(get_date(t), "05.03.2003");
    EXPECT_EQ(get_time(t), "09:05:03");
    EXPECT_EQ(t.tm_wday, 3);  // a Wednesday
    EXPECT_EQ(t_now(nullptr), nullptr);
}

TEST(TmCopy, CopiesAllNineFieldsAndRefusesNull) {
    CalendarTime source{1, 2, 3, 4, 5, 6, 7, 8, 9};
    CalendarTime destination{};
    EXPECT_EQ(tm_Copy(&destination, &source), &destination);
    EXPECT_EQ(std::memcmp(&destination, &source, sizeof source), 0);

    CalendarTime untouched{9, 9, 9, 9, 9, 9, 9, 9, 9};
    EXPECT_EQ(tm_Copy(&untouched, static_cast<const CalendarTime*>(nullptr)), nullptr);
    EXPECT_EQ(untouched.tm_sec, 9);
    EXPECT_EQ(tm_Copy(nullptr, &source), nullptr);
}

struct TextEdit {
    const char* input;
    const char* expected;
};

void PrintTo(const TextEdit& edit, std::ostream* out) {
    *out << '"' << edit.input << '"';
}

class StrKillSpace : public ::testing::TestWithParam<TextEdit> {};

TEST_P(StrKillSpace, RemovesOnlyOuterBlanks) {
    char text[32];
    std::strcpy(text, GetParam().input);
    EXPECT_STREQ(str_kill_space(text), GetParam().expected);
    std::string s = GetParam().input;
    EXPECT_EQ(str_kill_space(s), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, StrKillSpace,
                         ::testing::Values(TextEdit{"  abc ", "abc"}, TextEdit{"   ", ""},
                                           TextEdit{"", ""}, TextEdit{"a b", "a b"},
                                           TextEdit{" a  b ", "a  b"},
                                           TextEdit{"\tabc\t", "\tabc\t"}));

TEST(StrTrans, ReplacesEveryOccurrenceInPlace) {
    char number[] = "1.5";
    EXPECT_STREQ(strtrans(number, '.', ','), "1,5");
    std::string many = "1.2.3.";
    EXPECT_EQ(strtrans(many, '.', ','), "1,2,3,");
    char none[] = "abc";
    EXPECT_STREQ(strtrans(none, '.', ','), "abc");
}

}  // namespace
