// What one poll shows, and how the graph scales it: tables of the driver's statuses
// and the instrument's answers in each display mode.
#include <gtest/gtest.h>

#include <cmath>

#include "measure/graph_axis.h"
#include "measure/reading.h"
#include "settings/records.h"

namespace {

using measure::Reading;

struct Poll {
    const char* name;
    int status;
    const char* answer;
    int display_mode;
    Reading::Kind kind;
    const char* text;
    double ohms;  // NAN: no resistance
    bool reference;
};

class ReadingTable : public ::testing::TestWithParam<Poll> {};

TEST_P(ReadingTable, ShowsWhatThePollBrought) {
    const Poll& p = GetParam();
    Reading r = measure::interpret_reading(p.status, p.answer, p.display_mode);
    EXPECT_EQ(r.kind, p.kind);
    EXPECT_EQ(r.text, p.text);
    EXPECT_EQ(r.reference, p.reference);
    if (std::isnan(p.ohms)) {
        EXPECT_FALSE(r.ohms.has_value()) << *r.ohms;
    } else {
        ASSERT_TRUE(r.ohms.has_value());
        EXPECT_NEAR(*r.ohms, p.ohms, std::abs(p.ohms) * 1e-6);  // single precision
    }
}

constexpr double NONE = NAN;
using K = Reading::Kind;

INSTANTIATE_TEST_SUITE_P(
    Polls, ReadingTable,
    ::testing::Values(
        Poll{"NoValueYet", 301, "", 0, K::NoValue, "", NONE, false},
        Poll{"StatusZeroWithoutAnswer", 0, "", 0, K::NoValue, "", NONE, false},
        Poll{"Overdriven", 314, "", 0, K::Error, "Übersteuert", NONE, false},
        Poll{"FirstCause", 310, "", 0, K::Error, "T-Komp.Error", NONE, false},
        Poll{"LastCause", 317, "", 1, K::Error, "Mess U-Over", NONE, false},
        Poll{"NotMeasuring", 302, "", 0, K::Error, "Error 302", NONE, false},
        Poll{"LineLost", 231, "", 0, K::Error, "Error 231", NONE, false},
        Poll{"Milliohms", 0, "12.345MOHM", 0, K::Value, "12.345 mOhm", 0.012345, false},
        Poll{"Kiloohms", 0, "1.2345KOHM", 0, K::Value, "1.2345 kOhm", 1234.5, false},
        Poll{"Ohms", 0, "123.45OHM", 0, K::Value, "123.45 Ohm", 123.45, false},
        Poll{"OverRange", 0, ">>>", 0, K::Value, ">>> Over Range", NONE, false},
        // An overload text that is not exactly ">>>" is no resistance either.
        Poll{"OverRangeWords", 0, ">>> Over Range", 0, K::Value, ">>>  Over range", NONE, false},
        Poll{"ReferenceResistance", 0, "000", 0, K::Value, "Ref.Mess.", NONE, true},
        Poll{"ReferenceDeviation", 0, "000", 1, K::Value, "Ref.Mess.", NONE, true},
        Poll{"ReferenceClasses", 0, "000", 2, K::Value, "Ref.Mess.", NONE, true},
        Poll{"Deviation", 0, "-0.012MOHM", 1, K::Value, "-0.012mOhm", NONE, false},
        Poll{"Classes", 0, "PASS", 2, K::Value, "          PASS", NONE, false},
        Poll{"ClassesCut", 0, "HIGH LIMIT", 2, K::Value, "          HIGH ", NONE, false},
        Poll{"UnknownModeLikeDeviation", 0, "1.5OHM", 7, K::Value, "1.5Ohm", NONE, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadingText, StaysWithinTheDisplay) {
    Reading r = measure::interpret_reading(0, std::string(200, '7') + "OHM", 0);
    EXPECT_EQ(r.text.size(), measure::DISPLAY_TEXT_LENGTH);
    r = measure::interpret_reading(0, std::string(200, 'M'), 1);
    EXPECT_EQ(r.text, std::string(30, 'm'));
}

TEST(GraphAxis, FixedRangesDrawInTheirUnitAutomaticInOhms) {
    const struct {
        int range;
        const char* name;
        double high;
    } fixed[] = {{1, "mOhm", 200}, {2, "Ohm", 2},   {3, "Ohm", 20},  {4, "Ohm", 200},
                 {5, "kOhm", 2},   {6, "kOhm", 20}, {7, "kOhm", 200}};
    for (const auto& f : fixed) {
        auto axis = measure::fixed_range_axis(f.range);
        ASSERT_TRUE(axis) << f.range;
        EXPECT_EQ(axis->name, f.name);
        EXPECT_EQ(axis->low, 0.0);
        EXPECT_EQ(axis->high, f.high);
    }
    EXPECT_FALSE(measure::fixed_range_axis(0));
    EXPECT_FALSE(measure::fixed_range_axis(8));
    EXPECT_FALSE(measure::fixed_range_axis(-1));

    const double automatic[] = {0.2, 2, 20, 200, 2000, 20000, 200000};
    for (int n = 1; n <= 7; ++n) {
        auto axis = measure::automatic_range_axis(n);
        ASSERT_TRUE(axis);
        EXPECT_EQ(axis->name, "Ohm");
        EXPECT_EQ(axis->high, automatic[n - 1]);
    }
    EXPECT_FALSE(measure::automatic_range_axis(0));

    EXPECT_DOUBLE_EQ(measure::scale_for_range(0.012345, 1), 12.345);
    EXPECT_DOUBLE_EQ(measure::scale_for_range(1234.5, 6), 1.2345);
    EXPECT_DOUBLE_EQ(measure::scale_for_range(150, 4), 150);
    EXPECT_DOUBLE_EQ(measure::scale_for_range(150, 0), 150);
}

TEST(GraphAxis, LimitTracesFollowTheComparator) {
    EXPECT_EQ(measure::trace_count(0, 4), 1);
    EXPECT_EQ(measure::trace_count(1, 2), 3);
    EXPECT_EQ(measure::trace_count(1, 4), 5);

    rec::measurement_configuration.range = 1;
    rec::compare.limit_1 = 0.001, rec::compare.limit_2 = 0.002, rec::compare.limit_3 = 0.003,
    rec::compare.limit_4 = 0.004;
    auto v = measure::plot_values(0.0125);
    EXPECT_DOUBLE_EQ(v[0], 12.5);
    EXPECT_DOUBLE_EQ(v[1], 2.0);  // the lower of two limits
    EXPECT_DOUBLE_EQ(v[2], 3.0);
    EXPECT_DOUBLE_EQ(v[3], 1.0);
    EXPECT_DOUBLE_EQ(v[4], 4.0);
    rec::measurement_configuration = {};
    rec::compare = {};
}

}  // namespace
