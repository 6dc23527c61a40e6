// The graph on the panel (axes, rescaling, traces, what is not plotted, bounded memory)
// and storing the running values into an export file, with the export panels.
#include <QCheckBox>
#include <QListWidget>
#include <QLineEdit>
#include <QComboBox>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "export/ascii_exp.h"
#include "export/statistics_block.h"
#include "export/export_file.h"
#include "export/format_install.h"
#include "export/user_export_panel.h"
#include "measure/measure_cycle.h"
#include "files/project_dir.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "tests/measure/measure_fixture.h"
#include "tests/settings/test_files.h"
#include "tests/ui/modal_helpers.h"
#include "ui/panel_hooks.h"
#include "ui/qt/plot_widget.h"
#include "ui/qt/record_controls.h"

namespace measure_test {
namespace {

using ui_test::click;
using ui_test::on_next_dialog;

void set_resistor(driver_test::SimConnection& sim, double ohms) {
    sim.instrument().modify([ohms](tarvolux::sim::InstrumentState& s) {
        s.resistor.ohms = ohms;
        s.resistor.noise = 0;
    });
}

class Graph : public PanelOnRs232 {
  protected:
    ui::PlotWidget& plot() { return *form().plot; }
    void show_graph() { form().graphSwitch->click(); }
};

TEST_F(Graph, AFixedRangeDrawsInItsUnitOnItsOwnAxis) {
    set_resistor(*sim, 0.012345);
    show_graph();
    EXPECT_EQ(measure::graphic_ctrl_loaded, 1);
    EXPECT_EQ(plot().axis_name().toStdString(), "mOhm");
    EXPECT_EQ(plot().value_range(), std::make_pair(0.0, 200.0));
    EXPECT_TRUE(form().axisHighSpin->isVisibleTo(panel));
    click_start();
    tick();
    ASSERT_EQ(plot().point_count(), 1u);
    EXPECT_NEAR(plot().trace_values(0)[0], 12.345, 1e-4);

    // Range 6 with the graph shown: its axis and name at once.
    click_start();
    rec::measurement_configuration.range = 6;
    form().rangeCombo->setCurrentIndex(6);
    EXPECT_EQ(plot().axis_name().toStdString(), "kOhm");
    EXPECT_EQ(plot().value_range(), std::make_pair(0.0, 20.0));
    EXPECT_EQ(form().axisHighSpin->value(), 20.0);
    EXPECT_EQ(plot().point_count(), 1u) << "a new set-up keeps what was plotted";
}

TEST_F(Graph, TheAutomaticRangeFollowsTheInstrumentsRangeAtTheNextValue) {
    rec::measurement_configuration.range = 0;
    send("SENSE:FRES:RANG:AUTO ON");
    set_resistor(*sim, 150.0);
    show_graph();
    EXPECT_EQ(plot().axis_name().toStdString(), "Ohm");
    EXPECT_FALSE(form().axisHighSpin->isVisibleTo(panel));
    click_start();
    clear();
    tick();
    EXPECT_EQ(events(), (Lines{"S:O:C?", "FE?", "pause 0.05", "SENSE:FRES:RANG?", "pause 0.05"}));
    EXPECT_EQ(plot().value_range(), std::make_pair(0.0, 200.0));
    EXPECT_NEAR(plot().trace_values(0)[0], 150.0, 1e-3);

    set_resistor(*sim, 1500.0);
    tick();
    tick();
    EXPECT_EQ(plot().value_range(), std::make_pair(0.0, 2000.0));
    EXPECT_EQ(measure::old_aktu_range, 5);

    // The axis-limit fields are hidden in automatic range; a value that reaches them all
    // the same (assistive technology still sees them) changes nothing.
    form().axisLowSpin->setValue(1000);
    form().axisHighSpin->setValue(1600);
    tick();
    EXPECT_EQ(plot().value_range(), std::make_pair(0.0, 2000.0));
}

TEST_F(Graph, AxisLimitsTakeEffectWhenCommittedWithTheLowerBelowTheUpper) {
    rec::measurement_configuration.range = 1;
    show_graph();
    ASSERT_EQ(plot().value_range(), std::make_pair(0.0, 200.0));
    ui::set_real(form().axisLowSpin, 50);
    form().axisHighSpin->setValue(50);
    EXPECT_EQ(plot().value_range(), std::make_pair(0.0, 200.0)) << "lower = upper is ignored";
    form().axisHighSpin->setValue(120);
    EXPECT_EQ(plot().value_range(), std::make_pair(50.0, 120.0));
}

TEST_F(Graph, TheComparatorSwitchRebuildsTheTracesAndLimitsAreDrawnWithTheValues) {
    show_graph();
    EXPECT_EQ(plot().trace_count(), 1);
    click_start();
    tick();
    form().comparatorSwitch->click();
    EXPECT_EQ(plot().trace_count(), 3);
    tick();
    rec::compare.limit_count = 4;
    rec::compare.limit_1 = 0.005;
    rec::compare.limit_4 = 0.020;
    panel->UpdateMeasurePanel();
    EXPECT_EQ(plot().trace_count(), 5);
    tick();
    form().comparatorSwitch->click();
    EXPECT_EQ(plot().trace_count(), 1);
    tick();

    auto lower = plot().trace_values(1);
    ASSERT_EQ(lower.size(), 4u);
    EXPECT_TRUE(std::isnan(lower[0]));  // before the comparator was on
    EXPECT_NEAR(lower[1], 10.0, 1e-4);  // limit 2 in milliohms
    EXPECT_TRUE(std::isnan(lower[3]));  // after it was switched off again
    EXPECT_NEAR(plot().trace_values(3)[2], 5.0, 1e-4);
}

TEST_F(Graph, ReferenceMeasurementsAndOverloadsAreNotPlottedAsZero) {
    show_graph();
    click_start();
    answer("FE?", "000");
    tick();
    EXPECT_EQ(value_shown(), "Ref.Mess.");
    answer("FE?", ">>>");
    answer(":STAT:QUES:FRES?", "00");
    tick();
    EXPECT_EQ(plot().point_count(), 0u);
    tick();
    EXPECT_EQ(plot().point_count(), 1u);
}

TEST_F(Graph, MemoryStaysBoundedHoweverLongItRuns) {
    ui::PlotWidget chart;
    chart.set_traces({{Qt::green, true}, {Qt::black, false}, {Qt::black, false}});
    const std::size_t capacity = chart.capacity();
    for (int i = 0; i < 5000; ++i) chart.append({double(i), 1.0, 2.0});
    EXPECT_EQ(chart.point_count(), capacity);
    EXPECT_EQ(chart.last_x(), 4999);
    auto values = chart.trace_values(0);
    EXPECT_EQ(values.front(), 5000.0 - static_cast<double>(capacity));
    EXPECT_EQ(values.back(), 4999.0);
}

TEST_F(Graph, TheCommentLabelsTheGraph) {
    show_graph();
    wire.answer_prompt("Los 17, Ofen 3");
    form().commentButton->click();
    EXPECT_EQ(plot().title().toStdString(), "Los 17, Ofen 3");
    EXPECT_EQ(wire.popups().back().title, "Eingabe Kommentar");
}

TEST_F(Graph, TheGraphIsSavedAsAPngImage) {
    ScratchFolder folder;
    show_graph();
    click_start();
    tick();
    wire.answer_file(folder.file("kurve"));
    form().imageButton->click();
    std::ifstream in(folder.file("kurve.png"), std::ios::binary);
    std::string head(8, '\0');
    in.read(head.data(), 8);
    EXPECT_EQ(head, "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(wire.popups().back().title, "Grafik als Bild speichern");
}

// --- storing --------------------------------------------------------------------------

class Storing : public PanelOnRs232 {
  protected:
    void SetUp() override {
        PanelOnRs232::SetUp();
        files::curr_dir = project.path();
        ASSERT_TRUE(exporting::seed_export_formats(project.path()));
        std::filesystem::create_directory(project.file("EXPORT"));
    }
    void TearDown() override {
        PanelOnRs232::TearDown();
        files::curr_dir.clear();
    }

    // Switches storing on, picks the export type in row `row` and names the file.
    void store_into(const std::string& name, int row = 0) {
        on_next_dialog([row](QWidget* dialog) {
            dialog->findChild<QListWidget*>("typeList")->setCurrentRow(row);
            click(dialog, "okButton");
        });
        wire.answer_file(project.file("EXPORT/" + name));
        wire.answer_prompt("Charge 4711");
        form().storeSwitch->click();
    }

    std::vector<std::string> file_lines(const std::string& name) const {
        std::ifstream in(project.file("EXPORT/" + name));
        std::vector<std::string> result;
        for (std::string line; std::getline(in, line);) result.push_back(line);
        return result;
    }

    ScratchFolder project;
};

TEST_F(Storing, EveryValueShownGoesIntoTheFileInTheChosenFormat) {
    store_into("lauf.csv", 0);  // the first type of the list: ";" between, "," decimal
    ASSERT_EQ(exporting::measure_store_mode, 1);
    EXPECT_TRUE(form().storeSwitch->isChecked());
    click_start();
    std::vector<std::string> shown;
    for (int i = 0; i < 5; ++i) {
        tick();
        shown.push_back(value_shown());
    }
    answer("FE?", "000");
    tick();
    EXPECT_EQ(value_shown(), "Ref.Mess.");
    click_start();
    form().storeSwitch->click();
    EXPECT_EQ(exporting::measure_store_mode, 0);
    EXPECT_FALSE(exporting::export_fhdl.is_open());

    // Header, then exactly the five values; the reference measurement is no value.
    auto lines = file_lines("lauf.csv");
    ASSERT_EQ(lines.size(), 4u + 5u);
    EXPECT_EQ(lines[1], "Kommentar : ; Charge 4711 ;");
    EXPECT_EQ(lines[3], "Uhrzeit ; Wert ; Einheit ; Komparator Status ;");
    for (int i = 0; i < 5; ++i) {
        std::string number = shown[i].substr(0, shown[i].find(' '));
        std::replace(number.begin(), number.end(), '.', ',');
        EXPECT_NE(lines[4 + i].find(" ; " + number + " ; mOhm ;  ;"), std::string::npos)
            << lines[4 + i];
    }
}

// Over GPIB the instrument's overload answer reaches the display; stored, it is marked
// as such, and it is not plotted.
TEST_F(Storing, AnOverloadIsShownAndStoredAsSuchButNotPlotted) {
    close();
    open(Transport::Gpib);
    store_into("ueber.csv");
    form().graphSwitch->click();
    click_start();
    answer("FE?", ">>>");
    tick();
    EXPECT_EQ(value_shown(), ">>> Over Range");
    EXPECT_EQ(form().plot->point_count(), 0u);
    click_start();
    form().storeSwitch->click();
    auto lines = file_lines("ueber.csv");
    ASSERT_EQ(lines.size(), 5u);
    // Export files are Latin-1.
    EXPECT_NE(lines[4].find(" ; \xDC"
                            "bersteuert    ;  ;  ;"),
              std::string::npos)
        << lines[4];
}

TEST_F(Storing, AFailingWriteSwitchesStoringOffAndSaysSo) {
    ASSERT_TRUE(exporting::export_fhdl.open("/dev/full"));
    exporting::measure_store_mode = 1;
    panel->UpdateMeasurePanel();
    click_start();
    tick();
    EXPECT_EQ(exporting::measure_store_mode, 0);
    EXPECT_FALSE(form().storeSwitch->isChecked());
    EXPECT_FALSE(exporting::export_fhdl.is_open());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].substr(0, 44), "Fehler beim Schreiben der Datei : /dev/full\n");
    tick();
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(Storing, ACancelledChoiceLeavesStoringOff) {
    on_next_dialog([](QWidget* dialog) {
        EXPECT_EQ(dialog->findChild<QListWidget*>("typeList")->count(), 4);
        click(dialog, "cancelButton");
    });
    form().storeSwitch->click();
    EXPECT_EQ(exporting::measure_store_mode, 0);
    EXPECT_FALSE(form().storeSwitch->isChecked());

    // A second opening lists every type once.
    on_next_dialog([](QWidget* dialog) {
        EXPECT_EQ(dialog->findChild<QListWidget*>("typeList")->count(), 4);
        click(dialog, "okButton");
    });
    wire.cancel_file();
    form().storeSwitch->click();
    EXPECT_EQ(exporting::measure_store_mode, 0);
    EXPECT_FALSE(form().storeSwitch->isChecked());
}

TEST_F(Storing, LeavingTheResistanceDisplayEndsStoring) {
    store_into("abweichung.csv");
    clear();
    rec::measurement_configuration.display_mode = 1;
    ui::UpdateMeasurePanel();
    EXPECT_EQ(exporting::measure_store_mode, 0);
    EXPECT_FALSE(form().storeSwitch->isChecked());
    EXPECT_FALSE(exporting::export_fhdl.is_open());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("Die Speicherung der Messwerte wurde beendet"), std::string::npos);
}

TEST_F(Storing, TheUserFormatIsEditedAsACopyAndCheckedBeforeItIsSaved) {
    exporting::ascii_exp.decimal_separator = '.';
    exporting::ascii_exp.column_separator = '\t';
    on_next_dialog([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>("extensionEdit")->setText(".tx");
        click(dialog, "okButton");  // refused, the panel stays
        dialog->findChild<QLineEdit*>("extensionEdit")->setText(".dat");
        dialog->findChild<QComboBox*>("decimalCombo")->setCurrentText(",");
        dialog->findChild<QComboBox*>("columnCombo")->setCurrentText(",");
        click(dialog, "okButton");  // refused: the separators are the same
        dialog->findChild<QComboBox*>("columnCombo")->setCurrentText(";");
        click(dialog, "okButton");
    });
    EXPECT_EQ(exporting::load_user_export_panel(nullptr), 1);
    EXPECT_EQ(messages(), (Lines{"Unzulässige Dateierweiterung.Beispiel : <.txt>",
                                 "Dezimal-Trenner und Spalten-Trenner müssen verschieden sein."}));
    std::ifstream in(project.file("format.for/user.for"));
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text,
              "65000 \t\t   Max Anzahl der Zeilen\n.dat        Datei Extension\n,         "
              "Dezimal Trenner\n;         SpaltenTrenner");
    // The format of a running export is the one it started with.
    EXPECT_EQ(exporting::ascii_exp.decimal_separator, '.');
    EXPECT_EQ(exporting::ascii_exp.column_separator, '\t');
}

// The statistics close a run's values only when the export panel was asked for them;
// otherwise the file is exactly the values.
TEST_F(Storing, TheStatisticsCloseARunInTheFileOnlyWhenAskedFor) {
    auto store_with_statistics = [&](const std::string& name, bool statistics) {
        on_next_dialog([statistics](QWidget* dialog) {
            auto* box = dialog->findChild<QCheckBox*>("statisticsSwitch");
            ASSERT_TRUE(box);
            EXPECT_FALSE(box->isChecked()) << "off until asked for";
            if (statistics) box->click();
            click(dialog, "okButton");
        });
        wire.answer_file(project.file("EXPORT/" + name));
        wire.answer_prompt("");
        form().storeSwitch->click();
    };
    store_with_statistics("ohne.csv", false);
    click_start();
    tick();
    tick();
    click_start();
    form().storeSwitch->click();
    EXPECT_EQ(file_lines("ohne.csv").size(), 4u + 2u);

    exporting::statistics_at_stop = 0;
    store_with_statistics("mit.csv", true);
    click_start();
    double sum = 0;
    for (int i = 0; i < 3; ++i) {
        tick();
        sum += std::stod(value_shown());
    }
    answer("FE?", "000");
    tick();
    click_start();
    auto lines = file_lines("mit.csv");
    ASSERT_EQ(lines.size(), 4u + 3u + 10u);
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "Statistik : ; Anzahl ; 3 ;");
    ASSERT_EQ(lines[9].substr(0, 15), "; Mittelwert ; ");
    std::string mean = lines[9].substr(15);
    std::replace(mean.begin(), mean.end(), ',', '.');
    EXPECT_NEAR(std::stod(mean), sum / 3, 1e-5);
    EXPECT_TRUE(lines[9].ends_with(" ; mOhm ;"));
    EXPECT_EQ(lines[15], "; Ref.Mess. ; 1 ;");
    EXPECT_EQ(lines[16], "; Fehler ; 0 ;");
}

}  // namespace
}  // namespace measure_test
