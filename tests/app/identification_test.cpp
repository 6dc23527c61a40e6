#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

#include "app/command_line.h"
#include "settings/identification.h"
#include "settings/records.h"

namespace {

struct FirmwareCase {
    const char* ident_4;
    int expected;
};

void PrintTo(const FirmwareCase& c, std::ostream* os) {
    *os << c.ident_4;
}

class FirmwareGeneration : public ::testing::TestWithParam<FirmwareCase> {};

TEST_P(FirmwareGeneration, FollowsTheFirmwareDateInTheFourthField) {
    rec::device = {};
    rec::device.new_firmware = -1;
    std::strcpy(rec::device.ident_4, GetParam().ident_4);
    settings::check_new_version();
    EXPECT_EQ(rec::device.new_firmware, GetParam().expected) << GetParam().ident_4;
}

INSTANTIATE_TEST_SUITE_P(
    Identification, FirmwareGeneration,
    ::testing::Values(FirmwareCase{"V0497", 1}, FirmwareCase{"V0397", 0}, FirmwareCase{"V0198", 1},
                      FirmwareCase{"V0103-2.0", 1}, FirmwareCase{"V1296", 0},
                      FirmwareCase{"V0150", 0}, FirmwareCase{"V0149", 1},
                      // A pair that starts with a non-digit counts as 0: year 0 is new.
                      FirmwareCase{"Vx3x9", 1}, FirmwareCase{"V12", 1},
                      // Leading digits only: "9x" is 9, an old year.
                      FirmwareCase{"V049x", 1}, FirmwareCase{"V0496", 0}));

TEST(Identification, SplitsAtCommasAndCutsEveryFieldToItsArray) {
    rec::device = {};
    std::memset(rec::device.ident_3, 'Z', sizeof rec::device.ident_3);
    std::string long_field(80, 'L');
    settings::store_identification("TARVOLUX," + long_field + ",S/N 1,V0499-2.31,CAL 2002,rest");
    EXPECT_STREQ(rec::device.ident_1, "TARVOLUX");
    EXPECT_EQ(std::strlen(rec::device.ident_2), sizeof rec::device.ident_2 - 1);
    EXPECT_STREQ(rec::device.ident_3, "S/N 1");
    EXPECT_EQ(rec::device.ident_3[6], 'Z') << "bytes after the terminator are kept";
    EXPECT_STREQ(rec::device.ident_4, "V0499-2.31");
    EXPECT_STREQ(rec::device.ident_5, "CAL 2002");
}

TEST(Identification, AShortAnswerLeavesTheMissingFieldsAlone) {
    rec::device = {};
    std::strcpy(rec::device.ident_4, "V0397");
    std::strcpy(rec::device.ident_5, "old");
    settings::store_identification("A,B,C");
    EXPECT_STREQ(rec::device.ident_3, "C");
    EXPECT_STREQ(rec::device.ident_4, "V0397");
    EXPECT_STREQ(rec::device.ident_5, "old");
}

TEST(CommandLine, DemonstrationNeedsExactlyOneArgumentStartingWithMesse) {
    using app::messedemo_requested;
    for (const char* yes : {"messedemo", "MESSEDEMO", "Messe", "messe2003"})
        EXPECT_EQ(messedemo_requested({yes}), 1) << yes;
    for (const char* no : {"mess", "demo", ""}) EXPECT_EQ(messedemo_requested({no}), 0) << no;
    EXPECT_EQ(messedemo_requested({"messedemo", "x"}), 0);
    EXPECT_EQ(messedemo_requested({}), 0);
}

TEST(CommandLine, OptionsAreNotPositionalArguments) {
    app::CommandLine cl;
    std::string error;
    ASSERT_TRUE(
        app::parse_command_line({"--simulate=gpib", "--home", "/tmp/x", "Messe"}, cl, error));
    EXPECT_EQ(cl.simulate, app::Simulation::Gpib);
    EXPECT_EQ(cl.home, "/tmp/x");
    EXPECT_EQ(cl.messedemo, 1);

    app::CommandLine plain;
    ASSERT_TRUE(app::parse_command_line({"--simulate"}, plain, error));
    EXPECT_EQ(plain.simulate, app::Simulation::Rs232);
    EXPECT_EQ(plain.messedemo, 0);
    EXPECT_FALSE(plain.line_pacing);

    app::CommandLine paced;
    ASSERT_TRUE(app::parse_command_line({"--line-pacing", "--simulate", "messe"}, paced, error));
    EXPECT_TRUE(paced.line_pacing);
    EXPECT_EQ(paced.messedemo, 1);

    app::CommandLine bad;
    EXPECT_FALSE(app::parse_command_line({"--colour"}, bad, error));
    EXPECT_NE(error.find("--colour"), std::string::npos);
    EXPECT_FALSE(app::parse_command_line({"--home"}, bad, error));
}

}  // namespace
