// The start-up as the operator meets it: with a Com.stp, without one, with an
// instrument that answers and with one that does not.
#include <QComboBox>
#include <algorithm>
#include <cstring>
#include <QSpinBox>
#include <filesystem>
#include <fstream>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "driver/zk7416.h"
#include "export/export_file.h"
#include "instrument/instrument_handle.h"
#include "files/project_dir.h"
#include "settings/records.h"
#include "sim/instrument.h"
#include "tests/app/app_fixture.h"

namespace app_test {
namespace {

namespace fs = std::filesystem;

class StartUp : public ProgramTest {
  protected:
    bool start(std::vector<std::string> args = {}) {
        args.insert(args.begin(), {"--home", home.string()});
        app::CommandLine cl;
        std::string error;
        EXPECT_TRUE(app::parse_command_line(args, cl, error)) << error;
        return program.start(cl, "", (home / "user").string());
    }
    void TearDown() override {
        program.shutdown();
        ProgramTest::TearDown();
    }

    std::string com_stp_bytes() const {
        std::ifstream in(home / "Com.stp", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    app::Program program;
};

TEST_F(StartUp, ConnectsIdentifiesStopsWaitsForIdleUploadsAndStopsThePrinter) {
    write_serial_com_stp();
    ASSERT_TRUE(start());
    auto log = wire();
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(log[0], "*IDN?");
    EXPECT_EQ(log[1], "AB");
    EXPECT_EQ(log[2], "STAT:OPER?");
    EXPECT_EQ(log.back(), "HCOP:ABOR");
    EXPECT_GT(log.size(), 100u) << "the whole settings upload lies between";

    EXPECT_STREQ(rec::device.ident_1, "TARVOLUX");
    EXPECT_EQ(rec::device.new_firmware, 1);
    EXPECT_EQ(rec::print.state, 0);
    EXPECT_EQ(files::curr_dir, home.string());
    EXPECT_TRUE(fs::is_directory(home / "EXPORT"));
    EXPECT_TRUE(fs::is_directory(home / "format.for")) << "the export formats are installed";
    ASSERT_NE(program.window(), nullptr);
    EXPECT_TRUE(program.window()->action("actionRs232")->isChecked());
    EXPECT_FALSE(program.window()->action("actionGpib")->isChecked());
    EXPECT_TRUE(popups.popups().empty());
}

TEST_F(StartUp, WithoutAnAnsweringInstrumentTheProgramRunsUnconnected) {
    write_gpib_com_stp(5);  // no GPIB library on this machine, or none at 5
    ::setenv("ZK7416_GPIB_LIBRARY", "/nonexistent/libgpib.so", 1);
    ASSERT_TRUE(start());
    ::unsetenv("ZK7416_GPIB_LIBRARY");
    auto errors = popups_titled("Fehler-Meldung :");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text,
              "Keine Verbindung zum Tarvolux Typ 7416.\nFehler evtl. bei den "
              "Schnittstelleneinstellungen ?\nDatenübertragungskabel OK ?");
    EXPECT_TRUE(wire().empty());
}

TEST_F(StartUp, FirstStartCancelledEndsWithoutEventLoopButCreatesExport) {
    popups.answer_three_button(3);
    EXPECT_FALSE(start());
    ASSERT_EQ(popups.popups().size(), 1u);
    const auto& question = popups.popups()[0];
    EXPECT_EQ(question.title, "Schnittstellen Einstellungen");
    EXPECT_EQ(question.text, "Bitte wählen Sie die Schnittstelle aus");
    EXPECT_EQ(question.buttons,
              (std::vector<std::string>{"Seriell (RS232)", "GPIB    (488.2)", "Abbrechen"}));
    EXPECT_EQ(question.focus, 1);
    EXPECT_EQ(question.enter_button, 0);
    EXPECT_EQ(question.escape_button, 3);
    EXPECT_TRUE(fs::is_directory(home / "EXPORT"));
    EXPECT_FALSE(fs::exists(home / "Com.stp"));
    EXPECT_EQ(program.window(), nullptr);
}

TEST_F(StartUp, FirstStartWithTheSerialDialogCancelledStillStarts) {
    popups.answer_three_button(1);
    on_next_dialog([](QWidget* dialog) { click(dialog, "cancelButton"); });
    EXPECT_TRUE(start());
    EXPECT_TRUE(wire().empty());
    EXPECT_FALSE(fs::exists(home / "Com.stp"));
    EXPECT_TRUE(fs::is_directory(home / "EXPORT"));
}

TEST_F(StartUp, FirstStartOverRs232ConnectsUploadsAndSavesComStp) {
    popups.answer_three_button(1);
    on_next_dialog([](QWidget* dialog) {
        dialog->findChild<QComboBox*>("portCombo")->setCurrentIndex(0);
        auto* baud = dialog->findChild<QComboBox*>("baudCombo");
        baud->setCurrentIndex(baud->findText("19200"));
        click(dialog, "okButton");
    });
    ASSERT_TRUE(start());
    EXPECT_EQ(rec::com.interface, 1);
    EXPECT_EQ(rec::com.com_port, 1);
    EXPECT_EQ(rec::com.baud_rate, 19200);
    std::string bytes = com_stp_bytes();
    ASSERT_EQ(bytes.size(), sizeof(rec::Com));
    EXPECT_EQ(std::memcmp(bytes.data(), &rec::com, sizeof rec::com), 0);
    auto log = wire();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "*IDN?");
    EXPECT_GT(log.size(), 100u) << "the dialog's success is followed by the upload";
    EXPECT_TRUE(program.window()->action("actionRs232")->isChecked());
}

TEST_F(StartUp, AFailedConnectionLeavesComStpAloneAndSaysSo) {
    write_serial_com_stp(9600);
    std::string before = com_stp_bytes();
    ASSERT_TRUE(start());
    popups.clear_records();
    // The operator picks COM2, where nothing answers.
    on_next_dialog([](QWidget* dialog) {
        dialog->findChild<QComboBox*>("portCombo")->setCurrentIndex(1);
        dialog->findChild<QComboBox*>("deviceCombo")->setCurrentText("/nonexistent/ttyX");
        click(dialog, "okButton");
    });
    program.window()->action("actionRs232")->trigger();
    EXPECT_EQ(com_stp_bytes(), before);
    auto errors = popups_titled("Fehler-Meldung :");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].text.find("Keine Verbindung zum Tarvolux Typ 7416."), std::string::npos);
    EXPECT_EQ(rec::com.interface, 1) << "the interface tried is kept in memory";
    EXPECT_TRUE(program.window()->action("actionRs232")->isChecked())
        << "the check marks keep their previous state";
    EXPECT_FALSE(program.window()->action("actionGpib")->isChecked());
}

TEST_F(StartUp, AConnectionWhoseSaveFailsKeepsTheDialogOpen) {
    write_serial_com_stp(9600);
    ASSERT_TRUE(start());
    popups.clear_records();
    // Com.stp cannot be replaced: a folder stands in its place.
    fs::remove(home / "Com.stp");
    fs::create_directory(home / "Com.stp");
    bool still_open = false;
    on_next_dialog([&](QWidget* dialog) {
        click(dialog, "okButton");
        still_open = dialog->isVisible();
        click(dialog, "cancelButton");
    });
    program.window()->action("actionRs232")->trigger();
    EXPECT_TRUE(still_open);
    auto errors = popups_titled("Fehler-Meldung :");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, "Kann Datei : Com.stp nicht öffnnen");
}

TEST_F(StartUp, ShutdownClosesAnOpenExportFileBeforeTheConnection) {
    write_serial_com_stp();
    ASSERT_TRUE(start());
    ASSERT_TRUE(exporting::export_fhdl.open((home / "EXPORT" / "run.txt").string()));
    exporting::measure_store_mode = 1;
    program.shutdown();
    EXPECT_FALSE(exporting::export_fhdl.is_open());
    EXPECT_EQ(exporting::measure_store_mode, 0);
    EXPECT_EQ(instrument::tarvolux > 0 ? zk7416_close(instrument::tarvolux) : -1,
              ZK7416_ERR_NOTHING_TO_CLOSE)
        << "the connection was closed by the shutdown";
}

}  // namespace
}  // namespace app_test

namespace app_test {
namespace {

class MenuWithInstrument : public StartUp {};

TEST_F(MenuWithInstrument, LoadingAConfigurationAsksBeforeSendingIt) {
    write_serial_com_stp();
    ASSERT_TRUE(start());
    std::string file = (home / "Config" / "a.cfg").string();
    popups.answer_file(file);
    program.window()->action("actionSaveConfig")->trigger();
    ASSERT_TRUE(fs::exists(file));
    rec::measurement_configuration.average_count = 77;
    clear_wire();

    popups.answer_file(file);
    popups.answer_question(false);
    program.window()->action("actionLoadConfig")->trigger();
    EXPECT_NE(rec::measurement_configuration.average_count, 77) << "the file's records are in";
    EXPECT_TRUE(wire().empty()) << "Nein sends nothing";
    auto questions = popups_titled("Frage :");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, "Wollen Sie die Konfiguration in das Gerät übertragen?");

    popups.answer_file(file);
    popups.answer_question(true);   // transfer
    popups.answer_question(false);  // but keep the instrument's datalogger
    program.window()->action("actionLoadConfig")->trigger();
    auto log = wire();
    EXPECT_NE(std::find(log.begin(), log.end(), "CALC:LIM:COUN 2"), log.end())
        << "Ja downloads the settings";
}

}  // namespace
}  // namespace app_test

namespace app_test {
namespace {

TEST_F(StartUp, AMeasuringInstrumentIsStoppedAndWaitedForBeforeTheUpload) {
    write_serial_com_stp();
    // The instrument reports itself measuring for three more polls after the stop.
    instrument->script_answer("STAT:OPER?", "16", 3);
    ASSERT_TRUE(start());
    auto log = wire();
    ASSERT_GE(log.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 6),
              (std::vector<std::string>{"*IDN?", "AB", "STAT:OPER?", "STAT:OPER?", "STAT:OPER?",
                                        "STAT:OPER?"}));
    EXPECT_NE(log[6], "STAT:OPER?") << "the upload follows the first idle answer";
    EXPECT_TRUE(popups.popups().empty());
}

TEST_F(StartUp, AnInstrumentThatNeverStopsMeasuringEndsTheWaitWithAMessage) {
    write_serial_com_stp();
    instrument->override_answer("STAT:OPER?", "16");
    program.set_idle_limit(0.2);
    ASSERT_TRUE(start());
    auto errors = popups_titled("Fehler-Meldung :");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text,
              "Der Tarvolux Typ 7416 meldet nach 0.2 Sekunden immer noch eine laufende "
              "Messung.\nBitte die Messung am Gerät beenden.");
    EXPECT_EQ(wire().back(), "HCOP:ABOR") << "the settings are read all the same";
}

TEST_F(StartUp, AnInstrumentThatStopsAnsweringSkipsTheUpload) {
    write_serial_com_stp();
    // From the stop on, every request for an answer is refused.
    instrument->set_command_listener([this](const std::string& line) {
        if (line == "AB") door->faults().arm(tarvolux::sim::SerialFault::EotResponse, 1000);
    });
    ASSERT_TRUE(start());
    auto errors = popups_titled("Fehler-Meldung :");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].text.find("Keine Antwort vom Tarvolux Typ 7416"), std::string::npos);
    EXPECT_EQ(wire(), (std::vector<std::string>{"*IDN?", "AB", "STAT:OPER?"}))
        << "no upload and no printer command on a dead line";
    instrument->set_command_listener({});
}

TEST_F(StartUp, ARefusedStopEndsTheStartUpWithOneMessageAndNothingMoreSent) {
    write_serial_com_stp();
    // The stop command is refused; the line would take any command after it.
    instrument->set_command_listener([this](const std::string& line) {
        if (line == "*IDN?") door->faults().arm(tarvolux::sim::SerialFault::NakCommand, 1);
    });
    ASSERT_TRUE(start());
    instrument->set_command_listener({});
    auto errors = popups_titled("Fehler-Meldung :");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text,
              "Keine Antwort vom Tarvolux Typ 7416 auf den Befehl zum Beenden der Messung "
              "(Fehler 300).\nDie Geräteeinstellungen wurden nicht gelesen.\n"
              "Datenübertragungskabel OK ?");
    EXPECT_EQ(wire(), std::vector<std::string>{"*IDN?"}) << "no status poll, no upload";
}

TEST_F(StartUp, ALineThatDiesDuringTheUploadGetsNoPrinterCommand) {
    write_serial_com_stp();
    // From this query of the upload on, every request for an answer is refused; command
    // blocks are still taken, so a command sent after the failure would show up.
    instrument->set_command_listener([this](const std::string& line) {
        if (line == "SENS:TCOM:TCO? 4")
            door->faults().arm(tarvolux::sim::SerialFault::EotResponse, 1000);
    });
    ASSERT_TRUE(start());
    instrument->set_command_listener({});
    auto errors = popups_titled("Fehler-Meldung :");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].text.find("Schritt: Temperaturkoeffizient 4"), std::string::npos)
        << errors[0].text;
    EXPECT_EQ(wire().back(), "SENS:TCOM:TCO? 4") << "nothing after the failed step";
    EXPECT_EQ(rec::print.state, 0);
}

}  // namespace
}  // namespace app_test
