// The running figures against a two-pass reference, process capability, the classes
// of the comparator and what a measurement counts apart from the figures.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "stats/ohm_units.h"
#include "stats/session_statistics.h"

namespace {

// A million milliohm values that differ in the microohms: a sum of squares in double
// precision loses the deviation to cancellation; the running method must not.
TEST(RunningStatistics, AgreesWithATwoPassReferenceOnAMillionNearlyEqualValues) {
    std::mt19937 random(7416);
    std::normal_distribution<double> resistor(0.012345, 0.000002);
    std::vector<double> values(1'000'000);
    stats::RunningStatistics running;
    for (double& v : values) {
        v = resistor(random);
        running.add(v);
    }
    long double sum = 0;
    for (double v : values) sum += v;
    const long double mean = sum / values.size();
    long double squares = 0;
    for (double v : values) squares += (v - mean) * (v - mean);
    const double deviation = static_cast<double>(std::sqrt(squares / (values.size() - 1)));

    ASSERT_EQ(running.count(), values.size());
    EXPECT_NEAR(*running.mean(), static_cast<double>(mean), 1e-15);
    EXPECT_NEAR(*running.deviation(), deviation, deviation * 1e-9);
    EXPECT_EQ(*running.minimum(), *std::min_element(values.begin(), values.end()));
    EXPECT_EQ(*running.maximum(), *std::max_element(values.begin(), values.end()));
}

TEST(RunningStatistics, NoValueAndOneValue) {
    stats::RunningStatistics s;
    EXPECT_FALSE(s.mean() || s.deviation() || s.minimum() || s.maximum() || s.range());
    s.add(std::nan(""));  // never a figure
    EXPECT_EQ(s.count(), 0u);
    s.add(0.5);
    EXPECT_EQ(*s.mean(), 0.5);
    EXPECT_EQ(*s.range(), 0.0);
    EXPECT_FALSE(s.deviation()) << "one value has no spread";
    s.add(1.5);
    EXPECT_DOUBLE_EQ(*s.deviation(), std::sqrt(0.5));
}

struct CapabilityCase {
    const char* name;
    std::optional<double> mean, deviation, lower, upper;
    std::optional<double> cp, cpk;
};

class Capability : public ::testing::TestWithParam<CapabilityCase> {};

TEST_P(Capability, AgainstTheLimits) {
    const CapabilityCase& c = GetParam();
    stats::Capability got = stats::capability(c.mean, c.deviation, c.lower, c.upper);
    ASSERT_EQ(got.cp.has_value(), c.cp.has_value());
    ASSERT_EQ(got.cpk.has_value(), c.cpk.has_value());
    if (c.cp) {
        EXPECT_NEAR(*got.cp, *c.cp, 1e-12);
    }
    if (c.cpk) {
        EXPECT_NEAR(*got.cpk, *c.cpk, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Capability,
    ::testing::Values(
        CapabilityCase{"centred", 10.0, 1.0, 4.0, 16.0, 2.0, 2.0},
        CapabilityCase{"offCentre", 12.0, 1.0, 4.0, 16.0, 2.0, 4.0 / 3.0},
        CapabilityCase{"outsideTheLimits", 17.0, 1.0, 4.0, 16.0, 2.0, -1.0 / 3.0},
        CapabilityCase{"upperOnly", 10.0, 1.0, std::nullopt, 16.0, std::nullopt, 2.0},
        CapabilityCase{"lowerOnly", 10.0, 2.0, 7.0, std::nullopt, std::nullopt, 0.5},
        CapabilityCase{"noValue", std::nullopt, std::nullopt, 4.0, 16.0, std::nullopt,
                       std::nullopt},
        CapabilityCase{"oneValue", 10.0, std::nullopt, 4.0, 16.0, std::nullopt, std::nullopt},
        CapabilityCase{"noSpread", 10.0, 0.0, 4.0, 16.0, std::nullopt, std::nullopt},
        CapabilityCase{"limitsReversed", 10.0, 1.0, 16.0, 4.0, std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ValueClasses, LimitsBelongToTheClassNearerGood) {
    const stats::Limits two{2, 0, 1.0, 2.0, 0};
    const stats::Limits four{4, 0.5, 1.0, 2.0, 3.0};
    struct Row {
        double x;
        int two_limits, four_limits;
    } rows[] = {{0.4, 1, 0}, {0.5, 1, 1},  {0.99, 1, 1}, {1.0, 2, 2},
                {2.0, 2, 2}, {2.01, 3, 3}, {3.0, 3, 3},  {3.5, 3, 4}};
    for (const Row& r : rows) {
        EXPECT_EQ(stats::classify(two, r.x), r.two_limits) << r.x;
        EXPECT_EQ(stats::classify(four, r.x), r.four_limits) << r.x;
    }
}

TEST(SessionStatistics, OverloadsReferencesAndErrorsNeverEnterTheFigures) {
    stats::SessionStatistics s;
    const stats::Limits limits{2, 0, 1.0, 2.0, 0};
    s.add_resistance(1.5, 0.001, limits);
    s.add_resistance(2.5, 0.001, limits);
    s.add_overload();
    s.add_reference();
    s.add_error();
    s.add_error();
    EXPECT_EQ(s.values().count(), 2u);
    EXPECT_EQ(s.histogram().count(), 2u);
    EXPECT_EQ(s.overloads(), 1u);
    EXPECT_EQ(s.references(), 1u);
    EXPECT_EQ(s.errors(), 2u);
    EXPECT_EQ(s.classes().count(stats::GOOD_CLASS), 1u);
    EXPECT_DOUBLE_EQ(*s.classes().percent(3), 50.0);
    EXPECT_NEAR(*s.capability().cpk, (2.0 - 2.0) / (3 * std::sqrt(0.5)), 1e-12);

    const auto before = s.version();
    s.reset();
    EXPECT_NE(s.version(), before) << "a view must see the reset";
    EXPECT_EQ(s.values().count() + s.errors() + s.classes().total(), 0u);
    EXPECT_FALSE(s.limits());
}

TEST(OhmUnits, StepOfAValueTextAndTheUnitOfAFigure) {
    EXPECT_DOUBLE_EQ(stats::text_resolution("12.345 mOhm"), 1e-6);
    EXPECT_DOUBLE_EQ(stats::text_resolution("1.2345 kOhm"), 0.1);
    EXPECT_DOUBLE_EQ(stats::text_resolution(" 123.45 Ohm"), 0.01);
    EXPECT_DOUBLE_EQ(stats::text_resolution("-7 mOhm"), 1e-3);
    EXPECT_EQ(stats::text_resolution(">>> Over Range"), 0.0);
    EXPECT_EQ(stats::figure_text(0.0123451, stats::unit_for(0.0123451), 6), "12.3451 mOhm");
    EXPECT_EQ(stats::figure_text(1234.5, stats::unit_for(1234.5), 6), "1.2345 kOhm");
    EXPECT_EQ(stats::figure_text(std::nullopt, stats::unit_for(1.0), 6), "-");
}

}  // namespace
