#include "tests/e2e/phases.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include "export/export_file.h"
#include "measure/measure_cycle.h"
#include "measure/measure_panel.h"
#include "settings/records.h"
#include "settings/settings_files.h"
#include "tests/datalog/panel_helpers.h"
#include "tests/ui/modal_helpers.h"
#include "ui/qt/plot_widget.h"
#include "ui_measure_panel.h"

namespace e2e {

namespace sim = tarvolux::sim;
using namespace std::chrono;

namespace {

constexpr int READOUT_BLOCK = 3;
constexpr int STORED_VALUES = 45;
constexpr int VALUES_BEFORE_DEATH = 5;

std::string read_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

double seconds_between(SteadyClock::time_point from, SteadyClock::time_point to) {
    return duration<double>(to - from).count();
}

// The value rows of the read-out panel's list, fields joined by '|'.
std::vector<std::string> listed_rows(QDialog* panel) {
    auto* view = datalog_test::child<QTreeView>(panel, "valueList");
    QAbstractItemModel* model = view->model();
    std::vector<std::string> rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < model->columnCount(); ++column) {
            QVariant value = model->index(row, column).data();
            if (value.isValid()) fields << value.toString();
        }
        rows.push_back(fields.join('|').toStdString());
    }
    return rows;
}

void click(QWidget* parent, const char* name) {
    ui_test::click(parent, name);
}

// "12.345 mOhm" as the spreadsheet export writes the number: "12,345".
std::string exported_number(const std::string& shown) {
    std::string number = shown.substr(0, shown.find(' '));
    std::replace(number.begin(), number.end(), '.', ',');
    return number;
}

}  // namespace

const char* phase_name(Phase phase) {
    switch (phase) {
        case Phase::StartUp:
            return "StartUp";
        case Phase::Upload:
            return "Upload";
        case Phase::Download:
            return "Download";
        case Phase::Backup:
            return "Backup";
        case Phase::Restore:
            return "Restore";
        case Phase::Measuring:
            return "Measuring";
        case Phase::Readout:
            return "Readout";
        case Phase::MeasuringFetch:
            return "MeasuringFetch";
        case Phase::MeasuringAutoRange:
            return "MeasuringAutoRange";
        case Phase::MeasuringDatalogger:
            return "MeasuringDatalogger";
    }
    return "?";
}

bool measuring_phase(Phase phase) {
    return phase == Phase::Measuring || phase == Phase::MeasuringFetch ||
           phase == Phase::MeasuringAutoRange || phase == Phase::MeasuringDatalogger;
}

void PhaseRun::prepare(Phase phase) {
    std::filesystem::create_directories(file("Config"));
    switch (phase) {
        case Phase::StartUp:
            kept_bytes_ = read_bytes(file("Com.stp"));
            return;
        case Phase::Upload:
            ASSERT_TRUE(start_program());
            kept_bytes_ = read_bytes(file("Com.stp"));
            return;
        case Phase::Download:
            ASSERT_TRUE(start_program());
            popups.answer_file(file("Config/lauf.cfg"));
            choose("actionSaveConfig");
            kept_bytes_ = read_bytes(file("Config/lauf.cfg"));
            ASSERT_EQ(kept_bytes_.size(), settings::SET_SIZE);
            return;
        case Phase::Backup:
        case Phase::Restore: {
            ASSERT_TRUE(start_program());
            settings::BackupFileWriter writer;
            ASSERT_EQ(writer.open(file("Config/alle.bak").string()), 1);
            for (int i = 0; i < settings::BACKUP_SETS; ++i)
                ASSERT_EQ(writer.write_set(settings::capture_set()), 1);
            ASSERT_EQ(writer.commit(), 1);
            kept_bytes_ = read_bytes(file("Config/alle.bak"));
            return;
        }
        case Phase::Readout: {
            const sys_days day = 2024y / March / 15;
            line->instrument().modify([day](sim::InstrumentState& state) {
                state.datalogger.active = READOUT_BLOCK;
                sim::LogBlock& block = state.datalogger.blocks[READOUT_BLOCK];
                for (int k = 0; k < STORED_VALUES; ++k) {
                    sim::StoredValue value;
                    char text[32];
                    std::snprintf(text, sizeof text, "%.4fMOHM", 12.0 + k / 1000.0);
                    value.text = text;
                    value.ohms = (12.0 + k / 1000.0) / 1000.0;
                    value.stamp = day + hours(10) + seconds(k);
                    block.values.push_back(value);
                }
            });
            ASSERT_TRUE(start_program());
            rec::upload = {1, 0, 0, 1, STORED_VALUES};  // whole block, with date and time
            return;
        }
        case Phase::Measuring:
        case Phase::MeasuringFetch:
        case Phase::MeasuringAutoRange:
        case Phase::MeasuringDatalogger:
            line->instrument().modify([phase](sim::InstrumentState& state) {
                state.settings.measurement.auto_range = phase == Phase::MeasuringAutoRange;
                state.datalogger.on = phase == Phase::MeasuringDatalogger;
            });
            ASSERT_TRUE(start_program());
            open_measure_panel(phase);
            return;
    }
}

std::pair<std::string, int> PhaseRun::fatal_command(Phase phase) const {
    switch (phase) {
        case Phase::StartUp:
        case Phase::Upload:
            return {"SENS:TCOM:TCO? 4", 1};
        case Phase::Download:
            return {"DAT:FILT? 16", 1};
        case Phase::Backup:
            return {"CALC:LIM:REL?", 4};  // while reading memory 3
        case Phase::Restore:
            return {"DAT:SIZE?", 3};  // while writing memory 2
        case Phase::Measuring:
            return {"S:O:C?", 1};
        case Phase::MeasuringFetch:
            return {"FE?", 1};
        case Phase::MeasuringAutoRange:
            return {"SENSE:FRES:RANG?", 1};
        case Phase::MeasuringDatalogger:
            return {"DAT:STAT?", 1};
        case Phase::Readout:
            return {"DV? 3,15", 1};  // the third chunk of seven
    }
    return {};
}

std::string PhaseRun::message_start(Phase phase) {
    if (phase == Phase::MeasuringAutoRange)
        return "Keine Antwort vom Tarvolux Typ 7416.\nSchritt: Messbereich lesen\nFehler ";
    if (phase == Phase::MeasuringDatalogger)
        return "Keine Antwort vom Tarvolux Typ 7416.\nSchritt: Datalogger-Zustand lesen\nFehler ";
    if (measuring_phase(phase))
        return "Keine Antwort vom Tarvolux Typ 7416.\nSchritt: Messwert lesen\nFehler ";
    if (phase == Phase::Readout)
        return "Keine Antwort vom Tarvolux Typ 7416.\nSchritt: Datalogger auslesen, DV? 3,";
    return "Die Übertragung der Geräteeinstellungen wurde abgebrochen.\nSchritt: ";
}

ActionTimes PhaseRun::act(Phase phase) {
    ActionTimes times;
    switch (phase) {
        case Phase::StartUp:
            EXPECT_TRUE(start_program());
            break;
        case Phase::Upload:
            reconnect();
            break;
        case Phase::Download:
            popups.answer_file(file("Config/lauf.cfg"));
            popups.answer_question(true);   // send it
            popups.answer_question(false);  // but keep the instrument's datalogger
            choose("actionLoadConfig");
            break;
        case Phase::Backup:
            popups.answer_file(file("Config/alle.bak"));
            choose("actionMakeBackup");
            break;
        case Phase::Restore:
            popups.answer_three_button(1);
            popups.answer_file(file("Config/alle.bak"));
            popups.answer_question(false);
            choose("actionLoadBackup");
            break;
        case Phase::Readout:
            read_out(false);
            // The wait is the read itself; the export that follows is the operator's.
            times.end = read_end_;
            times.longest_callback = seconds_between(line->death_time(), times.end);
            return times;
        case Phase::Measuring:
        case Phase::MeasuringFetch:
        case Phase::MeasuringAutoRange:
        case Phase::MeasuringDatalogger:
            return tick_until_stopped();
    }
    times.end = SteadyClock::now();
    times.longest_callback = seconds_between(line->death_time(), times.end);
    return times;
}

void PhaseRun::open_measure_panel(Phase phase) {
    choose("actionMeasurePanel");
    panel_ = measure::measure_panel();
    ASSERT_NE(panel_, nullptr);
    // The test ticks by hand, as the timer would, to see every value shown.
    panel_->measurement_timer().stop();
    Ui::MeasurePanel& form = panel_->form();
    form.graphSwitch->click();
    ui_test::on_next_dialog([](QWidget* dialog) {
        dialog->findChild<QListWidget*>("typeList")->setCurrentRow(0);
        click(dialog, "okButton");
    });
    popups.answer_file(file("EXPORT/lauf.csv"));
    popups.answer_prompt("Lauf 1");
    form.storeSwitch->click();
    ASSERT_EQ(exporting::measure_store_mode, 1);
    ASSERT_EQ(measure::graphic_ctrl_loaded, 1);
    ASSERT_EQ(rec::measurement_configuration.range == 0, phase == Phase::MeasuringAutoRange);
    ASSERT_EQ(rec::datalog.state == 1, phase == Phase::MeasuringDatalogger);
    form.startButton->click();
    ASSERT_EQ(measure::measuring, 1);
    for (int i = 0; i < VALUES_BEFORE_DEATH; ++i) tick_until_value();
    ASSERT_EQ(shown_.size(), static_cast<std::size_t>(VALUES_BEFORE_DEATH));
}

void PhaseRun::tick_until_value() {
    const std::int64_t before = panel_->form().plot->last_x();
    for (int i = 0; i < 20 && panel_->form().plot->last_x() == before; ++i)
        measure::CB_TimerInterrupt(*panel_);
    ASSERT_GT(panel_->form().plot->last_x(), before) << "no value came";
    shown_.push_back(panel_->form().valueDisplay->text().toStdString());
}

ActionTimes PhaseRun::tick_until_stopped() {
    ActionTimes times;
    const auto give_up = SteadyClock::now() + seconds(10);
    while (measure::measuring == 1 && SteadyClock::now() < give_up) {
        const std::int64_t before = panel_->form().plot->last_x();
        const auto start = SteadyClock::now();
        measure::CB_TimerInterrupt(*panel_);
        times.longest_callback =
            std::max(times.longest_callback, seconds_between(start, SteadyClock::now()));
        if (panel_->form().plot->last_x() > before)
            shown_.push_back(panel_->form().valueDisplay->text().toStdString());
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(milliseconds(10));
    }
    times.end = SteadyClock::now();
    return times;
}

void PhaseRun::read_out(bool expect_complete) {
    const std::filesystem::path exported =
        file(expect_complete ? "EXPORT/block3_neu.csv" : "EXPORT/block3.csv");
    bool shown = datalog_test::within_dialog(
        "ReadoutDialog",
        [this] {
            choose("actionDataloggerReadout");
            return 0;
        },
        [&](QDialog* panel) {
            click(panel, "readButton");
            read_end_ = SteadyClock::now();
            listed_ = listed_rows(panel);
            if (listed_.empty()) return;
            popups.answer_file(exported.string());
            popups.answer_prompt("Block 3");
            datalog_test::when_shown("AsciiExportDialog", [](QDialog* types) {
                datalog_test::child<QListWidget>(types, "typeList")->setCurrentRow(0);
                click(types, "okButton");
            });
            click(panel, "exportButton");
        });
    EXPECT_TRUE(shown);
    if (expect_complete) {
        EXPECT_EQ(listed_.size(), static_cast<std::size_t>(STORED_VALUES));
    }
}

std::vector<std::string> PhaseRun::export_value_lines(const std::filesystem::path& path) const {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> values;
    bool header_done = false;
    for (std::string line; std::getline(in, line);) {
        if (header_done) {
            values.push_back(line);
        } else if (line.rfind("Uhrzeit ;", 0) == 0 || line.rfind("Z\xE4hler ;", 0) == 0) {
            header_done = true;  // the column titles end the header
        }
    }
    return values;
}

std::string PhaseRun::check_files(Phase phase) {
    switch (phase) {
        case Phase::StartUp:
        case Phase::Upload:
            EXPECT_EQ(read_bytes(file("Com.stp")), kept_bytes_);
            return "Com.stp unchanged";
        case Phase::Download:
            EXPECT_EQ(read_bytes(file("Config/lauf.cfg")), kept_bytes_);
            return "lauf.cfg unchanged";
        case Phase::Backup: {
            EXPECT_EQ(read_bytes(file("Config/alle.bak")), kept_bytes_);
            std::vector<std::string> names;
            for (const auto& entry : std::filesystem::directory_iterator(file("Config")))
                names.push_back(entry.path().filename().string());
            EXPECT_EQ(names, std::vector<std::string>{"alle.bak"}) << "no temporary file stays";
            return "previous alle.bak intact, no temporary file";
        }
        case Phase::Restore:
            EXPECT_EQ(read_bytes(file("Config/alle.bak")), kept_bytes_);
            return "alle.bak unchanged";
        case Phase::Readout: {
            std::vector<std::string> lines = export_value_lines(file("EXPORT/block3.csv"));
            EXPECT_EQ(lines.size(), listed_.size());
            for (std::size_t k = 0; k < std::min(lines.size(), listed_.size()); ++k) {
                std::string listed = listed_[k];
                std::string number = std::to_string(k + 1) + " ; " +
                                     exported_number(listed.substr(listed.find('|') + 1));
                EXPECT_EQ(lines[k].rfind(number, 0), 0u) << lines[k] << " / " << listed;
            }
            return "export holds the " + std::to_string(listed_.size()) + " values listed";
        }
        case Phase::Measuring:
        case Phase::MeasuringFetch:
        case Phase::MeasuringAutoRange:
        case Phase::MeasuringDatalogger: {
            // Every line written is on disk at once; storing may still be on.
            std::vector<std::string> lines = export_value_lines(file("EXPORT/lauf.csv"));
            EXPECT_EQ(lines.size(), shown_.size());
            for (std::size_t k = 0; k < std::min(lines.size(), shown_.size()); ++k)
                EXPECT_NE(lines[k].find(" ; " + exported_number(shown_[k]) + " ; "),
                          std::string::npos)
                    << lines[k] << " / " << shown_[k];
            return "export holds the " + std::to_string(shown_.size()) + " values shown";
        }
    }
    return {};
}

void PhaseRun::act_again(Phase phase) {
    const std::size_t mark = popup_mark();
    line->instrument().clear_logs();
    switch (phase) {
        case Phase::StartUp:
        case Phase::Upload:
            break;  // the reconnection read all settings
        case Phase::Download:
            act(Phase::Download);
            EXPECT_GT(line->instrument().command_log().size(), 250u);
            break;
        case Phase::Backup:
            popups.answer_file(file("Config/alle.bak"));
            choose("actionMakeBackup");
            EXPECT_EQ(std::filesystem::file_size(file("Config/alle.bak")), settings::BACKUP_SIZE);
            break;
        case Phase::Restore: {
            act(Phase::Restore);
            auto log = line->instrument().command_log();
            EXPECT_NE(std::find(log.begin(), log.end(), "*SAV 31"), log.end());
            break;
        }
        case Phase::Readout:
            read_out(true);
            break;
        case Phase::Measuring:
        case Phase::MeasuringFetch:
        case Phase::MeasuringAutoRange:
        case Phase::MeasuringDatalogger: {
            Ui::MeasurePanel& form = panel_->form();
            form.startButton->click();
            ASSERT_EQ(measure::measuring, 1);
            tick_until_value();
            form.startButton->click();
            EXPECT_EQ(measure::measuring, 0);
            form.storeSwitch->click();
            EXPECT_FALSE(exporting::export_fhdl.is_open());
            check_files(phase);
            break;
        }
    }
    EXPECT_TRUE(messages_since(mark).empty()) << messages_since(mark).front().text;
}

}  // namespace e2e
