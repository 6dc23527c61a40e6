// The one formatter of command lines: every other conversion as printf writes it, real
// numbers so that the instrument receives exactly the double the caller holds.
#include "driver/command_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace zk7416 {
namespace {

struct RealCase {
    double value;
    const char* text;
};

TEST(LineFormat, RealNumbersReadBackUnchangedAndStayAsBeforeWhereTheyDid) {
    const RealCase cases[] = {
        // Six decimals give these back: the text is what "%f" always wrote.
        {1.5, "1.500000"},
        {0.1, "0.100000"},
        {-9999.9, "-9999.900000"},
        {200000.0, "200000.000000"},
        {0.015, "0.015000"},
        {1e-05, "0.000010"},
        {0.0, "0.000000"},
        // These six decimals would change.
        {0.0039083, "0.0039083"},
        {-5.775e-7, "-0.0000005775"},
        {0.0123456, "0.0123456"},
        {1234.56789012, "1234.56789012"},
        {1e-20, "0.00000000000000000001"},
    };
    for (const RealCase& c : cases) EXPECT_EQ(line("X %f", c.value), std::string("X ") + c.text);
}

TEST(LineFormat, AnyDoubleRoundTripsInFixedPointNotation) {
    std::mt19937_64 generator(7416);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-12, 8);
    for (int i = 0; i < 2000; ++i) {
        double v = mantissa(generator) * std::pow(10.0, exponent(generator));
        std::string text = line("%f", v);
        EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << text;
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), v) << text;
    }
    EXPECT_EQ(line("%f", std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(line("%f", std::nan("")), "nan") << "no endless search for a text that reads back";
    // Far below anything the instrument resolves: rounded, so the line stays short.
    EXPECT_EQ(line("%f", 1e-300), "0." + std::string(40, '0'));
    EXPECT_EQ(line("%f", -3e-39), "-0." + std::string(38, '0') + "3");
}

TEST(LineFormat, OtherConversionsAreWrittenAsPrintfDoes) {
    EXPECT_EQ(line("HCOP:TDST %02d,%02d,%02d", 7, 4, 9), "HCOP:TDST 07,04,09");
    EXPECT_EQ(line("SCAL:CURR %fMA,%fMA,%f,%f", 15.0, 4.0, 0.0, 800.0),
              "SCAL:CURR 15.000000MA,4.000000MA,0.000000,800.000000");
    EXPECT_EQ(line("mem:stat:def %s,%d", "PROBE_1", 5), "mem:stat:def PROBE_1,5");
    EXPECT_EQ(line("DAT:FILT:DELT %i,%f", 31, 0.25), "DAT:FILT:DELT 31,0.250000");
    EXPECT_EQ(line("%.2f|%5.1f|%ld|%x|%c|%%", 1.005, 2.25, 123456789L, 255u, 'z'),
              "1.00|  2.2|123456789|ff|z|%");
}

}  // namespace
}  // namespace zk7416
