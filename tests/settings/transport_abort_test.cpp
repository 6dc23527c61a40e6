// An instrument that stops answering ends a transfer at the step that found out, with
// one message, instead of a time-out for every command left.
#include "driver/zk7416.h"
#include "files/project_dir.h"
#include "settings/records.h"
#include "settings/settings_file_ops.h"
#include "settings/transfer.h"
#include "transfer_fixture.h"

namespace {

using ui::PopupKind;
using ui::ProgressEventKind;

std::string abort_text(const std::string& step, int status) {
    return "Die Übertragung der Geräteeinstellungen wurde abgebrochen.\nSchritt: " + step +
           "\nFehler " + std::to_string(status) + ": " + zk7416_status_text(status) +
           "\n\nBitte Verbindung zum Tarvolux Typ 7416 prüfen.";
}

class SilentInstrument : public TransferThroughDoor {};

TEST_P(SilentInstrument, UploadEndsAtTheFirstUnansweredStepWithOneMessage) {
    prepare_for_full_upload();
    fall_silent_at("SENS:TCOM:TCO? 4");

    EXPECT_EQ(settings::upload_current_state(1), -1);

    // Everything up to the unanswered query, and nothing after it.
    std::vector<std::string> wire = full_upload_wire();
    wire.resize(247);
    ASSERT_EQ(wire.back(), "SENS:TCOM:TCO? 4");
    EXPECT_EQ(log(), wire);
    const ui::PopupRecord message = only_popup(PopupKind::Message);
    EXPECT_EQ(message.title, "Fehler-Meldung :");
    EXPECT_EQ(message.text, abort_text("Temperaturkoeffizient 4", ZK7416_ERR_READ));
    expect_progress_closed(1);
}

TEST_P(SilentInstrument, DownloadEndsAtTheFirstUnansweredStepWithOneMessage) {
    rec::compare.limit_count = 2;
    fall_silent_at("CALC:LIM:COUN 2");
    backend.answer_question(false);

    EXPECT_EQ(settings::download_current_state(), -1);

    EXPECT_EQ(log().back(), "CALC:LIM:COUN 2") << "nothing sent after the line died";
    const std::string message = only_popup(PopupKind::Message).text;
    EXPECT_TRUE(message.starts_with("Die Übertragung der Geräteeinstellungen wurde abgebrochen."));
    expect_progress_closed(1);
}

TRANSFER_THROUGH_BOTH_DOORS(SilentInstrument);

TEST_F(TransferTest, FailedQueryConvertsNoAnswer) {
    connect(Transport::Rs232);
    rec::device.new_firmware = 1;
    rec::datalog.free_memory = -7;
    sim->instrument().set_command_listener([this](const std::string& line) {
        if (line == "DAT:SIZE?")
            sim->serial_door().faults().arm(tarvolux::sim::SerialFault::EotResponse);
    });

    EXPECT_EQ(settings::upload_current_state(1), -1);

    EXPECT_EQ(rec::datalog.free_memory, -7);
    EXPECT_EQ(log(), std::vector<std::string>{"DAT:SIZE?"});
    EXPECT_EQ(only_popup(PopupKind::Message).text, abort_text("Datenlogger-Kapazität", ZK7416_EOT));
}

TEST_F(TransferTest, LostLineDuringBackupKeepsThePreviousFile) {
    connect(Transport::Gpib);
    rec::device.new_firmware = 1;
    std::string config = files::join_path(folder.path(), "Config");
    std::filesystem::create_directories(config);
    std::string path = files::join_path(config, "alle.bak");
    write_bytes(path, "vorher");
    // The recall goes through; the first query after it finds the line dead.
    fall_silent_at("*RCL 3");
    backend.answer_file(path);

    EXPECT_EQ(settings::MakeBackupFile(), -1);

    EXPECT_EQ(read_bytes(path), "vorher");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(config),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_EQ(log().back(), "*RCL 3");
    expect_sent({{"*RCL", 4}});
    EXPECT_EQ(only_popup(PopupKind::Message).text,
              abort_text("Aktiver Datenlogger-Block", ZK7416_ERR_WRITE));
    expect_progress_closed(1);
    ASSERT_FALSE(backend.busy_events().empty());
    EXPECT_FALSE(backend.busy_events().back());
}

}  // namespace
