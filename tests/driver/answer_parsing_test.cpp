#include "driver/answer_parsing.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zk7416 {
namespace {

TEST(AnswerParsing, LeadingIntegersAreDecimalAfterBlanksAndSign) {
    int32_t v = 99;
    EXPECT_TRUE(parse_leading_int("  -113,\"Undefined header\"", v));
    EXPECT_EQ(v, -113);
    EXPECT_TRUE(parse_leading_int("+0012abc", v));
    EXPECT_EQ(v, 12);
    // "%i" of an SCPI answer is decimal: a leading zero is not octal, 0x is not hex.
    EXPECT_TRUE(parse_leading_int("010", v));
    EXPECT_EQ(v, 10);
    EXPECT_TRUE(parse_leading_int("0x1F", v));
    EXPECT_EQ(v, 0);

    v = 42;
    EXPECT_FALSE(parse_leading_int("", v));
    EXPECT_FALSE(parse_leading_int("BLOCK EMPTY", v));
    EXPECT_FALSE(parse_leading_int("-", v));
    EXPECT_EQ(v, 42) << "an answer without a number leaves the output alone";

    EXPECT_TRUE(parse_leading_int("99999999999999999999", v));
    EXPECT_EQ(v, INT32_MAX) << "absurd digit runs saturate instead of overflowing";
}

TEST(AnswerParsing, HexadecimalRegisterAnswers) {
    int32_t v = 0;
    EXPECT_TRUE(parse_leading_hex("C0", v));
    EXPECT_EQ(v, 0xC0);
    EXPECT_TRUE(parse_leading_hex("1f\r", v));
    EXPECT_EQ(v, 0x1F);
    EXPECT_FALSE(parse_leading_hex("xyz", v));
    EXPECT_EQ(v, 0x1F);
}

TEST(AnswerParsing, RealNumbersWordsAndFields) {
    double d = -1;
    EXPECT_TRUE(parse_leading_double("12.345MOHM", d));
    EXPECT_DOUBLE_EQ(d, 12.345);
    EXPECT_TRUE(parse_leading_double(" 1.5e3", d));
    EXPECT_DOUBLE_EQ(d, 1500.0);
    EXPECT_FALSE(parse_leading_double(">>>", d));
    EXPECT_DOUBLE_EQ(d, 1500.0);

    EXPECT_EQ(first_word("  200MOHM  xyz"), "200MOHM");
    EXPECT_EQ(first_word(""), "");

    auto f = split_fields("1.5OHM,05,03,2024,,x");
    ASSERT_EQ(f.size(), 6u);
    EXPECT_EQ(f[0], "1.5OHM");
    EXPECT_EQ(f[4], "");
    EXPECT_EQ(f[5], "x");
    EXPECT_EQ(split_fields("").size(), 1u);

    EXPECT_TRUE(equals_ignore_case("mov", "MOV"));
    EXPECT_FALSE(equals_ignore_case("MOVE", "MOV"));
}

TEST(AnswerParsing, BoundedCopyAlwaysTerminatesInsideTheField) {
    char field[6];
    std::memset(field, 'x', sizeof field);
    copy_bounded(field, sizeof field, "abcdefghij");
    EXPECT_STREQ(field, "abcde");
    copy_bounded(field, sizeof field, "ab");
    EXPECT_STREQ(field, "ab");
    EXPECT_EQ(field[3], 'd') << "bytes after the terminator are left as they stood";
}

TEST(AnswerParsing, FixedPointNeverUsesAnExponent) {
    EXPECT_EQ(fixed_point(1e-05), "0.000010");
    EXPECT_EQ(fixed_point(200000.0), "200000.000000");
    EXPECT_EQ(fixed_point(1e20).find('e'), std::string::npos);
}

}  // namespace
}  // namespace zk7416
