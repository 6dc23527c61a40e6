// The histogram of a stream: every value counted once in the bin that holds it, bins
// as wide as Scott's rule asks but never narrower than the values' step, and memory
// that stays the same however far the values spread.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "stats/histogram.h"
#include "stats/running_statistics.h"

namespace {

struct Stream {
    std::vector<double> values;
    stats::Histogram histogram;
    stats::RunningStatistics figures;

    void add(double x, double step = 0.0) {
        values.push_back(x);
        histogram.add(x, step);
        figures.add(x);
    }
};

// The bins are consecutive, and each counts exactly the values between its edges.
void expect_counts_every_value_in_its_bin(const Stream& s) {
    auto bins = s.histogram.bins(s.figures.deviation());
    ASSERT_FALSE(bins.empty());
    std::uint64_t total = 0;
    for (std::size_t b = 0; b < bins.size(); ++b) {
        if (b > 0) {
            EXPECT_EQ(bins[b].low, bins[b - 1].high);
        }
        std::uint64_t inside = 0;
        for (double v : s.values) inside += v >= bins[b].low && v < bins[b].high;
        EXPECT_EQ(bins[b].count, inside) << "bin " << b;
        total += bins[b].count;
    }
    EXPECT_EQ(total, s.values.size());
}

TEST(Histogram, QuantisedValuesGetBinsOfWholeStepsByScottsRule) {
    Stream s;
    std::mt19937 random(1);
    std::normal_distribution<double> resistor(12.345, 0.002);  // mOhm, shown to 0.001
    for (int i = 0; i < 20000; ++i) s.add(std::round(resistor(random) * 1000) / 1e6, 1e-6);
    expect_counts_every_value_in_its_bin(s);

    const double scott = 3.49 * *s.figures.deviation() / std::cbrt(20000.0);
    const double width = s.histogram.shown_width(s.figures.deviation());
    EXPECT_GE(width, scott);
    EXPECT_LT(width, scott + 1e-6 + 1e-12) << "the next whole step above the rule";
    EXPECT_NEAR(std::fmod(width / 1e-6 + 0.5, 1.0), 0.5, 1e-6) << "a whole number of steps";
    // Values sit half a step from every edge, so none depends on rounding.
    for (const auto& bin : s.histogram.bins(s.figures.deviation()))
        EXPECT_NEAR(std::fmod(bin.low / 1e-6 + 1000.0, 1.0), 0.5, 1e-6);
}

TEST(Histogram, FewValuesAreNeverSplitFinerThanTheirStep) {
    Stream s;
    for (double v : {0.012345, 0.012346, 0.012345, 0.012347}) s.add(v, 1e-6);
    expect_counts_every_value_in_its_bin(s);
    EXPECT_GE(s.histogram.shown_width(s.figures.deviation()), 1e-6 * (1 - 1e-9));
}

TEST(Histogram, EqualValuesMakeOneBin) {
    Stream s;
    for (int i = 0; i < 5; ++i) s.add(150.0);
    auto bins = s.histogram.bins(s.figures.deviation());
    ASSERT_EQ(bins.size(), 1u);
    EXPECT_EQ(bins[0].count, 5u);
    EXPECT_TRUE(bins[0].low <= 150.0 && 150.0 < bins[0].high);
}

// An automatic range that jumps from milliohms to kilohms and back: the fine bins
// widen, nothing is lost, and the bins shown stay few.
TEST(Histogram, ValuesThatSpreadFarAreKeptInTheSameMemory) {
    Stream s;
    std::mt19937 random(2);
    std::uniform_real_distribution<double> noise(-1e-6, 1e-6);
    for (int i = 0; i < 3000; ++i) s.add(0.0123 + noise(random));
    const double fine_before = s.histogram.fine_width();
    s.add(1500.0);
    s.add(-0.5);
    s.add(1e-9);
    for (int i = 0; i < 100; ++i) s.add(0.0123 + noise(random));
    EXPECT_GT(s.histogram.fine_width(), fine_before);
    EXPECT_LE(s.histogram.bins(s.figures.deviation()).size(),
              static_cast<std::size_t>(stats::Histogram::MAX_SHOWN_BINS) + 1);
    expect_counts_every_value_in_its_bin(s);
}

TEST(Histogram, NoValueNoBins) {
    stats::Histogram h;
    h.add(std::nan(""));
    EXPECT_TRUE(h.bins(std::nullopt).empty());
    EXPECT_EQ(h.shown_width(std::nullopt), 0.0);
}

}  // namespace
