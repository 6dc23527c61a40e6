// The temperature compensation dialog: the coefficient prompt, OK's send order, and
// values that must reach the instrument and the record exactly as they were.
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>

#include "dialogs/temp_config.h"
#include "settings/records.h"
#include "settings/transfer.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tests/ui/modal_helpers.h"

namespace dialogs_test {
namespace {

using ui_test::click;

class TempConfig : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        t = rec::Tempconf{};
        t.state = 1;
        t.sensor = 1;
        t.reference_temp = 23.0;
        t.manual_temp = 21.5;
        t.active_coefficient = 2;
        for (int n = 1; n <= 10; ++n) t.coefficient[n - 1] = 3900 + n;
        double voltage[4] = {0.5, 9.5, -20.0, 150.0};
        double current[4] = {4.0, 20.0, -50.0, 300.0};
        double pt100[3] = {100.0, 0.0039083, -5.775e-7};
        std::copy(voltage, voltage + 4, t.voltage_scale);
        std::copy(current, current + 4, t.current_scale);
        std::copy(pt100, pt100 + 3, t.pt100_scale);
    }

    // The operator selects coefficient `n` and asks to change it.
    static void edit_coefficient(QWidget* d, int n) {
        control<QListWidget>(d, "coefficientList")->setCurrentRow(n - 1);
        press(d, "changeCoefficientButton");
    }
    static QString coefficient_text(QWidget* d, int n) {
        return control<QListWidget>(d, "coefficientList")->item(n - 1)->text();
    }

    rec::Tempconf& t = rec::tempconf;
};

// Through the GPIB door and through the pseudo-terminal of the RS-232 door.
class TempConfigThroughDoor : public TempConfig,
                              public ::testing::WithParamInterface<driver_test::Transport> {
  protected:
    TempConfigThroughDoor() { transport = GetParam(); }
};

TEST_P(TempConfigThroughDoor, OkSendsTenCoefficientsTheActiveOneTheCompensationAndTheScaling) {
    settings::SetImage before = records();
    int result = run(dialogs::temp_config, [](QWidget* d) { click(d, "okButton"); });
    EXPECT_EQ(result, 0);
    Events expected;
    for (int n = 1; n <= 10; ++n) {
        expected.push_back("SENS:TCOM:TCO " + std::to_string(n) + "," + std::to_string(3900 + n));
        expected.push_back("pause 0.01");
    }
    for (const char* line : {"SENS:TCOM:TCO:SEL 2", "pause 0.05", "SENS:TCOM:STAT 1",
                             "sens:tcom PT100", "SENS:TCOM:TEMP:REF 23.000000", "pause 0.05",
                             "SCAL:PT100 100.000000,0.0039083,-0.0000005775", "pause 0.05"})
        expected.push_back(line);
    EXPECT_EQ(events(), expected);
    EXPECT_EQ(records(), before) << "the PT100 scaling and the manual temperature stay exact";
    EXPECT_EQ(refreshes, 1);

    // The instrument holds every bit that was sent: read back, the scaling is the same.
    ASSERT_EQ(settings::upload_current_state(0), 0);
    EXPECT_EQ(t.pt100_scale[1], 0.0039083);
    EXPECT_EQ(t.pt100_scale[2], -5.775e-7);
}

INSTANTIATE_TEST_SUITE_P(Doors, TempConfigThroughDoor,
                         ::testing::Values(driver_test::Transport::Gpib,
                                           driver_test::Transport::Rs232),
                         driver_test::transport_name);

TEST_F(TempConfig, AnEditedCoefficientGoesOutInItsPlace) {
    popups.answer_prompt("3930");
    int result = run(dialogs::temp_config, [](QWidget* d) {
        edit_coefficient(d, 4);
        EXPECT_EQ(coefficient_text(d, 4), "3930");
        control<QListWidget>(d, "coefficientList")->setCurrentRow(1);
        click(d, "okButton");
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(t.coefficient[3], 3930);
    EXPECT_EQ(t.active_coefficient, 2);
    Events sent = events();
    ASSERT_GE(sent.size(), 8u);
    EXPECT_EQ(sent[6], "SENS:TCOM:TCO 4,3930");
}

TEST_F(TempConfig, ThePromptTakesOnlyWholeNumbersWithinItsRange) {
    struct Answer {
        const char* typed;
        const char* shown;    // the list label afterwards
        const char* refusal;  // nullptr when taken
    };
    const char* not_a_number_end = "' ist keine Zahl.\n\nEs sind keine Änderungen getätigt.";
    const char* out_of_range =
        "Der Wert muss zwischen -99,999 und 99,999 sein.\n\nEs sind keine Änderungen getätigt.";
    const Answer answers[] = {
        {"99999", "99999", nullptr},   {"-99999", "-99999", nullptr},
        {"100000", "-99999", "range"}, {"-100000", "-99999", "range"},
        {"12abc", "-99999", "number"}, {"abc", "-99999", "number"},
        {"  12,7 ", "12,7", nullptr},  {"-3.9", "-3.9", nullptr},
        {"   ", "-3.9", nullptr},      {"1e3", "1e3", nullptr},
    };
    for (const Answer& a : answers) popups.answer_prompt(a.typed);
    popups.cancel_prompt();
    run(dialogs::temp_config, [&](QWidget* d) {
        for (const Answer& a : answers) {
            SCOPED_TRACE(a.typed);
            popups.clear_records();
            edit_coefficient(d, 5);
            EXPECT_EQ(coefficient_text(d, 5).toStdString(), a.shown);
            ASSERT_FALSE(popups.popups().empty());
            const ui::PopupRecord& prompt = popups.popups().front();
            EXPECT_EQ(prompt.title, "Den Temperaturkoeffizient ändern");
            EXPECT_EQ(prompt.max_length, 10u);
            std::vector<std::string> shown = messages();
            if (!a.refusal) {
                EXPECT_EQ(shown.size(), 1u);
            } else {
                ASSERT_EQ(shown.size(), 2u);
                if (std::string(a.refusal) == "range")
                    EXPECT_EQ(shown[1], out_of_range);
                else
                    EXPECT_EQ(shown[1], std::string("Die Eingabe '") + a.typed + not_a_number_end);
            }
        }
        popups.clear_records();
        edit_coefficient(d, 5);  // cancelled: nothing changes
        EXPECT_EQ(coefficient_text(d, 5), "1e3");
        click(d, "okButton");
    });
    EXPECT_EQ(t.coefficient[4], 1000);
    EXPECT_EQ(popups.popups().front().text,
              "Der Temperaturkoeffizient in diesem Register ist\n\n1e3\n\nÄndern Sie diesen "
              "Koeffizienten, indem Sie den neuen Wert eingeben.\n\nDrücken Sie <ESC> zum Abbruch");
}

TEST_F(TempConfig, AFractionIsCutTowardZeroWhileTheListShowsWhatWasTyped) {
    popups.answer_prompt("12.7");
    popups.answer_prompt("-12,7");
    run(dialogs::temp_config, [](QWidget* d) {
        edit_coefficient(d, 1);
        edit_coefficient(d, 2);
        EXPECT_EQ(coefficient_text(d, 1), "12.7");
        EXPECT_EQ(coefficient_text(d, 2), "-12,7");
        click(d, "okButton");
    });
    EXPECT_EQ(t.coefficient[0], 12);
    EXPECT_EQ(t.coefficient[1], -12);
}

TEST_F(TempConfig, AManualTemperatureNobodyShowedIsNeitherTakenNorSent) {
    run(dialogs::temp_config, [](QWidget* d) {
        EXPECT_FALSE(control<QWidget>(d, "manualTempSpin")->isVisible());
        click(d, "okButton");
    });
    EXPECT_EQ(t.manual_temp, 21.5);
    for (const std::string& line : events()) EXPECT_NE(line.rfind("SENS:TCOM:TEMP ", 0), 0u);

    forget();
    run(dialogs::temp_config, [](QWidget* d) {
        choose(d, "sensorCombo", 0);
        EXPECT_EQ(control<QDoubleSpinBox>(d, "manualTempSpin")->value(), 21.5);
        click(d, "okButton");
    });
    Events sent = events();
    EXPECT_NE(std::find(sent.begin(), sent.end(), "SENS:TCOM:TEMP 21.500000"), sent.end());
    EXPECT_EQ(std::find(sent.begin(), sent.end(), "SCAL:PT100 100.000000,0.0039083,-0.0000005775"),
              sent.end())
        << "the manual temperature has no scaling";
}

TEST_F(TempConfig, TheInputGroupShowsTheChosenInputsUnitsBoundsAndScaling) {
    run(dialogs::temp_config, [](QWidget* d) {
        EXPECT_TRUE(control<QWidget>(d, "pt100Group")->isVisible());
        EXPECT_FALSE(control<QWidget>(d, "inputGroup")->isVisible());
        choose(d, "sensorCombo", 3);
        EXPECT_FALSE(control<QWidget>(d, "pt100Group")->isVisible());
        EXPECT_EQ(control<QLabel>(d, "inputLabel1")->text(), "I1");
        EXPECT_EQ(control<QLabel>(d, "inputLabel2")->text(), "I2");
        EXPECT_EQ(control<QWidget>(d, "inputSpin1")->accessibleName(), "I1");
        EXPECT_EQ(control<QLabel>(d, "unitLabel1")->text(), "mA");
        auto* first = control<QDoubleSpinBox>(d, "inputSpin2");
        EXPECT_EQ(first->maximum(), 20.0);
        EXPECT_EQ(first->value(), 20.0);
        EXPECT_EQ(control<QDoubleSpinBox>(d, "inputSpin3")->value(), -50.0);
        choose(d, "sensorCombo", 2);
        EXPECT_EQ(control<QLabel>(d, "inputLabel1")->text(), "U1");
        EXPECT_EQ(control<QLabel>(d, "unitLabel2")->text(), "V");
        EXPECT_EQ(control<QDoubleSpinBox>(d, "inputSpin1")->maximum(), 10.0);
        EXPECT_EQ(control<QDoubleSpinBox>(d, "inputSpin2")->value(), 9.5);
        click(d, "okButton");
    });
    Events sent = events();
    EXPECT_EQ(sent.at(sent.size() - 2), "SCAL:VOLT 0.500000,9.500000,-20.000000,150.000000");
    EXPECT_EQ(t.sensor, 2);
}

TEST_F(TempConfig, ALostConnectionEndsOkWithOneMessageAndTheDialogOpen) {
    refuse_writes(100);
    int result = run(dialogs::temp_config, [&](QWidget* d) {
        click(d, "okButton");
        EXPECT_TRUE(d->isVisible());
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].rfind("Keine Antwort vom Tarvolux Typ 7416.\nSchritt: "
                                      "Temperaturkoeffizient 1\n",
                                      0),
                  0u);
        click(d, "cancelButton");
    });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(refreshes, 0);
}

}  // namespace
}  // namespace dialogs_test
