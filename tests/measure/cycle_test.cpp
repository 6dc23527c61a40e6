// The measurement cycle on the panel: start, ticks, the temperature tick, the stop with
// its final results, single measurements, the demonstration cycle, and the wire of
// each, through both doors.
#include <chrono>
#include <thread>

#include "driver/zk7416.h"
#include "measure/measure_cycle.h"
#include "ui/callback_scope.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "sim/block_protocol.h"
#include "tests/driver/wire_faults.h"
#include "tests/measure/measure_fixture.h"

namespace measure_test {
namespace {

using driver_test::Transport;

class Cycle : public MeasurePanelTest {
  protected:
    // What a stop sends before its idle wait on this door.
    Lines stop_command() const {
        if (GetParam() == Transport::Gpib) return {"AB", "S:O:C?", ":STAT:QUES?"};
        return {"AB"};
    }
    // The stop's lines with the idle wait's polls taken out, and how many polls there
    // were (each followed by its pause).
    Lines without_idle_polls(const Lines& stop, int* polls) {
        Lines rest;
        *polls = 0;
        for (std::size_t i = 0; i < stop.size(); ++i) {
            if (stop[i] == "STAT:OPER?" && i + 1 < stop.size() && stop[i + 1] == "pause 0.01") {
                ++*polls;
                ++i;
                continue;
            }
            rest.push_back(stop[i]);
        }
        return rest;
    }
    // The measurement is over as the operator sees it: switch off, lamp dark, settings
    // controls back, and exactly one message that begins with `message_start`.
    void expect_ended_with_one_message(const std::string& message_start) {
        EXPECT_EQ(measure::measuring, 0);
        EXPECT_FALSE(form().startButton->isChecked());
        EXPECT_EQ(form().lampLabel->text().toStdString(), "");
        EXPECT_TRUE(form().rangeCombo->isEnabled());
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].rfind(message_start, 0), 0u) << messages()[0];
    }
};

TEST_P(Cycle, StartTickAndStopWithEveryResultGoOutInTheirOrder) {
    rec::datalog.state = 1;
    rec::env.state = 1;
    rec::compare.state = 1;
    send("CALC:LIM:STAT 1");
    send("SENS:ENV:STAT 1");
    clear();

    click_start();
    EXPECT_EQ(events(), (Lines{"pause 0.05", "IN"}));
    EXPECT_EQ(measure::measuring, 1);
    EXPECT_EQ(form().lampLabel->text().toStdString(), "Messung");
    EXPECT_FALSE(form().rangeCombo->isEnabled());
    EXPECT_FALSE(form().count3->isEnabled());  // refreshed only at the stop
    EXPECT_FALSE(form().envelopeReport1->isEnabled());
    clear();

    tick();
    EXPECT_EQ(events(), (Lines{"S:O:C?", "FE?", "pause 0.05", "DAT:STAT?"}));
    EXPECT_EQ(value_shown().substr(0, 3), "12.");
    EXPECT_NE(value_shown().find(" mOhm"), std::string::npos);
    clear();

    click_start();
    int polls = 0;
    Lines stop = without_idle_polls(events(), &polls);
    EXPECT_GE(polls, 1);
    Lines expected = stop_command();
    for (const char* line : {"pause 0.5", "DAT:COUNT? 0", "pause 0.5", "SENS:ENV:REP:DATA?",
                             "pause 0.5", "CALC:LIM:REP?"})
        expected.push_back(line);
    EXPECT_EQ(stop, expected);
    EXPECT_EQ(measure::measuring, 0);
    EXPECT_EQ(form().lampLabel->text().toStdString(), "");
    EXPECT_TRUE(form().rangeCombo->isEnabled());
    EXPECT_TRUE(form().count3->isEnabled());
    // The results as the instrument gave them, rewritten for the display.
    EXPECT_NE(form().envelopeReport1->text().toStdString().find(" mOhm"), std::string::npos);
    EXPECT_GE(form().count3->text().toInt() + form().count2->text().toInt() +
                  form().count4->text().toInt(),
              1);
    EXPECT_EQ(form().fillButton->text().toStdString().substr(0, 4), "500(");
    EXPECT_TRUE(messages().empty());
}

TEST_P(Cycle, ASingleMeasurementEndsAfterItsValueAndAFunctionSwitchedOffStillReports) {
    rec::measurement_configuration.continuous = 0;
    send("INIT:CONT OFF");
    rec::compare.state = 1;
    panel->UpdateMeasurePanel();
    click_start();
    // Switched off while measuring: its counts are still fetched at the stop.
    form().comparatorSwitch->click();
    EXPECT_EQ(rec::compare.state, 0);
    EXPECT_EQ(measure::compareflag, 1);
    clear();

    tick();
    Lines after = lines();
    ASSERT_GE(after.size(), 3u);
    EXPECT_EQ(after[2], "AB");
    EXPECT_EQ(after.back(), "CALC:LIM:REP?");
    EXPECT_FALSE(form().startButton->isChecked());
    EXPECT_EQ(measure::measuring, 0);
    EXPECT_EQ(measure::compareflag, 0);
}

TEST_P(Cycle, AReadErrorStopsTheMeasurementOnlyWithInductiveLoad) {
    click_start();
    answer(":STAT:QUES:FRES?", "08", 2);
    sim->instrument().modify(
        [](tarvolux::sim::InstrumentState& s) { s.status.set_resistance_causes(0x08); });
    tick();
    EXPECT_EQ(value_shown(), "Übersteuert");
    EXPECT_EQ(measure::measuring, 1);

    rec::measurement_configuration.load = 1;
    clear();
    tick();
    EXPECT_EQ(value_shown(), "Übersteuert");
    EXPECT_EQ(measure::measuring, 0);
    EXPECT_FALSE(form().startButton->isChecked());
    EXPECT_NE(std::find(lines().begin(), lines().end(), "AB"), lines().end());
}

// On RS-232 a fetch that fails comes back as status 0 with nothing in it: no value.
TEST_F(PanelOnRs232, AFetchThatBringsNothingIsNoValue) {
    rec::measurement_configuration.continuous = 0;
    click_start();
    std::string before = value_shown();
    // The instrument takes "FE?" and then answers the request for its answer with EOT.
    auto& door = sim->serial_door();
    sim->instrument().set_command_listener([&door](const std::string& line) {
        if (line == "FE?") door.faults().arm(tarvolux::sim::SerialFault::EotResponse, 1);
    });
    answer("S:O:C?", "256");
    clear();
    tick();
    EXPECT_EQ(lines(), (Lines{"S:O:C?", "FE?"}));
    EXPECT_EQ(value_shown(), before);
    EXPECT_EQ(measure::measuring, 1) << "a single measurement waits for its value";
    sim->instrument().set_command_listener({});
}

// An instrument that brings no value for longer than one value may take is asked once
// whether it still answers; one that does measures on, one that answers only EOT is
// a dead line.
TEST_F(PanelOnRs232, ALongQuietIsCheckedOnceAndOnlyADeadLineEndsTheMeasurement) {
    // Long enough that the ticks between two waits stay inside it on a loaded machine
    // under the sanitizers.
    measure::set_stop_idle_limit(0.5);
    const auto past_the_limit = std::chrono::milliseconds(550);
    click_start();
    always_answer("S:O:C?", "0");  // no value available
    clear();
    tick();
    EXPECT_EQ(lines(), Lines{"S:O:C?"});
    std::this_thread::sleep_for(past_the_limit);
    tick();  // the check: answered
    tick();  // a poll again
    EXPECT_EQ(lines(), (Lines{"S:O:C?", "S:O:C?", "S:O:C?"}));
    EXPECT_EQ(measure::measuring, 1);
    EXPECT_TRUE(messages().empty());

    sim->serial_door().faults().arm(tarvolux::sim::SerialFault::EotCommand, 1000);
    tick();
    EXPECT_EQ(measure::measuring, 1) << "EOT to a poll is no value yet";
    std::this_thread::sleep_for(past_the_limit);
    tick();
    EXPECT_EQ(measure::measuring, 0);
    EXPECT_FALSE(form().startButton->isChecked());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].rfind("Keine Antwort vom Tarvolux Typ 7416.\nSchritt: Messwert lesen\n"
                                  "Fehler 301",
                                  0),
              0u)
        << messages()[0];
    sim->serial_door().faults().clear();
}

TEST_P(Cycle, AFailedStartShowsNoRunningMeasurement) {
    driver_test::refuse_after(*sim, 0);
    click_start();
    expect_ended_with_one_message("Die Messung konnte nicht gestartet werden.");
    // Ticks do nothing afterwards.
    clear();
    tick();
    EXPECT_TRUE(events().empty());
}

TEST_P(Cycle, ALineThatDiesWhileMeasuringEndsTheMeasurementWithOneMessage) {
    click_start();
    tick();
    driver_test::refuse_after(*sim, 0);
    clear();
    tick();
    expect_ended_with_one_message("Keine Antwort vom Tarvolux Typ 7416.");
    // Nothing more goes to the dead line: no stop, no further poll.
    std::size_t sent = lines().size();
    EXPECT_LE(sent, 1u);
    tick();
    EXPECT_EQ(lines().size(), sent);
}

TEST_P(Cycle, ALostLineAtTheStopCostsOneMessageAndNoFurtherCommands) {
    rec::datalog.state = 1;
    rec::env.state = 1;
    click_start();
    driver_test::refuse_after(*sim, 0);
    clear();
    click_start();
    EXPECT_EQ(messages().size(), 1u);
    Lines after = lines();
    EXPECT_TRUE(after.empty() || after == Lines{"AB"}) << after.size();
    EXPECT_TRUE(form().rangeCombo->isEnabled());
    EXPECT_EQ(form().lampLabel->text().toStdString(), "");
}

TEST_P(Cycle, TheStopWaitsForTheIdleInstrumentOnlyAsLongAsItsBound) {
    measure::set_stop_idle_limit(0.2);
    rec::env.state = 1;
    click_start();
    always_answer("STAT:OPER?", "16");
    clear();
    click_start();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0],
              "Der Tarvolux Typ 7416 meldet nach 0.2 Sekunden immer noch eine laufende "
              "Messung.\nBitte die Messung am Gerät beenden.");
    // It answers, so the results are fetched all the same.
    EXPECT_EQ(lines().back(), "SENS:ENV:REP:DATA?");
}

TEST_P(Cycle, TheTemperatureOfAMeasuringSensorIsShownAndTheManualOneKept) {
    rec::tempconf.state = 1;
    rec::tempconf.sensor = 1;
    rec::tempconf.manual_temp = 21.5;
    panel->UpdateMeasurePanel();
    clear();
    click_start();
    Lines start = lines();
    ASSERT_EQ(start.size(), 2u);
    EXPECT_EQ(start[1], "IN");
    EXPECT_TRUE(panel->temperature_timer().isActive());
    EXPECT_FALSE(form().measuredTempDisplay->text().isEmpty());
    clear();
    temperature_tick();
    EXPECT_EQ(lines(), Lines{start[0]});

    driver_test::refuse_after(*sim, 0);
    temperature_tick();
    EXPECT_EQ(form().measuredTempDisplay->text().toStdString(), "-999.9");
    EXPECT_EQ(rec::tempconf.manual_temp, 21.5);
}

TEST_P(Cycle, TheDemonstrationCycleStepsTheOutputsAndRestartsBeforeEachValue) {
    panel->close_panel();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    panel = measure::open_measure_panel(nullptr, true, {});
    panel->measurement_timer().stop();
    rec::measurement_configuration.continuous = 0;  // ignored in the demonstration
    form().demoSwitch->setChecked(true);
    click_start();
    clear();
    Lines outputs;
    for (int i = 0; i < 6; ++i) {
        tick();
        Lines e = events();
        ASSERT_GE(e.size(), 8u);
        outputs.push_back(e[0]);
        EXPECT_EQ(Lines(e.begin() + 1, e.begin() + 6),
                  (Lines{"pause 0.05", "pause 0.1", "IN", "pause 0.05", "S:O:C?"}));
        clear();
    }
    EXPECT_EQ(outputs, (Lines{"REG:OUTP 1", "REG:OUTP 2", "REG:OUTP 3", "REG:OUTP 4", "REG:OUTP 5",
                              "REG:OUTP 1"}));
    EXPECT_EQ(measure::measuring, 1);
    // A new measurement goes on where the last one stopped.
    click_start();
    click_start();
    clear();
    tick();
    EXPECT_EQ(events()[0], "REG:OUTP 2");
}

TEST_P(Cycle, ClosingThePanelWhileMeasuringStopsTheInstrumentAndLeavesNoTick) {
    click_start();
    clear();
    form().closeButton->click();
    EXPECT_EQ(lines().front(), "AB");
    EXPECT_EQ(measure::measuring, 0);
    EXPECT_FALSE(panel->measurement_timer().isActive());
    EXPECT_EQ(measure::measure_panel(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    clear();
    QCoreApplication::processEvents();
    EXPECT_TRUE(events().empty());
}

MEASURE_ON_BOTH_TRANSPORTS(Cycle);

// Ticks never run inside another callback: the pauses of one let timer events through.
TEST_F(PanelOnRs232, ATickInsideAnotherCallbackDoesNothing) {
    click_start();
    clear();
    {
        ui::CallbackScope busy;
        tick();
        temperature_tick();
    }
    EXPECT_TRUE(events().empty());
    tick();
    EXPECT_FALSE(events().empty());
}

}  // namespace
}  // namespace measure_test
