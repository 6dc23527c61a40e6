// The read-out panel, its graph and its export, offscreen, against the simulated
// instrument.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeView>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "datalog/graph_statistics.h"
#include "ui/qt/record_controls.h"
#include "datalog/readout_panel.h"
#include "export/ascii_exp.h"
#include "export/format_install.h"
#include "text/latin1.h"
#include "files/project_dir.h"
#include "instrument/readout_buffers.h"
#include "settings/records.h"
#include "tests/datalog/datalog_fixture.h"
#include "tests/datalog/panel_helpers.h"
#include "ui/qt/histogram_widget.h"
#include "ui/qt/plot_widget.h"

namespace datalog_test {
namespace {

class ReadoutPanelTest : public DataloggerTest {
  protected:
    void SetUp() override {
        DataloggerTest::SetUp();
        rec::datalog.active_block = 3;
        rec::datalog.block_size[3] = 500;
        name_block(3, "Ofen_3");
        store_values(3, 45);
        rec::upload = {1, 0, 1, 1, 1};  // the whole block, with date and statistics
        wire.clear();
    }

    // Opens the panel, runs `steps` in it and closes it with its close button.
    void with_panel(const std::function<void(QDialog*)>& steps) {
        EXPECT_TRUE(within_dialog(
            "ReadoutDialog", [] { return datalog::upload_menue(); }, steps));
        // Closing gives the values back.
        EXPECT_FALSE(instrument::dl_readout.dl_buffers_allocated());
    }

    static bool enabled(QDialog* panel, const char* name) {
        return child<QWidget>(panel, name)->isEnabled();
    }
    static QStringList lines(QDialog* panel) {
        auto* view = child<QTreeView>(panel, "valueList");
        QStringList result;
        QAbstractItemModel* model = view->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList fields;
            for (int column = 0; column < model->columnCount(); ++column) {
                QVariant value = model->index(row, column).data();
                if (value.isValid()) fields << value.toString();
            }
            result << fields.join('|');
        }
        return result;
    }
    static void choose_block(QDialog* panel, int block) {
        auto* selector = child<QComboBox>(panel, "blockSelector");
        selector->setCurrentIndex(block);
    }
    static void click(QDialog* panel, const char* name) {
        child<QPushButton>(panel, name)->click();
    }
};

TEST_F(ReadoutPanelTest, ReadsTheBlockListsItAndOffersGraphAndExportForIt) {
    with_panel([&](QDialog* panel) {
        expect_named_controls(panel);
        EXPECT_EQ(events(), Lines{"DAT:COUNT? 3"});
        EXPECT_EQ(child<QLineEdit>(panel, "fillText")->text(), "500(45)");
        EXPECT_EQ(child<QComboBox>(panel, "blockSelector")->currentText(), "3, Ofen_3");
        EXPECT_FALSE(enabled(panel, "graphButton"));
        EXPECT_FALSE(enabled(panel, "exportButton"));
        EXPECT_TRUE(enabled(panel, "readButton"));
        EXPECT_TRUE(child<QWidget>(panel, "fromSpin")->isHidden());
        EXPECT_TRUE(child<QWidget>(panel, "progressBar")->isHidden());

        wire.clear();
        click(panel, "readButton");
        EXPECT_EQ(events().size(), 5u + 2 * 6 + 2 * 3);
        QStringList listed = lines(panel);
        ASSERT_EQ(listed.size(), 4 + 45);
        EXPECT_EQ(listed[0], "Statistik Minimum   12.000 mOhm");
        EXPECT_EQ(listed[2].left(24), "Statistik Mittelwert   1");
        EXPECT_EQ(listed[4], "1|12.0000 mOhm|15.03.2024|10:00:00:00");
        EXPECT_EQ(listed[48], "45|12.0440 mOhm|15.03.2024|10:00:44:44");
        EXPECT_TRUE(enabled(panel, "graphButton"));
        EXPECT_TRUE(enabled(panel, "exportButton"));
        EXPECT_TRUE(child<QWidget>(panel, "progressBar")->isHidden());
        EXPECT_TRUE(wire.popups().empty());

        // Another block: what was read belongs to block 3 and is offered no more.
        wire.clear();
        choose_block(panel, 5);
        EXPECT_EQ(events(), (Lines{"DAT:SEL:BLOC 5", "pause 0.05", "DAT:COUNT? 5"}));
        EXPECT_EQ(rec::datalog.active_block, 5);
        EXPECT_FALSE(enabled(panel, "graphButton"));
        EXPECT_FALSE(enabled(panel, "exportButton"));
        EXPECT_FALSE(enabled(panel, "readButton"));  // block 5 is empty
    });
}

TEST_F(ReadoutPanelTest, ARangeEndingBeforeItStartsIsRefused) {
    rec::upload = {0, 1, 0, 1, 1};
    with_panel([&](QDialog* panel) {
        auto* from = child<QSpinBox>(panel, "fromSpin");
        auto* to = child<QSpinBox>(panel, "toSpin");
        EXPECT_FALSE(from->isHidden());
        EXPECT_EQ(to->maximum(), 45);
        ui::set_number(from, 10);
        to->setValue(5);
        wire.clear();
        click(panel, "readButton");
        EXPECT_TRUE(events().empty());
        const Lines refused(2, "Auswahl nicht zulässig \n'von' muss keiner sein als 'bis'");
        EXPECT_EQ(messages(), refused);
        EXPECT_FALSE(enabled(panel, "graphButton"));

        ui::set_number(to, 44);
        from->setValue(5);
        EXPECT_EQ(rec::upload.first_index, 5);
        EXPECT_EQ(rec::upload.last_index, 44);
        click(panel, "readButton");
        EXPECT_EQ(events(), requests("DA? %d,%d", 3, {5, 25}));
        EXPECT_EQ(lines(panel).first(), "5|12.0040 mOhm");
    });
}

TEST_F(ReadoutPanelTest, AbbrechenKeepsTheValuesReadSoFar) {
    store_values(3, 60);
    rec::upload = {1, 1, 0, 1, 1};
    with_panel([&](QDialog* panel) {
        // The operator presses "Abbrechen" once the second chunk is in.
        poll_until([&] {
            auto log = sim->instrument().command_log();
            if (std::count_if(log.begin(), log.end(),
                              [](const std::string& l) { return l.rfind("DA?", 0) == 0; }) < 2)
                return false;
            EXPECT_FALSE(child<QWidget>(panel, "progressBar")->isHidden());
            EXPECT_FALSE(enabled(panel, "readButton"));
            click(panel, "cancelButton");
            return true;
        });
        wire.clear();
        click(panel, "readButton");
        EXPECT_EQ(events(), requests("DA? %d,%d", 3, {1, 21}));
        EXPECT_EQ(messages(),
                  Lines{"Das Auslesen wurde abgebrochen.\n\nEs wurden 40 von 105 Werten gelesen."});
        EXPECT_EQ(lines(panel).size(), 40);
        EXPECT_TRUE(enabled(panel, "graphButton"));
        EXPECT_TRUE(enabled(panel, "readButton"));
        EXPECT_TRUE(child<QWidget>(panel, "cancelButton")->isHidden());
    });
}

TEST_F(ReadoutPanelTest, TheGraphDrawsTheValuesAndTheLinesOfTheirStatistics) {
    with_panel([&](QDialog* panel) {
        click(panel, "readButton");
        // Switching the statistics off after reading changes nothing on the graph.
        child<QCheckBox>(panel, "statisticsSwitch")->click();
        when_shown("DataloggerGraphDialog", [&](QDialog* graph) {
            expect_named_controls(graph);
            auto* plot = child<ui::PlotWidget>(graph, "plot");
            EXPECT_EQ(plot->point_count(), 45u);
            EXPECT_NEAR(plot->trace_values(0).back(), 0.012044, 1e-8);
            ASSERT_EQ(plot->lines().size(), 3u);
            EXPECT_EQ(plot->lines()[0].caption, "Minimum");
            EXPECT_EQ(plot->lines()[1].caption, "Maximum");
            EXPECT_EQ(plot->lines()[2].caption, "Mittelwert");
            EXPECT_NEAR(plot->lines()[1].y, 0.012044, 1e-7);
            EXPECT_EQ(plot->lines()[0].color, QColor(Qt::red));
            EXPECT_EQ(plot->lines()[2].color, QColor(Qt::magenta));

            wire.answer_prompt("Charge 7");
            click(graph, "commentButton");
            EXPECT_EQ(plot->title(), "Charge 7");
            wire.answer_prompt("");
            click(graph, "commentButton");
            EXPECT_EQ(plot->title(), "");
            EXPECT_EQ(wire.popups().back().title, "Eingabe Kommentar");
            click(graph, "closeButton");
        });
        click(panel, "graphButton");

        // Read again without statistics: the curve alone.
        click(panel, "readButton");
        when_shown("DataloggerGraphDialog", [&](QDialog* graph) {
            EXPECT_TRUE(child<ui::PlotWidget>(graph, "plot")->lines().empty());
            click(graph, "closeButton");
        });
        click(panel, "graphButton");
    });
}

// Beside the instrument's four figures the program's own, agreeing within a step of the
// values; a histogram of the block; the values shown copied with their numbers.
TEST_F(ReadoutPanelTest, TheGraphShowsTheProgramsFiguresBesideTheInstrumentsAndCopiesItsValues) {
    use_project_folder();
    exporting::ascii_exp = {};  // no export yet: the first type's format
    with_panel([&](QDialog* panel) {
        click(panel, "readButton");
        when_shown("DataloggerGraphDialog", [&](QDialog* graph) {
            auto* pane = child<QWidget>(graph, "statisticsPane");
            EXPECT_FALSE(pane->isVisibleTo(graph));
            EXPECT_EQ(graph->focusWidget(), child<QWidget>(graph, "printButton"));
            child<QCheckBox>(graph, "statisticsSwitch")->click();
            EXPECT_TRUE(pane->isVisibleTo(graph));

            const datalog::ReadoutFigures figures = datalog::readout_figures();
            ASSERT_EQ(figures.values.count(), 45u);
            const double step = 1e-6;  // the values' last digit
            EXPECT_NEAR(*figures.values.minimum(), instrument::dblmin, step);
            EXPECT_NEAR(*figures.values.maximum(), instrument::dblmax, step);
            EXPECT_NEAR(*figures.values.mean(), instrument::dblavg, step);
            EXPECT_NEAR(*figures.values.deviation(), instrument::dbldev, step);
            std::uint64_t counted = 0;
            for (const auto& bar : child<ui::HistogramWidget>(graph, "histogram")->bars())
                counted += bar.count;
            EXPECT_EQ(counted, 45u);

            auto* plot = child<ui::PlotWidget>(graph, "plot");
            plot->zoom_to(ui::PlotWidget::Range{10, 12}, std::nullopt);
            click(graph, "copyValuesButton");
            EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
                      "Nr. ; Datum Uhrzeit ; Wert ; Einheit ;\n"
                      "11 ; 15.03.2024 10:00:10:10 ; 12,0100 ; mOhm ;\n"
                      "12 ; 15.03.2024 10:00:11:11 ; 12,0110 ; mOhm ;\n"
                      "13 ; 15.03.2024 10:00:12:12 ; 12,0120 ; mOhm ;\n");
            plot->set_cursor(10);
            EXPECT_EQ(plot->cursor_lines(),
                      (QStringList{"Nr. 11", "15.03.2024 10:00:10:10", "12.0100 mOhm"}));
            click(graph, "closeButton");
        });
        click(panel, "graphButton");
    });
}

TEST_F(ReadoutPanelTest, ABlockWithOverloadsOnlyShowsGeloeschtAndDrawsNoLines) {
    rec::datalog.active_block = 4;
    store_values(4, 3, true);
    with_panel([&](QDialog* panel) {
        click(panel, "readButton");
        QStringList listed = lines(panel);
        ASSERT_EQ(listed.size(), 7);
        EXPECT_EQ(listed[0], "Statistik Minimum   Gelöscht");
        EXPECT_EQ(listed[4], "1|>>>|15.03.2024|10:00:00:00");
        when_shown("DataloggerGraphDialog", [&](QDialog* graph) {
            EXPECT_TRUE(child<ui::PlotWidget>(graph, "plot")->lines().empty());
            click(graph, "closeButton");
        });
        click(panel, "graphButton");
    });
}

TEST_F(ReadoutPanelTest, TheExportIsLabelledWithWhatWasRead) {
    use_project_folder();
    rec::upload = {0, 0, 1, 1, 10};
    std::string path = files::join_path(files::curr_dir, "EXPORT", "block3.csv");
    with_panel([&](QDialog* panel) {
        click(panel, "readButton");
        // Switches changed after reading do not relabel what was read.
        child<QCheckBox>(panel, "valuesOnlySwitch")->click();
        child<QCheckBox>(panel, "statisticsSwitch")->click();
        child<QCheckBox>(panel, "readAllSwitch")->click();
        wire.answer_file(path);
        wire.answer_prompt("Charge 7");
        when_shown("AsciiExportDialog", [&](QDialog* types) {
            child<QListWidget>(types, "typeList")->setCurrentRow(0);  // Tabellenkalkulation
            click(types, "okButton");
        });
        click(panel, "exportButton");
    });
    std::ifstream in(path, std::ios::binary);
    std::string file = text::latin1_to_utf8(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    EXPECT_NE(file.find("Datalogger: ; 3, Ofen_3 ;\nStatistik : ; Minimum ; 12,000 mOhm ;\n"),
              std::string::npos)
        << file;
    EXPECT_NE(file.find("Kommentar : ; Charge 7 ;\n\nZähler ; Wert ; Einheit ; Datum ; Uhrzeit ;\n"
                        "1 ; 12,0000 ; mOhm ; 15.03.2024 ; 10:00:00:00 ;\n"),
              std::string::npos)
        << file;
    EXPECT_NE(file.find("\n10 ; 12,0090 ; mOhm ; 15.03.2024 ; 10:00:09:09 ;\n"), std::string::npos);
    EXPECT_EQ(file.find("\n11 ;"), std::string::npos);
}

TEST_F(ReadoutPanelTest, AnActiveBlockOutOfRangeOffersNothingToRead) {
    rec::datalog.active_block = 99;
    with_panel([&](QDialog* panel) {
        EXPECT_TRUE(events().empty());
        EXPECT_EQ(child<QComboBox>(panel, "blockSelector")->currentIndex(), -1);
        EXPECT_FALSE(enabled(panel, "readButton"));
        EXPECT_EQ(child<QLineEdit>(panel, "fillText")->text(), "");
        choose_block(panel, 3);
        EXPECT_EQ(events().front(), "DAT:SEL:BLOC 3");
        EXPECT_TRUE(enabled(panel, "readButton"));
    });
}

}  // namespace
}  // namespace datalog_test
