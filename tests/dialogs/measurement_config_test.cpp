// The measurement configuration dialog: its refusals, the auto-range check, the send
// order with its pauses, and the switches that exclude each other.
#include <QComboBox>
#include <QWidget>

#include "dialogs/measurement_config.h"
#include "settings/records.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tests/ui/modal_helpers.h"

namespace dialogs_test {
namespace {

using ui_test::click;

rec::MeasurementConfiguration fixed_range() {
    rec::MeasurementConfiguration m{};
    m.range = 3;
    m.auto_range_low = 1;
    m.auto_range_high = 7;
    m.average_count = 16;
    m.resolution = 1;
    m.speed = 3;
    m.fres_mode = 1;
    m.display_mode = 1;
    m.reference = 12.3456789;
    return m;
}

class MeasurementConfig : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        rec::measurement_configuration = fixed_range();
    }
    rec::MeasurementConfiguration& m = rec::measurement_configuration;
};

struct RefusalCase {
    const char* name;
    std::function<void(rec::MeasurementConfiguration&)> record;
    std::function<void(QWidget*)> operator_action;
    const char* message;
};

TEST_F(MeasurementConfig, EachRuleRefusesOkBeforeAnythingIsSentAndTheDialogStays) {
    const RefusalCase cases[] = {
        {"automatic range with inductive load", [](auto& r) { r.load = 1; },
         [](QWidget* d) { choose(d, "rangeCombo", 0); },
         "Automatischer Bereichswahl und Induktive Messung ist nicht erlaubt"},
        {"automatic range with 20 mV limitation",
         [](auto& r) {
             r.range = 0;
             r.voltage_limit = 1;
         },
         [](QWidget*) {}, "Automatischer Bereichswahl und 20mV Begrenzung ist nicht erlaubt"},
        {"inductive load with 20 mV limitation",
         [](auto& r) {
             r.load = 1;
             r.voltage_limit = 1;
         },
         [](QWidget*) {}, "Induktive Messung und 20mV Begrenzung ist nicht erlaubt"},
        {"automatic range with the reference sequence", [](auto& r) { r.fres_mode = 0; },
         [](QWidget* d) { choose(d, "rangeCombo", 0); },
         "Automatischer Bereichswahl und 'Mess-Sequenze = Referenz' is not allowed"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        m = fixed_range();
        c.record(m);
        settings::SetImage before = records();
        forget();
        int result = run(dialogs::measurement_config, [&](QWidget* d) {
            c.operator_action(d);
            click(d, "okButton");
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(messages(), std::vector<std::string>{c.message});
            EXPECT_EQ(popups.popups().at(0).title, "Fehler-Meldung :");
            EXPECT_TRUE(events().empty());
            click(d, "cancelButton");
        });
        EXPECT_EQ(result, -1);
        EXPECT_EQ(records(), before) << "Cancel leaves the record as it was";
        EXPECT_TRUE(events().empty());
    }
    EXPECT_EQ(refreshes, 0);
}

TEST_F(MeasurementConfig, BothExclusiveSwitchesOnFromAFileLeaveTheOperatorAWayOut) {
    m.load = 1;
    m.voltage_limit = 1;
    int result = run(dialogs::measurement_config, [&](QWidget* d) {
        EXPECT_TRUE(control<QWidget>(d, "loadCheck")->isEnabled());
        EXPECT_TRUE(control<QWidget>(d, "voltageLimitCheck")->isEnabled());
        press(d, "loadCheck");
        click(d, "okButton");
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(m.load, 0);
    EXPECT_EQ(m.voltage_limit, 1);
    EXPECT_TRUE(messages().empty());
}

TEST_F(MeasurementConfig, AutoRangeLimitsOutOfOrderAreResetWithOneMessage) {
    m.range = 0;
    m.auto_range_low = 2;
    m.auto_range_high = 5;
    int result = run(dialogs::measurement_config, [&](QWidget* d) {
        choose(d, "autoLowCombo", 6);  // 200 kOhm, above the upper limit
        EXPECT_EQ(messages(), std::vector<std::string>{"Auto-Range Min >= Max ist nicht erlaubt"});
        EXPECT_EQ(control<QComboBox>(d, "autoLowCombo")->currentText(), "200 mOhm");
        EXPECT_EQ(control<QComboBox>(d, "autoHighCombo")->currentText(), "200 kOhm");
        EXPECT_TRUE(events().empty());
        click(d, "okButton");
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(m.auto_range_low, 1);
    EXPECT_EQ(m.auto_range_high, 7);
    Events sent = events();
    EXPECT_NE(std::find(sent.begin(), sent.end(), ":SENSE:FRES:RANG:LOW 200MOHM"), sent.end());
    EXPECT_NE(std::find(sent.begin(), sent.end(), ":SENSE:FRES:RANG:UPP 200KOHM"), sent.end());
}

TEST_F(MeasurementConfig, LimitsOutOfOrderInTheRecordAreCaughtAtOkOnce) {
    m.range = 0;
    m.auto_range_low = 5;
    m.auto_range_high = 2;
    int result = run(dialogs::measurement_config, [&](QWidget* d) {
        click(d, "okButton");
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(messages(), std::vector<std::string>{"Auto-Range Min >= Max ist nicht erlaubt"});
        EXPECT_TRUE(events().empty()) << "the driver's own refusal is never reached";
        click(d, "okButton");
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(MeasurementConfig, OkSendsEverySettingInTheInstrumentsOrderWithItsPauses) {
    int result = run(dialogs::measurement_config, [](QWidget* d) { click(d, "okButton"); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(events(),
              (Events{"SENSE:AVER:TCON MOV", "sens:aver:coun 16", "init:cont off",
                      "sour:volt:lim:stat off", "sens:fres:load real", "sens:fres:mode nonc",
                      "sens:fres:nplc stan", "pause 0.05", "SENSE:FRES:RANG:AUTO OFF",
                      ":SENSE:FRES:RANG:MAN 20OHM", "pause 0.05", "SENSE:FRES:RANG:MAN?",
                      "calc:math:expr DELT", "sens:fres:ref  12.3456789", "sens:fres:res 0.00005",
                      "pause 0.05"}))
        << "a fixed range sends no auto-range limits";
    EXPECT_EQ(refreshes, 1);
}

TEST_F(MeasurementConfig, AutomaticRangeSendsItsLimitsBetweenRangeAndDisplay) {
    m.auto_range_low = 2;
    m.auto_range_high = 6;
    int result = run(dialogs::measurement_config, [](QWidget* d) {
        choose(d, "rangeCombo", 0);
        EXPECT_TRUE(control<QWidget>(d, "autoLowCombo")->isVisible());
        click(d, "okButton");
    });
    EXPECT_EQ(result, 0);
    Events sent = events();
    Events range(sent.begin() + 8, sent.begin() + 14);
    EXPECT_EQ(range, (Events{":SENSE:FRES:RANG:AUTO ON", "pause 0.05", ":SENSE:FRES:RANG:LOW 2OHM",
                             ":SENSE:FRES:RANG:UPP 20KOHM", "pause 0.05", "SENSE:FRES:RANG:MAN?"}));
    EXPECT_EQ(m.range, 0);
}

TEST_F(MeasurementConfig, TwentyMillivoltLimitationMeasuresIn200MilliohmOnly) {
    int result = run(dialogs::measurement_config, [&](QWidget* d) {
        EXPECT_FALSE(control<QWidget>(d, "rangeSubstitute")->isVisible());
        press(d, "voltageLimitCheck");
        EXPECT_TRUE(control<QWidget>(d, "rangeSubstitute")->isVisible());
        EXPECT_FALSE(control<QWidget>(d, "rangeCombo")->isVisible());
        EXPECT_FALSE(control<QWidget>(d, "autoLowCombo")->isVisible());
        EXPECT_FALSE(control<QWidget>(d, "loadCheck")->isEnabled());
        press(d, "voltageLimitCheck");
        EXPECT_TRUE(control<QWidget>(d, "rangeCombo")->isVisible());
        EXPECT_EQ(control<QComboBox>(d, "rangeCombo")->currentText(), "Automatisch");
        EXPECT_TRUE(control<QWidget>(d, "autoLowCombo")->isVisible());
        press(d, "voltageLimitCheck");
        click(d, "okButton");
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(m.voltage_limit, 1);
    EXPECT_EQ(m.range, 1);
    Events sent = events();
    EXPECT_NE(std::find(sent.begin(), sent.end(), ":SENSE:FRES:RANG:MAN 200MOHM"), sent.end());
}

TEST_F(MeasurementConfig, InductiveLoadFreesTheLimitationSwitchOnlyWhenOff) {
    run(dialogs::measurement_config, [&](QWidget* d) {
        press(d, "loadCheck");
        EXPECT_FALSE(control<QWidget>(d, "voltageLimitCheck")->isEnabled());
        press(d, "loadCheck");
        EXPECT_TRUE(control<QWidget>(d, "voltageLimitCheck")->isEnabled());
        choose(d, "displayModeCombo", 0);
        EXPECT_FALSE(control<QWidget>(d, "referenceSpin")->isEnabled());
        choose(d, "displayModeCombo", 1);
        EXPECT_TRUE(control<QWidget>(d, "referenceSpin")->isEnabled());
        click(d, "cancelButton");
    });
    EXPECT_TRUE(events().empty());
    EXPECT_TRUE(messages().empty());
}

}  // namespace
}  // namespace dialogs_test
