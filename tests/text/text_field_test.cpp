#include <gtest/gtest.h>

#include <cstring>

#include "text/latin1.h"
#include "text/text_field.h"

namespace {

struct Copy {
    const char* text;
    const char* expected_field;  // all five bytes, '#' where the old byte must stay
};

void PrintTo(const Copy& copy, std::ostream* out) {
    *out << '"' << copy.text << '"';
}

class CopyText : public ::testing::TestWithParam<Copy> {};

TEST_P(CopyText, TerminatesInsideTheFieldAndLeavesTheRest) {
    struct {
        char field[5];
        char after[3];
    } memory;
    std::memset(&memory, '#', sizeof memory);
    text::copy_text(memory.field, GetParam().text);
    EXPECT_EQ(std::string(memory.field, 5), std::string(GetParam().expected_field, 5));
    EXPECT_EQ(std::string(memory.after, 3), "###");
}

INSTANTIATE_TEST_SUITE_P(Texts, CopyText,
                         ::testing::Values(Copy{"abc", "abc\0#"}, Copy{"abcd", "abcd\0"},
                                           Copy{"abcdefgh", "abcd\0"}, Copy{"", "\0####"}));

TEST(FieldText, StopsAtTheFieldEndWithoutTerminator) {
    char field[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(text::field_text(field), "abcd");
    field[2] = '\0';
    EXPECT_EQ(text::field_text(field), "ab");
}

TEST(Latin1, ProgramTextsAreStoredAsLatin1) {
    char report[30];
    text::copy_utf8_text(report, "Gelöscht");
    EXPECT_STREQ(report, "Gel\xF6scht");
    EXPECT_EQ(text::field_text_utf8(report), "Gelöscht");
}

TEST(Latin1, EveryLatin1ByteSurvivesTheRoundTrip) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(text::utf8_to_latin1(text::latin1_to_utf8(all)), all);
}

TEST(Latin1, ForeignCharactersAndStrayBytes) {
    EXPECT_EQ(text::utf8_to_latin1("5 €"), "5 ?");
    EXPECT_EQ(text::utf8_to_latin1("Z\xE4hler"), "Z\xE4hler");  // already Latin-1
    EXPECT_EQ(text::utf8_to_latin1("\xC0\xAF"), "\xC0\xAF");    // overlong: no UTF-8
    EXPECT_EQ(text::utf8_to_latin1("\xC3"), "\xC3");            // cut sequence
}

}  // namespace
