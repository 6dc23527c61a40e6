#include <gtest/gtest.h>

#include <cstring>

#include "text/value_format.h"

namespace {

struct Rewrite {
    const char* instrument;
    const char* shown;
    float ohms;
};

void PrintTo(const Rewrite& r, std::ostream* out) {
    *out << '"' << r.instrument << '"';
}

class FormatForDisplay : public ::testing::TestWithParam<Rewrite> {};

TEST_P(FormatForDisplay, RewritesNumberAndUnit) {
    std::string text = GetParam().instrument;
    EXPECT_FLOAT_EQ(text::format_for_display(text), GetParam().ohms);
    EXPECT_EQ(text, GetParam().shown);

    char field[34];
    std::strcpy(field, GetParam().instrument);
    EXPECT_FLOAT_EQ(text::format_for_display(field), GetParam().ohms);
    EXPECT_STREQ(field, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FormatForDisplay,
    ::testing::Values(Rewrite{"12.345MOHM", "12.345 mOhm", 0.012345f},
                      Rewrite{"1.2345KOHM", "1.2345 kOhm", 1234.5f},
                      Rewrite{"123.45OHM", "123.45 Ohm", 123.45f},
                      Rewrite{" 19.99KOHM", " 19.99 kOhm", 19990.0f},  // blank kept
                      Rewrite{"-0.012OHM", "-0.012 Ohm", -0.012f},
                      Rewrite{"1.5MOHM,PASS", "1.5 mOhm,pass", 0.0015f},
                      Rewrite{"2.0OHMXXXXXXXXXXXX", "2.0 Ohmxxxxxxx", 2.0f},  // 10-char unit
                      Rewrite{"000", "000", 0.0f},                            // no letter
                      Rewrite{"12", "12", 0.0f}, Rewrite{"", "", 0.0f},
                      Rewrite{"O1", "O1", 0.0f},  // letters before position 2 don't count
                      Rewrite{"XYZ", "XY z", 0.0f}));

TEST(FormatForDisplayInAField, IsCutToTheFieldAndNeverOverruns) {
    struct {
        char value[11];
        char after[4];
    } memory;
    std::memset(&memory, '#', sizeof memory);
    std::memcpy(memory.value, "12.345MOHM", 11);
    EXPECT_FLOAT_EQ(text::format_for_display(memory.value), 0.012345f);
    EXPECT_STREQ(memory.value, "12.345 mOh");
    EXPECT_EQ(std::string(memory.after, 4), "####");
}

}  // namespace
