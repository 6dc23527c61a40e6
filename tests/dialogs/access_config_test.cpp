// The nineteen access switches: each reaches the instrument as its own command.
#include <QCheckBox>

#include "dialogs/access_config.h"
#include "settings/records.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tests/ui/modal_helpers.h"

namespace dialogs_test {
namespace {

using ui_test::click;

struct Switch {
    const char* check_box;
    std::int32_t rec::Access::*field;
    const char* command;  // without the value
};

// In the record's order, which is the dialog's.
const Switch SWITCHES[] = {
    {"measCheck", &rec::Access::meas, "acc:meas"},
    {"exprCheck", &rec::Access::expr, "acc:expr"},
    {"limConfCheck", &rec::Access::lim_conf, "acc:lim:conf"},
    {"limEvalCheck", &rec::Access::lim_eval, "acc:lim:eval"},
    {"prinCheck", &rec::Access::prin, "acc:prin"},
    {"compCheck", &rec::Access::comp, "acc:comp"},
    {"commCheck", &rec::Access::comm, "acc:comm"},
    {"memCheck", &rec::Access::mem, "acc:mem"},
    {"scalCheck", &rec::Access::scal, "acc:scal"},
    {"datCheck", &rec::Access::dat, "acc:dat"},
    {"envEvalCheck", &rec::Access::env_eval, "acc:env:eval"},
    {"envConfCheck", &rec::Access::env_conf, "acc:env:conf"},
    {"contCheck", &rec::Access::cont, "acc:cont"},
    {"statCheck", &rec::Access::stat, "acc:stat"},
    {"regCheck", &rec::Access::reg, "acc:reg"},
    {"dateCheck", &rec::Access::date, "acc:date"},
    {"fastCheck", &rec::Access::fast, "acc:fast"},
    {"calCheck", &rec::Access::cal, "acc:cal"},
    {"manrCheck", &rec::Access::manr, "acc:manr"},
};

// The instrument's order of the commands.
const char* const SEND_ORDER[] = {"acc:meas",     "acc:expr",     "acc:prin",     "acc:comp",
                                  "acc:mem",      "acc:comm",     "acc:cont",     "acc:stat",
                                  "acc:reg",      "acc:cal",      "acc:dat",      "acc:scal",
                                  "acc:date",     "acc:fast",     "acc:lim:conf", "acc:lim:eval",
                                  "acc:env:conf", "acc:env:eval", "acc:manr"};

using AccessConfig = DialogTest;

TEST_F(AccessConfig, EachSwitchReachesTheInstrumentAsItsOwnCommand) {
    for (const Switch& s : SWITCHES) {
        SCOPED_TRACE(s.check_box);
        rec::access = rec::Access{};
        forget();
        int result = run(dialogs::access_config, [&](QWidget* d) {
            press(d, s.check_box);
            click(d, "okButton");
        });
        EXPECT_EQ(result, 0);
        Events expected;
        for (const char* command : SEND_ORDER)
            expected.push_back(std::string(command) +
                               (command == std::string(s.command) ? " 1" : " 0"));
        expected.push_back("pause 0.05");
        EXPECT_EQ(events(), expected);
        EXPECT_EQ(rec::access.*s.field, 1);
    }
}

TEST_F(AccessConfig, OpeningTheCalibrationMenuWarnsEachTimeItIsSwitchedOn) {
    run(dialogs::access_config, [&](QWidget* d) {
        press(d, "calCheck");
        press(d, "calCheck");
        press(d, "calCheck");
        click(d, "cancelButton");
    });
    ASSERT_EQ(popups.popups().size(), 2u);
    EXPECT_EQ(popups.popups()[0].title, "Frage :");
    EXPECT_EQ(popups.popups()[0].text, "Achtung:\n\nSie geben Zugriff auf das Kalibriermenu.");
    EXPECT_TRUE(events().empty());
}

}  // namespace
}  // namespace dialogs_test
