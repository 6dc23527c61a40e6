// The driver's exported conversions of instrument texts, and numbers on the wire under
// an operator's locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "driver/zk7416.h"
#include "tests/driver/driver_fixture.h"

namespace driver_test {
namespace {

struct ValueCase {
    const char* text;
    double ohms;
};

class ValueTexts : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueTexts, ConvertToOhms) {
    EXPECT_DOUBLE_EQ(convert_string_to_value(GetParam().text), GetParam().ohms);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ValueTexts,
    ::testing::Values(ValueCase{"12.5MOHM", 0.0125}, ValueCase{"12.5 mohm", 0.0125},
                      ValueCase{"2KOHM", 2000.0}, ValueCase{"1.5kOhm", 1500.0},
                      ValueCase{"123.45OHM", 123.45}, ValueCase{"199.99", 199.99},
                      ValueCase{"-0.5E+01KOHM", -5000.0},
                      // Milliohms win when both words occur.
                      ValueCase{"3MOHMKOHM", 0.003},
                      // A unit word at the very start is no suffix, and no number is 0.
                      ValueCase{"MOHM", 0.0}, ValueCase{"KOHM12", 0.0}, ValueCase{"", 0.0},
                      ValueCase{">>>", 0.0}));

TEST(RangeTexts, MapToRangeNumbersAndNothingElse) {
    const char* texts[] = {"200MOHM", "2OHM", "20OHM", "200OHM", "2KOHM", "20KOHM", "200KOHM"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(get_range_number(texts[i]), i + 1) << texts[i];
    EXPECT_EQ(get_range_number("20kohm"), 6);
    for (const char* other : {"", "AUTO", "2 KOHM", "200MOHM ", "2000KOHM", "OHM"})
        EXPECT_EQ(get_range_number(other), 0) << "'" << other << "'";
    EXPECT_EQ(get_range_number(nullptr), 0);
}

// Switches the process to a German locale (decimal comma) as a desktop program may do,
// building it first when the machine has none installed; skips when neither works.
class GermanLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
            locale_dir_ = std::filesystem::temp_directory_path() /
                          ("zk7416-locale-" + std::to_string(::getpid()));
            std::filesystem::create_directories(locale_dir_);
            std::string command = "localedef -i de_DE -f UTF-8 '" +
                                  (locale_dir_ / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
            if (std::system(command.c_str()) == 0) {
                ::setenv("LOCPATH", locale_dir_.c_str(), 1);
                std::setlocale(LC_ALL, "de_DE.UTF-8");
            }
        }
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.1f", 1.5);
        if (std::string(probe) != "1,5") GTEST_SKIP() << "no locale with a decimal comma";
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        if (!locale_dir_.empty()) {
            ::unsetenv("LOCPATH");
            std::error_code ignored;
            std::filesystem::remove_all(locale_dir_, ignored);
        }
    }
    std::filesystem::path locale_dir_;
};

TEST_F(GermanLocale, NumbersOnTheWireAndInAnswersKeepTheirDecimalPoint) {
    SimConnection sim(Transport::Gpib);
    ASSERT_EQ(sim.connect(), 0);
    sim.clear_log();
    EXPECT_EQ(zk7416_set_config_scale_pt100(sim.handle(), 100.5, 0.00385, -1.25), 0);
    EXPECT_EQ(zk7416_set_datalogger_filter(sim.handle(), 2, 5, 2, 0, 0, 0, 0.5), 0);
    // The digits six decimals would lose are found in the "C" locale too.
    EXPECT_EQ(zk7416_set_config_scale_pt100(sim.handle(), 100.0, 0.0039083, -5.775e-7), 0);
    EXPECT_EQ(sim.log(),
              (std::vector<std::string>{"SCAL:PT100 100.500000,0.003850,-1.250000",
                                        "DAT:FILT 2,DELTA", "DAT:FILT:DELT 2,0.500000",
                                        "SCAL:PT100 100.000000,0.0039083,-0.0000005775"}));
    EXPECT_DOUBLE_EQ(convert_string_to_value("12.5KOHM"), 12500.0);
}

}  // namespace
}  // namespace driver_test
