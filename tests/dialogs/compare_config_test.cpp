// The comparator dialog: the limits' order, the limit-count switch and what Cancel
// sends afterwards, the unit of the range, the instrument's refusal and the counters.
#include <QDoubleSpinBox>
#include <QLabel>

#include "dialogs/compare_config.h"
#include "settings/limits.h"
#include "settings/records.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tests/ui/modal_helpers.h"

namespace dialogs_test {
namespace {

using ui_test::click;

class CompareConfig : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        c.state = 1;
        c.relative = 0;
        c.fault = 1;
        c.limit_count = 2;
        c.limit_1 = 50.0;
        c.limit_2 = 90.0;
        c.limit_3 = 110.0;
        c.limit_4 = 190.0;
        settings::format_limit_for_display();
        rec::measurement_configuration.range = 4;  // 200 Ohm: limits shown in Ohm
        // The instrument holds what the record says.
        for (const char* line : {"CALC:LIM:STAT 1", "CALC:LIM:FAUL UPP", "CALC:LIM:COUN 2",
                                 "CALC:LIM:LOW 90", "CALC:LIM:UPP 110"})
            sim->instrument().execute(line);
        forget();
    }

    static void set_limit(QWidget* d, const char* spin, double shown) {
        control<QDoubleSpinBox>(d, spin)->setValue(shown);
    }

    // What Cancel and a refused OK must lead back to.
    static Events pre_dialog_state() {
        return {"CALC:LIM:STAT 1",         "CALC:LIM:REL 0",
                "calc:lim:faul upp",       "pause 0.05",
                "CALC:LIM:COUN 2",         "CALC:LIM:LOW 90.000000",
                "CALC:LIM:UPP 110.000000", "CALC:LIM:ACKNOWLEDGE?"};
    }

    rec::Compare& c = rec::compare;
};

TEST_F(CompareConfig, LimitsOutOfOrderAreRefusedWithNothingSentAndNothingKept) {
    struct Case {
        int count;
        double limits[4];  // '<<', '<', '>', '>>' as shown
        const char* message;
    };
    const Case cases[] = {
        {2,
         {50, 100, 100, 190},
         "Grenzen sind inconsistent.\n\nBitte Grenze Eingabe ändern\n\nGrenzwert '>' > Grenzwert "
         "'<'"},
        {4,
         {10, 50, 50, 100},
         "Grenzen sind inconsistent.\n\nBitte Grenze Eingabe ändern\n\nGrenzwert '>>' > Grenzwert "
         "'>',\nGrenzwert '>' > Grenzwert '<'\n\nusw."},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.count);
        c.limit_count = k.count;
        settings::SetImage before = records();
        forget();
        run(dialogs::compare_config, [&](QWidget* d) {
            const char* spins[] = {"limit1Spin", "limit2Spin", "limit3Spin", "limit4Spin"};
            for (int i = 0; i < 4; ++i) set_limit(d, spins[i], k.limits[i]);
            click(d, "okButton");
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(messages(), std::vector<std::string>{k.message});
            EXPECT_TRUE(events().empty());
            EXPECT_EQ(records(), before) << "the refused limits are not in the record";
            forget();
            click(d, "cancelButton");
        });
        EXPECT_EQ(records(), before);
    }
}

TEST_F(CompareConfig, CancelAfterARefusedOkSendsThePreDialogStateWithItsFaultMode) {
    run(dialogs::compare_config, [&](QWidget* d) {
        set_limit(d, "limit2Spin", 150);
        click(d, "okButton");
        forget();
        click(d, "cancelButton");
    });
    EXPECT_EQ(events(), pre_dialog_state());
    EXPECT_EQ(c.limit_2, 90.0);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(CompareConfig, TheLimitCountSwitchesAtOnceAndCancelSwitchesBack) {
    sim->instrument().execute("CALC:LIM:GW1 20");
    sim->instrument().execute("CALC:LIM:GW4 300");
    settings::SetImage before = records();
    forget();
    run(dialogs::compare_config, [&](QWidget* d) {
        EXPECT_FALSE(control<QWidget>(d, "limit4Spin")->isVisible());
        choose(d, "limitCountCombo", 1);
        EXPECT_EQ(events(),
                  (Events{"CALC:LIM:COUN 4", "pause 0.05", "CALC:LIM:GW1?", "CALC:LIM:GW2?",
                          "CALC:LIM:GW3?", "CALC:LIM:GW4?", "pause 0.05", "CALC:LIM:REP?"}));
        EXPECT_TRUE(control<QWidget>(d, "limit4Spin")->isVisible());
        EXPECT_TRUE(control<QWidget>(d, "count1Value")->isVisible());
        EXPECT_EQ(control<QDoubleSpinBox>(d, "limit4Spin")->value(), 300.0);
        EXPECT_EQ(control<QDoubleSpinBox>(d, "limit1Spin")->value(), 20.0);
        choose(d, "limitCountCombo", 1);  // the same choice again switches nothing
        forget();
        click(d, "cancelButton");
    });
    EXPECT_EQ(events(), pre_dialog_state());
    EXPECT_EQ(records(), before);
}

TEST_F(CompareConfig, OkSendsModeThenTheFourLimitsLowestFirst) {
    run(dialogs::compare_config, [&](QWidget* d) {
        choose(d, "limitCountCombo", 1);
        set_limit(d, "limit1Spin", -5.5);
        set_limit(d, "limit4Spin", 250);
        forget();
        click(d, "okButton");
    });
    EXPECT_EQ(events(), (Events{"CALC:LIM:STAT 1", "CALC:LIM:REL 0", "calc:lim:faul upp",
                                "pause 0.05", "CALC:LIM:COUN 4", "CALC:LIM:GW1 -5.500000",
                                "CALC:LIM:GW2 90.000000", "CALC:LIM:GW3 110.000000",
                                "CALC:LIM:GW4 250.000000", "CALC:LIM:ACKNOWLEDGE?"}));
    EXPECT_EQ(c.limit_count, 4);
    EXPECT_EQ(c.limit_1, -5.5);
    EXPECT_STREQ(c.limit_text_1, "R<-5500.00 mOhm");
    EXPECT_STREQ(c.limit_text_4, "R>250.00 Ohm");
    EXPECT_EQ(refreshes, 1);
}

TEST_F(CompareConfig, LimitsTravelThroughTheRangesUnitToTheLastBit) {
    struct Case {
        int range;
        double lower, upper;  // ohms in the record
        const char* caption;
        double shown_lower;
        const char* typed_upper;
        double stored_upper;
        const char* wire_lower;
        const char* wire_upper;
    };
    const Case cases[] = {
        {1, 0.015, 0.0153, "Messwert in mOhm", 15.0, "15.5", 0.0155, "CALC:LIM:LOW 0.015000",
         "CALC:LIM:UPP 0.015500"},
        {6, 12345.678, 15000.0, "Messwert in kOhm", 12.345678, "17.2345", 17234.5,
         "CALC:LIM:LOW 12345.678000", "CALC:LIM:UPP 17234.500000"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.caption);
        rec::measurement_configuration.range = k.range;
        c.limit_2 = k.lower;
        c.limit_3 = k.upper;
        forget();
        run(dialogs::compare_config, [&](QWidget* d) {
            EXPECT_EQ(control<QLabel>(d, "unitCaption")->text(), k.caption);
            EXPECT_EQ(control<QDoubleSpinBox>(d, "limit2Spin")->value(), k.shown_lower);
            type(d, "limit3Spin", k.typed_upper);
            click(d, "okButton");
        });
        EXPECT_EQ(c.limit_2, k.lower) << "an untouched limit keeps its every bit";
        EXPECT_EQ(c.limit_3, k.stored_upper);
        Events sent = events();
        EXPECT_NE(std::find(sent.begin(), sent.end(), k.wire_lower), sent.end());
        EXPECT_NE(std::find(sent.begin(), sent.end(), k.wire_upper), sent.end());
    }
}

TEST_F(CompareConfig, LimitsTheInstrumentRefusesAreReportedAndNotKept) {
    settings::SetImage before = records();
    sim->instrument().script_answer("CALC:LIM:ACKNOWLEDGE?", "0");
    run(dialogs::compare_config, [&](QWidget* d) {
        set_limit(d, "limit3Spin", 120);
        click(d, "okButton");
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(messages(),
                  std::vector<std::string>{"Das Gerät hat die Grenzwerte nicht angenommen.\n\n"
                                           "Bitte Grenze Eingabe ändern"});
        EXPECT_EQ(records(), before);
        forget();
        click(d, "cancelButton");
    });
    EXPECT_EQ(events(), pre_dialog_state());
    EXPECT_EQ(records(), before);
}

TEST_F(CompareConfig, ClearingAsksFirstThenReadsTheCountersForBothPanels) {
    c.count_3 = 5;
    popups.answer_question(false);
    popups.answer_question(true);
    run(dialogs::compare_config, [&](QWidget* d) {
        EXPECT_EQ(control<QLabel>(d, "count3Value")->text(), "5");
        press(d, "clearButton");
        EXPECT_TRUE(events().empty());
        EXPECT_EQ(refreshes, 0);
        press(d, "clearButton");
        EXPECT_EQ(events(), (Events{"CALC:LIM:CLE", "pause 0.05", "CALC:LIM:REP?"}));
        EXPECT_EQ(control<QLabel>(d, "count3Value")->text(), "0");
        EXPECT_EQ(refreshes, 1);
        click(d, "cancelButton");
    });
    EXPECT_EQ(popups.popups().at(0).title, "Bitte löschen bestätigen");
    EXPECT_EQ(popups.popups().at(0).text, "Daten des Komparator löschen?");
    EXPECT_EQ(c.count_3, 0) << "the counters stay as the instrument last reported them";
}

}  // namespace
}  // namespace dialogs_test
