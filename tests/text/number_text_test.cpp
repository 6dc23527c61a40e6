#include <gtest/gtest.h>

#include <optional>

#include "text/number_text.h"

namespace {

TEST(TypedNumber, OnlyAWholeFiniteNumberIsTaken) {
    struct Case {
        const char* typed;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"3930", 3930},          {" -12.7 ", -12.7},
        {"12,7", 12.7},          {"+5", 5},
        {"1e3", 1000},           {".5", 0.5},
        {"12abc", std::nullopt}, {"abc", std::nullopt},
        {"", std::nullopt},      {"   ", std::nullopt},
        {"1,2,3", std::nullopt}, {"1.2,3", std::nullopt},
        {"+-5", std::nullopt},   {"nan", std::nullopt},
        {"inf", std::nullopt},   {"1e999", std::nullopt},
        {"12 3", std::nullopt},  {"0x10", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(text::parse_typed_number(c.typed), c.value) << c.typed;
}

}  // namespace
