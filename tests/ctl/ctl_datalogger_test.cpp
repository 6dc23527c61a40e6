// ohm7416ctl datalogger read beside the read-out panel: for the same choices the same
// wire, the same list and the same export file byte for byte; a read-out that ends
// early ends with status 1 and one message and exports exactly the values read.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QTreeView>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>

#include "app/main_window.h"
#include "datalog/readout_list_model.h"
#include "sim/instrument.h"
#include "tests/ctl/ctl_fixture.h"
#include "tests/ui/modal_helpers.h"
#include "ui/glob.h"

namespace ctl_test {
namespace {

using namespace std::chrono;
namespace sim = tarvolux::sim;

constexpr int BLOCK = 3;

std::time_t pinned_now() {
    return 1718000000;  // a June afternoon in 2024
}

// `count` values in block 3, named "Ofen_3": value k (from 0) is 12.0000 + k/1000
// milliohms, stored on 15.03.2024 at 10:00:k.
std::function<void(Bench&)> stored(int count, bool block_active = false) {
    return [count, block_active](Bench& bench) {
        bench.instrument().modify([&](sim::InstrumentState& state) {
            sim::LogBlock& block = state.datalogger.blocks[BLOCK];
            block.name = "Ofen_3";
            block.size = std::max(block.size, count);
            for (int k = 0; k < count; ++k) {
                char text[32];
                std::snprintf(text, sizeof text, "%.4fMOHM", 12.0 + k / 1000.0);
                const sys_days day = 2024y / March / 15;
                block.values.push_back({text, (12.0 + k / 1000.0) / 1000.0,
                                        day + hours(10) + seconds(k) + milliseconds(10 * k)});
            }
            if (block_active) state.datalogger.active = BLOCK;
        });
    };
}

std::size_t count_starting(const Lines& lines, const std::string& prefix) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(prefix); }));
}

// Requests for stored values or the block's statistics.
std::size_t readout_requests(const Lines& wire) {
    std::size_t count = 0;
    for (const char* request : {"DA?", "DV?", "DAT:DATA:", "dat:data:", "DAT:MIN?"})
        count += count_starting(wire, request);
    return count;
}

// What the operator chooses on the read-out panel, and the same on the command line.
struct Choice {
    bool with_date = false;
    bool statistics = false;
    int from = 0;  // 0: the whole block
    int to = 0;
    int type_row = -1;  // exported with this type of the list (-1: not exported)
    std::string type = {};
    std::string comment = {};

    std::vector<std::string> args(const std::string& file) const {
        std::vector<std::string> a{"datalogger", "read", std::to_string(BLOCK)};
        if (from) a.insert(a.end(), {"--from", std::to_string(from), "--to", std::to_string(to)});
        if (with_date) a.push_back("--with-date");
        if (statistics) a.push_back("--statistics");
        if (type_row >= 0) a.insert(a.end(), {"--export", file, "--format", type});
        if (!comment.empty()) a.insert(a.end(), {"--comment", comment});
        return a;
    }
};

struct PanelRun {
    Lines wire;    // start-up, opening, block choice, read-out and export
    Lines listed;  // the list after reading, a line a row
};

class CtlDatalogger : public CtlTest {
  protected:
    void SetUp() override {
        CtlTest::SetUp();
        set_time_source(pinned_now);
    }
    void TearDown() override {
        set_time_source(nullptr);
        CtlTest::TearDown();
    }

    // The operator opens "Datalogger auslesen", picks block 3 and the choice, presses
    // "Auslesen", exports when the choice says so, and closes the panel.
    PanelRun on_panel(const Choice& c, const std::string& export_file,
                      const std::function<void(Bench&)>& prepare) {
        PanelRun run;
        drive_program(
            [&](app::MainWindow& window, ui::ScriptedBackend& popups, Bench& bench) {
                ui_test::on_next_dialog([&](QWidget* panel) {
                    auto* selector = panel->findChild<QComboBox*>("blockSelector");
                    selector->setCurrentIndex(BLOCK);
                    auto* read_all = panel->findChild<QCheckBox*>("readAllSwitch");
                    if (read_all->isChecked() != (c.from == 0)) read_all->click();
                    if (c.from) {
                        panel->findChild<QSpinBox*>("fromSpin")->setValue(c.from);
                        panel->findChild<QSpinBox*>("toSpin")->setValue(c.to);
                    }
                    panel->findChild<QCheckBox*>("valuesOnlySwitch")->setChecked(!c.with_date);
                    panel->findChild<QCheckBox*>("statisticsSwitch")->setChecked(c.statistics);
                    ui_test::click(panel, "readButton");

                    auto* model = dynamic_cast<datalog::ReadoutListModel*>(
                        panel->findChild<QTreeView*>("valueList")->model());
                    for (int row = 0; row < model->rowCount(); ++row)
                        run.listed.push_back(model->line(row).toStdString());
                    if (c.type_row >= 0) {
                        popups.answer_file(export_file);
                        popups.answer_prompt(c.comment);
                        ui_test::on_next_dialog([row = c.type_row](QWidget* types) {
                            types->findChild<QListWidget*>("typeList")->setCurrentRow(row);
                            ui_test::click(types, "okButton");
                        });
                        ui_test::click(panel, "exportButton");
                    }
                    run.wire = bench.wire();
                    ui_test::click(panel, "closeButton");
                });
                window.action("actionDataloggerReadout")->trigger();
            },
            prepare);
        return run;
    }
};

TEST_P(CtlDatalogger, ReadsAndListsWhatThePanelReadsAndLists) {
    struct Case {
        const char* name;
        Choice choice;
        bool block_active;  // else the instrument's active block is 0 and 3 is selected
        std::size_t lines;
    };
    for (const Case& c : {Case{"values only", {}, false, 45},
                          Case{"with date and statistics", {true, true}, false, 4 + 45},
                          Case{"a range of values", {false, false, 5, 44}, true, 40},
                          Case{"a range with date", {true, true, 2, 10}, true, 4 + 9}}) {
        CtlResult result = ctl(c.choice.args(""), stored(45, c.block_active));
        ASSERT_EQ(result.status, 0) << c.name << ": " << result.err;
        EXPECT_EQ(result.err, "") << c.name;

        PanelRun panel = on_panel(c.choice, "", stored(45, c.block_active));
        EXPECT_EQ(result.wire, panel.wire) << c.name;
        Lines listed = lines_of(result.out);
        EXPECT_EQ(listed, panel.listed) << c.name;
        EXPECT_EQ(listed.size(), c.lines) << c.name;
        EXPECT_EQ(count_starting(result.wire, "DAT:SEL:BLOC 3"), c.block_active ? 0u : 1u)
            << c.name;
    }
    // The list as the script sees it: a tab between the fields.
    CtlResult shown = ctl(
        {"datalogger", "read", "3", "--from", "44", "--to", "45", "--with-date", "--statistics"},
        stored(45));
    EXPECT_EQ(shown.out,
              "Statistik Minimum   12.000 mOhm\nStatistik Maximum   12.044 mOhm\n"
              "Statistik Mittelwert   12.022 mOhm\nStatistik Std.Abweichung   0.013 mOhm\n"
              "44\t12.0430 mOhm\t15.03.2024\t10:00:43:43\n"
              "45\t12.0440 mOhm\t15.03.2024\t10:00:44:44\n");
}

TEST_P(CtlDatalogger, ExportsTheFileThePanelExports) {
    for (const Choice& c : {Choice{false, true, 0, 0, 0, "Tabellenkalkulation", "Charge 7; Ofen 3"},
                            Choice{true, false, 40, 45, 1, "tabulat.for", ""}}) {
        CtlResult result = ctl(c.args(file("ctl.txt")), stored(45));
        ASSERT_EQ(result.status, 0) << c.type << ": " << result.err;
        EXPECT_EQ(result.err, "");

        PanelRun panel = on_panel(c, file("panel.txt"), stored(45));
        EXPECT_EQ(result.wire, panel.wire) << c.type;
        std::string written = read_bytes(file("ctl.txt"));
        EXPECT_EQ(written, read_bytes(file("panel.txt"))) << c.type;
        // Maker, block, (statistics,) comment, empty line, column header, the values.
        Lines lines = lines_of(written);
        std::size_t values = c.from ? 6u : 45u;
        ASSERT_EQ(lines.size(), (c.statistics ? 9u : 5u) + values) << written;
        CalendarTime now{};
        EXPECT_NE(lines[0].find(get_date(*t_now(&now))), std::string::npos) << lines[0];
        EXPECT_NE(lines[1].find("3, Ofen_3"), std::string::npos) << lines[1];
        EXPECT_TRUE(lines.back().starts_with(c.from ? "45" : "45 ; 12,0440 ; mOhm"))
            << lines.back();
    }
}

// A read-out of 65 values that ends on its third chunk of 20 ("DA? 3,41"): 40 are read.
TEST_P(CtlDatalogger, AReadOutEndingEarlyTellsOnceAndExportsTheValuesRead) {
    const Choice choice{false, false, 0, 0, 0, "Tabellenkalkulation", ""};
    struct Case {
        const char* name;
        std::function<void(Bench&)> fault;
        std::string message;
    };
    for (const Case& c :
         {Case{"cut chunk",
               [](Bench& bench) {
                   sim::Instrument& instrument = bench.instrument();
                   bench.when_received("DA? 3,21", [&instrument] {
                       instrument.script_answer("DA?", "12.0400MOHM,12.0410MOHM,12.04");
                   });
               },
               "Das Gerät hat auf \"DA? 3,41\" keine gültige Antwort gegeben"},
          Case{"lost line",
               [](Bench& bench) {
                   bench.when_received("DA? 3,41", [&bench] { bench.lose_waiting_answer(); });
               },
               "DA? 3,41"}}) {
        auto prepare = [&c](Bench& bench) {
            stored(65)(bench);
            c.fault(bench);
        };
        CtlResult result = ctl(choice.args(file("ctl.csv")), prepare);
        EXPECT_EQ(result.status, 1) << c.name;
        EXPECT_EQ(result.error_messages(), 1u) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("Es wurden 40 von 65 Werten gelesen."), std::string::npos);
        EXPECT_EQ(result.wire.back(), "DA? 3,41") << c.name << ": nothing sent after it";
        Lines listed = lines_of(result.out);
        ASSERT_EQ(listed.size(), 40u) << c.name;
        EXPECT_EQ(listed.back(), "40\t12.0390 mOhm");

        PanelRun panel = on_panel(choice, file("panel.csv"), prepare);
        EXPECT_EQ(listed, panel.listed) << c.name;
        std::string written = read_bytes(file("ctl.csv"));
        EXPECT_EQ(written, read_bytes(file("panel.csv"))) << c.name;
        EXPECT_EQ(lines_of(written).size(), 5u + 40u) << written;
    }
}

TEST_P(CtlDatalogger, CtrlCStopsLikeAbbrechenAndKeepsWhatWasRead) {
    CtlResult result =
        ctl({"datalogger", "read", "3", "--export", file("halb.csv")}, [](Bench& bench) {
            stored(65)(bench);
            bench.when_received("DA? 3,21", [] { std::raise(SIGINT); });
        });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.error_messages(), 0u) << result.err;
    EXPECT_TRUE(
        result.err.starts_with("Meldung : Das Auslesen wurde abgebrochen.\n\nEs wurden 40 "
                               "von 65 Werten gelesen.\n"))
        << result.err;
    EXPECT_EQ(result.wire.back(), "DA? 3,21");
    EXPECT_EQ(lines_of(result.out).size(), 40u);
    EXPECT_EQ(lines_of(read_bytes(file("halb.csv"))).size(), 5u + 40u);
}

TEST_P(CtlDatalogger, WhatCannotBeReadSendsNoReadAndWritesNoFile) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string message;  // on stderr
    };
    const std::string f = file("nie.csv");
    for (const Case& c : {
             Case{"block 32", {"32"}, 2, "Blocknummer (0-31) erwartet statt 32"},
             Case{"block x", {"x"}, 2, "Blocknummer (0-31) erwartet statt x"},
             Case{"to before from",
                  {"3", "--from", "9", "--to", "8"},
                  2,
                  "--to 8 liegt vor --from 9"},
             Case{"from 0", {"3", "--from", "0"}, 2, "Option --from: Wertnummer (1-20000)"},
             Case{"comment alone", {"3", "--comment", "x"}, 2, "nur zusammen mit --export"},
             Case{"unknown type",
                  {"3", "--export", f, "--format", "Lotus"},
                  1,
                  "Unbekannter Export Typ : Lotus"},
             Case{"empty block",
                  {"5", "--export", f},
                  1,
                  "Im Datalogger-Block 5 sind keine Werte gespeichert."},
             Case{"beyond the block",
                  {"3", "--from", "40", "--to", "46", "--export", f},
                  1,
                  "Im Datalogger-Block 3 sind nur 45 Werte gespeichert"},
         }) {
        std::vector<std::string> args{"datalogger", "read"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        CtlResult result = ctl(args, stored(45));
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.name << ": " << result.err;
        EXPECT_EQ(result.out, "") << c.name;
        if (c.status == 1) {
            EXPECT_EQ(result.error_messages(), 1u) << result.err;
        }
        if (c.status == 2 || c.name == std::string("unknown type")) {
            EXPECT_TRUE(result.wire.empty()) << c.name << " sent " << result.wire.front();
        }
        EXPECT_EQ(readout_requests(result.wire), 0u) << c.name;
        EXPECT_FALSE(std::filesystem::exists(f)) << c.name;
    }
}

CTL_THROUGH_BOTH_DOORS(CtlDatalogger);

}  // namespace
}  // namespace ctl_test
