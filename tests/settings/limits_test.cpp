#include <gtest/gtest.h>

#include "settings/limits.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "settings_fixture.h"

namespace {

struct Shown {
    double ohms;
    const char* text;
};

void PrintTo(const Shown& s, std::ostream* out) {
    *out << s.ohms;
}

class LimitDisplayText : public ::testing::TestWithParam<Shown> {};

TEST_P(LimitDisplayText, ChoosesUnitAndDecimalsBySize) {
    EXPECT_EQ(settings::limit_display_text(GetParam().ohms), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, LimitDisplayText,
    ::testing::Values(Shown{150000, "150.00 kOhm"}, Shown{100000, "100.00 kOhm"},
                      Shown{99999.4, "99.999 kOhm"}, Shown{15000, "15.000 kOhm"},
                      Shown{10000, "10.000 kOhm"}, Shown{9999.94, "9.9999 kOhm"},
                      Shown{1500, "1.5000 kOhm"}, Shown{1000, "1.0000 kOhm"},
                      Shown{999.99, "999.99 Ohm"}, Shown{150, "150.00 Ohm"},
                      Shown{100, "100.00 Ohm"}, Shown{99.99, "99.99 Ohm"}, Shown{15, "15.00 Ohm"},
                      Shown{10, "10.00 Ohm"}, Shown{9.99, "9.9900 Ohm"}, Shown{1.5, "1.5000 Ohm"},
                      Shown{1, "1.0000 Ohm"}, Shown{0.5, "500.00 mOhm"}, Shown{0.015, "15.00 mOhm"},
                      Shown{0, "0.00 mOhm"}, Shown{-0.002, "-2.00 mOhm"}));

using LimitsTest = SettingsTest;

TEST_F(LimitsTest, DisplayTextsCarryTheirSign) {
    rec::compare.limit_4 = 150000;
    rec::compare.limit_3 = 15;
    rec::compare.limit_2 = 1.5;
    rec::compare.limit_1 = 0.5;
    EXPECT_EQ(settings::format_limit_for_display(), 0);
    EXPECT_STREQ(rec::compare.limit_text_4, "R>150.00 kOhm");
    EXPECT_STREQ(rec::compare.limit_text_3, "R>15.00 Ohm");
    EXPECT_STREQ(rec::compare.limit_text_2, "R<1.5000 Ohm");
    EXPECT_STREQ(rec::compare.limit_text_1, "R<500.00 mOhm");
    EXPECT_EQ(rec::compare.limit_4, 150000);
}

TEST_F(LimitsTest, LimitsFarOutsideTheRangesStillFitTheirFields) {
    rec::compare.limit_4 = 1e300;
    rec::compare.limit_3 = 1234567890123.0;  // 20 characters in fixed notation
    rec::compare.limit_2 = -1e300;
    rec::compare.limit_1 = 123456789012.0;  // exactly 19 characters: still fixed notation
    rec::compare.count_5 = 0x01020304;      // the field after limit_text_1
    settings::format_limit_for_display();
    EXPECT_EQ(text::field_text(rec::compare.limit_text_4), "R>1.000e+297 kOhm");
    EXPECT_EQ(text::field_text(rec::compare.limit_text_3), "R>1.235e+09 kOhm");
    EXPECT_EQ(text::field_text(rec::compare.limit_text_2), "R<-1.000e+303 mOhm");
    EXPECT_EQ(text::field_text(rec::compare.limit_text_1), "R<123456789.01 kOhm");
    EXPECT_EQ(rec::compare.count_5, 0x01020304);
}

struct Order {
    int count;
    double l1, l2, l3, l4;
    bool accepted;
};

void PrintTo(const Order& o, std::ostream* out) {
    *out << o.count << ": " << o.l1 << " " << o.l2 << " " << o.l3 << " " << o.l4;
}

class CheckLimits : public LimitsTest, public ::testing::WithParamInterface<Order> {};

TEST_P(CheckLimits, AcceptsOnlyStrictOrder) {
    const Order& o = GetParam();
    rec::compare.limit_count = o.count;
    rec::compare.limit_1 = o.l1;
    rec::compare.limit_2 = o.l2;
    rec::compare.limit_3 = o.l3;
    rec::compare.limit_4 = o.l4;
    EXPECT_EQ(settings::check_limits(), o.accepted ? 1 : -1);
    if (o.accepted) {
        EXPECT_TRUE(backend.popups().empty());
        return;
    }
    EXPECT_EQ(only_popup().title, "Fehler-Meldung :");
    EXPECT_EQ(only_popup().text,
              o.count == 4 ? "Grenzen sind inconsistent.\n\nBitte Grenze Eingabe ändern\n\n"
                             "Grenzwert '>>' > Grenzwert '>',\nGrenzwert '>' > Grenzwert '<'"
                             "\n\nusw."
                           : "Grenzen sind inconsistent.\n\nBitte Grenze Eingabe ändern\n\n"
                             "Grenzwert '>' > Grenzwert '<'");
}

INSTANTIATE_TEST_SUITE_P(
    Orders, CheckLimits,
    ::testing::Values(Order{4, 10, 20, 50, 100, true}, Order{4, 10, 50, 50, 100, false},
                      Order{4, 10, 20, 100, 100, false}, Order{4, 20, 20, 50, 100, false},
                      Order{4, 30, 20, 50, 100, false},
                      // 2 limits look at the lower and upper limit only
                      Order{2, 999, 20, 50, -1, true}, Order{2, 0, 50, 50, 0, false},
                      Order{2, 0, 60, 50, 0, false}));

}  // namespace

namespace {

TEST(LimitUnit, FollowsTheMeasuringRange) {
    const char* captions[] = {"Messwert in Ohm",  "Messwert in mOhm", "Messwert in Ohm",
                              "Messwert in Ohm",  "Messwert in Ohm",  "Messwert in kOhm",
                              "Messwert in kOhm", "Messwert in kOhm"};
    const int exponents[] = {0, -3, 0, 0, 0, 3, 3, 3};
    for (int range = 0; range <= 7; ++range) {
        EXPECT_STREQ(settings::limit_unit(range).caption, captions[range]) << range;
        EXPECT_EQ(settings::limit_unit(range).exponent, exponents[range]) << range;
    }
}

TEST(ShiftDecimal, MovesTheDecimalPointWithoutBinaryRounding) {
    struct Case {
        double value;
        int power;
        double shifted;
    };
    const Case cases[] = {
        {0.015, 3, 15.0},    {15.5, -3, 0.0155},  {12345.678, -3, 12.345678},
        {1.2345, 3, 1234.5}, {-5.5, 3, -5500.0},  {0.0, 3, 0.0},
        {1.1, 3, 1100.0},    {4.35, -3, 0.00435}, {150.0, 0, 150.0},
    };
    for (const Case& c : cases) EXPECT_EQ(settings::shift_decimal(c.value, c.power), c.shifted);
    // Where a binary multiplication drifts by one bit, the decimal shift does not.
    ASSERT_NE(0.0041 * 1000, 4.1);
    EXPECT_EQ(settings::shift_decimal(0.0041, 3), 4.1);
    ASSERT_NE(4.1 / 1000, 0.0041);
    EXPECT_EQ(settings::shift_decimal(4.1, -3), 0.0041);
    // Shown and typed back, every limit keeps every bit.
    for (double v : {0.0153, 1e-7, 123456.789, -0.0042, 199999.99999})
        for (int power : {-3, 3})
            EXPECT_EQ(settings::shift_decimal(settings::shift_decimal(v, power), -power), v);
}

}  // namespace
