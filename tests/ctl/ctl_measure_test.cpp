// ohm7416ctl measure beside the measure panel: the same start, ticks and stop on the
// wire, the same export file byte for byte, and a status other than 0 with one message
// for every way a run can fail.
#include <QListWidget>
#include <algorithm>
#include <filesystem>

#include "app/main_window.h"
#include "measure/measure_cycle.h"
#include "measure/measure_panel.h"
#include "sim/clock.h"
#include "tests/ctl/ctl_fixture.h"
#include "tests/ui/modal_helpers.h"
#include "ui/glob.h"
#include "ui_measure_panel.h"

namespace ctl_test {
namespace {

Lines from_first(const Lines& wire, const std::string& command) {
    return Lines(std::find(wire.begin(), wire.end(), command), wire.end());
}

Lines before_first(const Lines& wire, const std::string& command) {
    return Lines(wire.begin(), std::find(wire.begin(), wire.end(), command));
}

// The comparator on, so the values carry a class and the export header its limits.
void with_comparator(Bench& bench) {
    for (const char* line :
         {"CALC:LIM:COUN 2", "CALC:LIM:LOW 0.012344", "CALC:LIM:UPP 0.012346", "CALC:LIM:STAT 1"})
        bench.instrument().execute(line);
}

void single_measurement(Bench& bench) {
    bench.instrument().execute("INIT:CONT OFF");
}

class CtlMeasure : public SteadyCtlTest {
  protected:
    // What the operator does on the measure panel: storing on (when `type_row` picks a
    // type), the start switch whenever it is off, one tick per value, the switch off.
    struct PanelRun {
        int values;
        int type_row = -1;
        std::string file = {};
        std::string comment = {};
    };
    struct PanelWire {
        Lines start_up;   // up to the menu item
        Lines measuring;  // from the first start to the last stop
    };
    PanelWire on_panel(const PanelRun& run, const std::function<void(Bench&)>& prepare) {
        PanelWire result;
        drive_program(
            [&](app::MainWindow& window, ui::ScriptedBackend& popups, Bench& bench) {
                result.start_up = bench.wire();
                window.action("actionMeasurePanel")->trigger();
                measure::MeasurePanel* panel = measure::measure_panel();
                ASSERT_NE(panel, nullptr);
                panel->measurement_timer().stop();
                Ui::MeasurePanel& form = panel->form();
                if (run.type_row >= 0) {
                    ui_test::on_next_dialog([row = run.type_row](QWidget* dialog) {
                        dialog->findChild<QListWidget*>("typeList")->setCurrentRow(row);
                        ui_test::click(dialog, "okButton");
                    });
                    popups.answer_file(run.file);
                    popups.answer_prompt(run.comment);
                    form.storeSwitch->click();
                    ASSERT_TRUE(form.storeSwitch->isChecked());
                }
                std::size_t start = bench.wire().size();
                for (int i = 0; i < run.values; ++i) {
                    if (!form.startButton->isChecked()) form.startButton->click();
                    measure::CB_TimerInterrupt(*panel);
                }
                if (form.startButton->isChecked()) form.startButton->click();
                Lines all = bench.wire();
                result.measuring.assign(all.begin() + static_cast<long>(start), all.end());
            },
            prepare);
        return result;
    }
};

TEST_P(CtlMeasure, ThreeValuesTakeTheWireOfThePanel) {
    struct Case {
        const char* name;
        std::function<void(Bench&)> prepare;
        int starts;  // single measurements start once per value
    };
    for (const Case& c : {Case{"continuous", with_comparator, 1}, Case{"single",
                                                                       [](Bench& b) {
                                                                           with_comparator(b);
                                                                           single_measurement(b);
                                                                       },
                                                                       3}}) {
        CtlResult result = ctl({"measure", "3"}, c.prepare);
        ASSERT_EQ(result.status, 0) << c.name << ": " << result.err;
        EXPECT_EQ(result.err, "") << c.name;
        Lines shown = lines_of(result.out);
        ASSERT_EQ(shown.size(), 3u) << c.name << ": " << result.out;
        for (const std::string& value : shown)
            EXPECT_TRUE(value.starts_with("12,34") || value.starts_with("12.34")) << value;

        PanelWire panel = on_panel({3}, c.prepare);
        EXPECT_EQ(before_first(result.wire, "IN"), panel.start_up) << c.name;
        EXPECT_EQ(from_first(result.wire, "IN"), panel.measuring) << c.name;
        EXPECT_EQ(std::count(result.wire.begin(), result.wire.end(), "IN"), c.starts) << c.name;
        EXPECT_EQ(result.wire.back(), "CALC:LIM:REP?") << c.name << ": the stop fetched the counts";
    }
}

TEST_P(CtlMeasure, TenValuesGoIntoTheFileThePanelWrites) {
    struct Case {
        std::string format;  // as the command line names it
        int row;             // the same type in the panel's list
        std::vector<std::string> comment;
        std::string comment_text;
    };
    for (const Case& c :
         {Case{"Tabellenkalkulation", 0, {"--comment", "Los 17; Ofen 3"}, "Los 17; Ofen 3"},
          Case{"tabulat.for", 1, {}, ""}}) {
        std::vector<std::string> args{"measure",       "10",       "--export",
                                      file("ctl.txt"), "--format", c.format};
        args.insert(args.end(), c.comment.begin(), c.comment.end());
        CtlResult result = ctl(args, with_comparator);
        ASSERT_EQ(result.status, 0) << c.format << ": " << result.err;
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(lines_of(result.out).size(), 10u);

        PanelWire panel = on_panel({10, c.row, file("panel.txt"), c.comment_text}, with_comparator);
        EXPECT_EQ(from_first(result.wire, "IN"), panel.measuring) << c.format;
        std::string written = read_bytes(file("ctl.txt"));
        EXPECT_EQ(written, read_bytes(file("panel.txt"))) << c.format;

        // Maker, comment, empty line, limit count, two limits, column header: then one
        // line a value, at the pinned time.
        Lines lines = lines_of(written);
        ASSERT_EQ(lines.size(), 7u + 10u) << written;
        EXPECT_NE(lines[1].find(c.comment_text), std::string::npos) << lines[1];
        CalendarTime now{};
        t_now(&now);
        EXPECT_TRUE(lines[7].starts_with(get_time(now))) << lines[7];
    }
}

TEST_P(CtlMeasure, FormatsThatCannotBeUsedSendNothing) {
    std::filesystem::create_directories(home / "format.for");
    write_bytes((home / "format.for" / "export.exp").string(),
                "Tabellenkalkulation tabelle.for\nVerloren verloren.for\n<ende>\n");
    write_bytes((home / "format.for" / "tabelle.for").string(),
                "65000 \t\t   Max Anzahl der Zeilen\n.csv        Datei Extension\n,         "
                "Dezimal Trenner\n;         SpaltenTrenner");
    struct Case {
        std::string format;
        std::string message;
    };
    for (const Case& c : {Case{"Lotus", "Unbekannter Export Typ : Lotus"},
                          Case{"verloren", "Kann Datei : verloren.for nicht öffnnen"}}) {
        CtlResult result = ctl({"measure", "3", "--export", file("nie.csv"), "--format", c.format});
        EXPECT_EQ(result.status, 1) << c.format;
        EXPECT_EQ(result.error_messages(), 1u) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_TRUE(result.wire.empty()) << c.format << " sent " << result.wire.front();
        EXPECT_FALSE(std::filesystem::exists(file("nie.csv")));
    }
    // The list names its types: a name in other letter case is the same type.
    CtlResult named =
        ctl({"measure", "1", "--export", file("ja.csv"), "--format", "TABELLENKALKULATION"});
    EXPECT_EQ(named.status, 0) << named.err;
}

TEST_P(CtlMeasure, WhatCannotBeStoredEndsTheRunBeforeTheStart) {
    struct Case {
        const char* name;
        std::string path;
        std::function<void(Bench&)> prepare;
        std::string message;
    };
    for (const Case& c :
         {Case{"missing folder",
               file("fehlt/x.csv"),
               {},
               "Kann Datei : " + file("fehlt/x.csv") + " nicht öffnnen"},
          Case{"full disk", "/dev/full", {}, "Fehler beim Schreiben der Datei : /dev/full"},
          Case{"deviation shown", file("x.csv"),
               [](Bench& b) { b.instrument().execute("calc:math:expr DELT"); },
               "nur in der Anzeige des Widerstands"}}) {
        CtlResult result = ctl({"measure", "5", "--export", c.path}, c.prepare);
        EXPECT_EQ(result.status, 1) << c.name;
        EXPECT_EQ(result.error_messages(), 1u) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.wire.begin(), result.wire.end(), "IN"), 0) << c.name;
        EXPECT_EQ(result.out, "") << c.name;
    }
}

TEST_P(CtlMeasure, ErrorCodesAreReportedAndEndTheRunOnlyWithInductiveLoad) {
    // Every value is questionable until the instrument has been asked for the cause
    // twice; then the resistor measures again.
    auto questionable = [](bool inductive) {
        return [inductive](Bench& bench) {
            if (inductive) bench.instrument().execute("FRES:LOAD COMP");
            tarvolux::sim::Instrument& instrument = bench.instrument();
            instrument.modify([](auto& s) { s.status.set_resistance_causes(0x08); });
            auto asked = std::make_shared<int>(0);
            instrument.set_command_listener([&instrument, asked](const std::string& line) {
                if (line == ":STAT:QUES:FRES?" && ++*asked == 2)
                    instrument.modify([](auto& s) { s.status.set_resistance_causes(0); });
            });
        };
    };
    CtlResult goes_on = ctl({"measure", "2"}, questionable(false));
    EXPECT_EQ(goes_on.status, 0) << goes_on.err;
    EXPECT_EQ(lines_of(goes_on.out).size(), 2u) << goes_on.out;
    EXPECT_EQ(goes_on.err.rfind("Meldung : Kein Messwert: ", 0), 0u) << goes_on.err;
    EXPECT_EQ(goes_on.error_messages(), 0u);

    CtlResult ends = ctl({"measure", "2"}, questionable(true));
    EXPECT_EQ(ends.status, 1);
    EXPECT_EQ(ends.out, "");
    EXPECT_EQ(ends.error_messages(), 1u) << ends.err;
    EXPECT_NE(ends.err.find("beendet (Messung mit induktiver Last)"), std::string::npos)
        << ends.err;
    Lines measuring = from_first(ends.wire, "IN");
    EXPECT_EQ(std::count(measuring.begin(), measuring.end(), "IN"), 1);
    EXPECT_NE(std::find(measuring.begin(), measuring.end(), "AB"), measuring.end());
}

TEST_P(CtlMeasure, AMeasurementThatBringsNoValueEndsWithOneMessage) {
    // Time stands still: the measurement never ends. Over RS-232 the tool waits out its
    // own limit; over GPIB the service request does not come first.
    instrument_options.clock = std::make_shared<tarvolux::sim::ManualClock>();
    CtlResult result = ctl({"measure", "3", "--timeout", "1"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.error_messages(), 1u) << result.err;
    EXPECT_EQ(result.wire.back(), "STAT:OPER?") << "the stop waited for the idle instrument";
}

CTL_THROUGH_BOTH_DOORS(CtlMeasure);

// Through GPIB, whose time-outs the simulation shortens.
class CtlMeasureLine : public CtlMeasure {};

TEST_P(CtlMeasureLine, ADeadLineEndsTheRunWithOneMessage) {
    for (const char* last : {"IN", "FE?"}) {
        CtlResult result = ctl({"measure", "5", "--export", file("halb.txt")},
                               [last](Bench& bench) { bench.fall_silent_at(last); });
        EXPECT_EQ(result.status, 1) << last;
        EXPECT_EQ(result.out, "") << last;
        EXPECT_EQ(result.error_messages(), 1u) << result.err;
        EXPECT_EQ(lines_of(read_bytes(file("halb.txt"))).size(), 4u) << "the header, no value";
    }
}

INSTANTIATE_TEST_SUITE_P(Gpib, CtlMeasureLine, ::testing::Values(Transport::Gpib),
                         ::driver_test::transport_name);

}  // namespace
}  // namespace ctl_test
