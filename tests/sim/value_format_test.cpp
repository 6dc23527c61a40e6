// The instrument's digits: values in each range up to its limit, the decade carry of
// rounding, the coarse resolution, deviations and settings.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "sim/value_format.h"

namespace sim_test {
namespace {

using namespace tarvolux::sim;

struct RangeCase {
    double ohms;
    int range;
    Resolution resolution;
    std::optional<std::string> text;  // none: overload
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.ohms << " in range " << c.range;
}

constexpr auto FINE = Resolution::Fine;
constexpr auto COARSE = Resolution::Coarse;

// Ranging through the model covers the ordinary values; these are the digits' corners.
const RangeCase RANGE_CASES[] = {
    {0.12345, 1, FINE, "123.45MOHM"},   {0.19999, 1, FINE, "199.99MOHM"},
    {0.199996, 1, FINE, std::nullopt},  // rounds to the full scale
    {0.0, 1, FINE, "0.000MOHM"},        {-0.0012346, 1, FINE, "-1.235MOHM"},
    {1.99994, 2, FINE, "1.9999OHM"},    {1.99996, 2, FINE, std::nullopt},
    {0.012, 2, FINE, "0.01200OHM"},   // no digit finer than the range resolves
    {9.99996, 3, FINE, "10.000OHM"},  // the carry into the next decade drops a digit
    {199990.0, 7, FINE, "199.99KOHM"},  {200000.0, 7, FINE, std::nullopt},
    {0.012346, 1, COARSE, "12.35MOHM"}, {1.2345, 5, COARSE, "0.0012KOHM"},
    {1999.4, 5, COARSE, "1.999KOHM"},   {1999.6, 5, COARSE, std::nullopt},
};

class InRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(InRange, ValueHasTheInstrumentsDigitsOrOverloads) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(format_in_range(c.ohms, c.range, c.resolution), c.text);
}

INSTANTIATE_TEST_SUITE_P(Ranges, InRange, ::testing::ValuesIn(RANGE_CASES));

TEST(ValueFormat, ResultsDeviationsAndSettings) {
    EXPECT_EQ(format_result(0.000003, FINE), "0.003MOHM");
    EXPECT_EQ(format_result(300000.0, FINE), "300.00KOHM") << "beyond the largest range";
    EXPECT_EQ(format_deviation(0.002344, 1, FINE), "+2.344MOHM");
    EXPECT_EQ(format_deviation(-0.5, 2, FINE), "-0.50000OHM");
    EXPECT_EQ(format_deviation(0.0, 1, FINE), "+0.000MOHM");
    EXPECT_EQ(format_setting(0.0125), "12.5MOHM");
    EXPECT_EQ(format_setting(0.00001), "0.01MOHM");
    EXPECT_EQ(format_setting(150.0), "150OHM");
    EXPECT_EQ(format_setting(2000.0), "2KOHM");
    EXPECT_EQ(format_setting(-0.001), "-1MOHM");
    EXPECT_EQ(format_setting(0.0), "0OHM");
    EXPECT_EQ(format_number(0.00001), "0.00001");
    EXPECT_EQ(format_number(-0.0), "0");
    EXPECT_EQ(two_digit_fields({1, 5, 9}), "01,05,09");
}

TEST(ValueFormat, RangeTextsInAnyCaseOrAsFullScale) {
    EXPECT_EQ(range_of_text("200MOHM"), 1);
    EXPECT_EQ(range_of_text("2kohm"), 5);
    EXPECT_EQ(range_of_text("200KOHM"), 7);
    EXPECT_EQ(range_of_text("20"), 3);
    EXPECT_EQ(range_of_text("300OHM"), std::nullopt);
    EXPECT_EQ(range_of_text("OHM"), std::nullopt);
}

}  // namespace
}  // namespace sim_test
