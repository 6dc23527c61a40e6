// ohm7416ctl against the simulated instrument: every command sends what the program
// sends for the same choices and writes the same files; every failure ends with a
// status other than 0 and one message.
#include <algorithm>
#include <filesystem>
#include <sstream>

#include "ctl/ctl.h"

#include "settings/settings_files.h"
#include "settings/instrument_connection.h"
#include "settings/records.h"
#include "settings/settings_file_ops.h"
#include "text/text_field.h"
#include "tests/ctl/ctl_fixture.h"

namespace ctl_test {
namespace {

// Two settings groups away from the simulator's defaults, so a file or a transfer that
// lost them would show.
void configure(Bench& bench) {
    for (const char* line : {"sens:aver:coun 7", "CALC:LIM:COUN 4", "DAT:STATE:DEF Linie3,2",
                             "mem:stat:def Schicht,5"})
        bench.instrument().execute(line);
}

// A configuration the program has saved, with the averaging count changed to 12.
std::string configuration_file(const std::string& path) {
    settings::apply_set(settings::SetImage{});
    rec::measurement_configuration.average_count = 12;
    text::copy_text(rec::datalog.block_name[4], "Vorrat");
    rec::compare.limit_count = 2;
    EXPECT_EQ(settings::write_configuration_file(path), 1);
    return path;
}

using CtlCommands = CtlTest;

TEST_P(CtlCommands, InfoIdentifiesWithoutDisturbingTheInstrument) {
    CtlResult result = ctl({"info"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find("Hersteller:          TARVOLUX\n"), std::string::npos);
    EXPECT_NE(result.out.find("Firmware:            V0499-2.31\n"), std::string::npos);
    EXPECT_NE(result.out.find("Firmware-Generation: neu"), std::string::npos);

    // What the program sends to connect, up to where its start-up stops the instrument.
    std::vector<std::string> start = program(nullptr, {});
    auto stop = std::find(start.begin(), start.end(), "AB");
    ASSERT_NE(stop, start.end());
    EXPECT_EQ(result.wire, std::vector<std::string>(start.begin(), stop));
}

TEST_P(CtlCommands, SaveConfigSendsAndWritesWhatTheProgramDoes) {
    CtlResult result = ctl({"save-config", file("ctl.cfg")}, configure);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");

    std::vector<std::string> wire = program(
        "actionSaveConfig", [&](ui::ScriptedBackend& b) { b.answer_file(file("program.cfg")); },
        configure);
    EXPECT_EQ(result.wire, wire);
    std::string saved = read_bytes(file("ctl.cfg"));
    EXPECT_EQ(saved.size(), 3900u);
    EXPECT_EQ(saved, read_bytes(file("program.cfg")));
}

TEST_P(CtlCommands, LoadConfigSendsWhatTheProgramSendsAfterJa) {
    std::string path = configuration_file(file("linie.cfg"));
    for (bool datalogger : {false, true}) {
        std::vector<std::string> args{"load-config", path};
        if (datalogger) args.push_back("--datalogger");
        CtlResult result = ctl(args, configure);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");

        std::vector<std::string> wire = program(
            "actionLoadConfig",
            [&](ui::ScriptedBackend& b) {
                b.answer_file(path);
                b.answer_question(true);  // transfer
                b.answer_question(datalogger);
            },
            configure);
        EXPECT_EQ(result.wire, wire) << "datalogger " << datalogger;
        EXPECT_NE(std::find(wire.begin(), wire.end(), "sens:aver:coun 12"), wire.end());
        EXPECT_EQ(std::count(wire.begin(), wire.end(), "DAT:CLEAR 4"), datalogger ? 1 : 0);
    }
}

CTL_THROUGH_BOTH_DOORS(CtlCommands);

// The 32 memories: through GPIB only, the door that carries them fastest.
class CtlBackup : public CtlTest {};

TEST_P(CtlBackup, BackupAndRestoreMatchTheProgram) {
    auto memories = [](Bench& bench) {
        configure(bench);
        for (int i = 0; i < 32; ++i) {
            bench.instrument().execute("sens:aver:coun " + std::to_string(i + 1));
            bench.instrument().execute("*SAV " + std::to_string(i));
        }
    };
    CtlResult backup = ctl({"backup", file("ctl.bak")}, memories);
    ASSERT_EQ(backup.status, 0) << backup.err;
    EXPECT_EQ(backup.err, "");
    std::vector<std::string> wire = program(
        "actionMakeBackup", [&](ui::ScriptedBackend& b) { b.answer_file(file("program.bak")); },
        memories);
    EXPECT_EQ(backup.wire, wire);
    ASSERT_EQ(read_bytes(file("ctl.bak")).size(), 124800u);
    EXPECT_EQ(read_bytes(file("ctl.bak")), read_bytes(file("program.bak")));

    CtlResult restore = ctl({"restore", file("ctl.bak"), "--datalogger"});
    ASSERT_EQ(restore.status, 0) << restore.err;
    EXPECT_EQ(restore.err, "");
    wire = program("actionLoadBackup", [&](ui::ScriptedBackend& b) {
        b.answer_three_button(1);
        b.answer_file(file("ctl.bak"));
        b.answer_question(true);
    });
    EXPECT_EQ(restore.wire, wire);
    EXPECT_NE(std::find(wire.begin(), wire.end(), "*SAV 31"), wire.end());
    EXPECT_NE(std::find(wire.begin(), wire.end(), "DAT:CLEAR 31"), wire.end());
}

// Through GPIB, whose time-outs the simulation shortens.
TEST_P(CtlBackup, AnInstrumentThatFallsSilentEndsTheBackupWithOneMessage) {
    CtlResult result =
        ctl({"backup", file("halb.bak")}, [](Bench& bench) { bench.fall_silent_at("*RCL 3"); });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.error_messages(), 1u) << result.err;
    EXPECT_NE(result.err.find("Die Übertragung der Geräteeinstellungen wurde abgebrochen."),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file("halb.bak")));
}

INSTANTIATE_TEST_SUITE_P(Gpib, CtlBackup, ::testing::Values(Transport::Gpib),
                         ::driver_test::transport_name);

using CtlFailures = CtlTest;

TEST_P(CtlFailures, RefusedFilesSendNothing) {
    write_bytes(file("kurz.cfg"), std::string(3899, '\0'));
    write_bytes(file("kurz.bak"), std::string(3900 * 31, '\0'));
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    for (const Case& c : std::vector<Case>{
             {{"load-config", file("kurz.cfg")}, "ist keine vollständige Konfigurationsdatei"},
             {{"restore", file("kurz.bak"), "--datalogger"}, "ist keine vollständige Backup-Datei"},
             {{"load-config", file("fehlt.cfg")},
              "Kann Datei : " + file("fehlt.cfg") + " nicht öffnnen"},
             {{"restore", file("fehlt.bak")},
              "Kann Datei : " + file("fehlt.bak") + " nicht öffnnen"},
         }) {
        CtlResult result = ctl(c.args);
        EXPECT_EQ(result.status, 1) << c.args[0];
        EXPECT_EQ(result.error_messages(), 1u) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_TRUE(result.wire.empty()) << c.args[0] << " sent " << result.wire.front();
    }
}

TEST_P(CtlFailures, AFileThatCannotBeWrittenIsOneMessage) {
    CtlResult result = ctl({"save-config", file("fehlt/neu.cfg")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.error_messages(), 1u) << result.err;
    EXPECT_NE(result.err.find("Kann Datei : " + file("fehlt/neu.cfg") + " nicht öffnnen"),
              std::string::npos)
        << result.err;
}

TEST_P(CtlFailures, NoConnectionAndNoInterfaceAreOneMessageEach) {
    std::ostringstream out, err;
    ctl::Environment environment{out, err, "", folder.file("user"), false, false};
    EXPECT_EQ(ctl::run({"--home", home.string(), "info"}, environment), 1);
    EXPECT_EQ(err.str().rfind("Fehler-Meldung : Keine Schnittstelle eingestellt: ", 0), 0u)
        << err.str();

    ::setenv("ZK7416_COM4", "/nonexistent/tty", 1);
    std::ostringstream err4;
    ctl::Environment four{out, err4, "", folder.file("user"), false, false};
    EXPECT_EQ(
        ctl::run({"--home", home.string(), "--port", "4", "save-config", file("x.cfg")}, four), 1);
    ::unsetenv("ZK7416_COM4");
    EXPECT_EQ(err4.str(), std::string("Fehler-Meldung : ") + settings::NO_CONNECTION_TEXT + "\n");
    EXPECT_FALSE(std::filesystem::exists(file("x.cfg")));
}

CTL_THROUGH_BOTH_DOORS(CtlFailures);

TEST(CtlCommandLine, MistakesAreUsageErrorsThatSendNothing) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"--simulate", "info", "--farbe"},
             {"--simulate", "wecken"},
             {"--simulate", "save-config"},
             {"--simulate", "save-config", "a.cfg", "b.cfg"},
             {"--simulate", "--gpib", "7", "info"},
             {"--simulate=usb", "info"},
             {"--port", "eins", "info"},
             {"--simulate", "info", "--datalogger"},
             {"--simulate", "measure"},
             {"--simulate", "measure", "0"},
             {"--simulate", "measure", "drei"},
             {"--simulate", "measure", "3", "--format", "tabelle.for"},
             {"--simulate", "measure", "3", "--comment", "ohne Datei"},
             {"--simulate", "measure", "3", "--export", ""},
             {"--simulate", "measure", "3", "--timeout", "0"},
         }) {
        std::ostringstream out, err;
        ctl::Environment environment{out, err, "", "", false, false};
        EXPECT_EQ(ctl::run(args, environment), 2) << ::testing::PrintToString(args);
        const std::string message = err.str();
        EXPECT_EQ(message.rfind("ohm7416ctl: ", 0), 0u) << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
        EXPECT_EQ(out.str(), "");
    }
}

TEST(CtlCommandLine, HelpStatesEveryCommandAndTheDefaultOfEveryQuestion) {
    std::ostringstream out, err;
    ctl::Environment environment{out, err, "", "", false, false};
    EXPECT_EQ(ctl::run({"--help"}, environment), 0);
    // The help is wrapped to the terminal: read it as one line.
    std::string help;
    std::istringstream words(out.str());
    for (std::string word; words >> word;) help += word + ' ';
    for (const char* text :
         {"info", "save-config DATEI", "load-config DATEI", "backup DATEI", "restore DATEI",
          "--datalogger", "Vorgabe: nicht übertragen", "measure N", "Einzelmessung",
          "--export DATEI", "--format NAME", "Vorgabe: der erste Typ der Liste", "--comment TEXT",
          "Vorgabe: leer", "--timeout SEKUNDEN", "Vorgabe: 30"})
        EXPECT_NE(help.find(text), std::string::npos) << text;

    std::ostringstream one;
    ctl::Environment command{one, err, "", "", false, false};
    EXPECT_EQ(ctl::run({"restore", "--help"}, command), 0);
    EXPECT_EQ(
        one.str().rfind("Aufruf: ohm7416ctl [Schnittstelle] [--home VERZEICHNIS] restore DATEI", 0),
        0u);
    EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace ctl_test
