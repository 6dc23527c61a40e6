// Backup and restore of the 32 stored settings memories through backup files.
#include <filesystem>

#include "files/project_dir.h"
#include "settings/records.h"
#include "settings/settings_file_ops.h"
#include "settings/settings_files.h"
#include "text/text_field.h"
#include "settings/transfer.h"
#include "transfer_fixture.h"

namespace {

using ui::PopupKind;
using ui::ProgressEventKind;

std::vector<std::string> numbered(const std::string& text, int from, int to) {
    std::vector<std::string> lines;
    for (int i = from; i <= to; ++i) lines.push_back(text + std::to_string(i));
    return lines;
}

class Backup : public ConnectedTransferTest {
  protected:
    std::vector<std::string> sent_lines(std::string_view prefix) const {
        std::vector<std::string> lines;
        for (const auto& line : log())
            if (line.starts_with(prefix)) lines.push_back(line);
        return lines;
    }

    std::string config_folder() const { return files::join_path(folder.path(), "Config"); }

    // A backup whose set i asks for averaging over i + 1 values, written from the
    // records as an upload left them. Block 2 is named "Datei" in every set.
    std::string write_backup() {
        EXPECT_EQ(settings::upload_current_state(1), 0);
        text::copy_text(rec::datalog.block_name[2], "Datei");
        std::string path = folder.file("alle.bak");
        settings::BackupFileWriter writer;
        EXPECT_EQ(writer.open(path), 1);
        for (int i = 0; i < settings::BACKUP_SETS; ++i) {
            rec::measurement_configuration.average_count = i + 1;
            EXPECT_EQ(writer.write_set(settings::capture_set()), 1);
        }
        EXPECT_EQ(writer.commit(), 1);
        backend.clear_records();
        clear_log();
        return path;
    }

    void expect_memory_holds_average_count(int memory, int count) {
        send("*RCL " + std::to_string(memory));
        EXPECT_EQ(query("sens:aver:coun?"), std::to_string(count)) << "memory " << memory;
    }

    // One panel counts the rounds over the memories with `verb`, each round's steps up to
    // `steps`; a second one shows the final upload.
    void expect_round_progress(const std::string& verb, int steps) {
        const std::string label = verb + " Geräteeinstellung Nr. ";
        EXPECT_EQ(
            progress_labels(ProgressEventKind::Show),
            (std::vector<std::string>{label + "0", "Übertragen der geladenen Einstellungen"}));
        EXPECT_EQ(progress_numbers(ProgressEventKind::Show), (std::vector<int>{89, 89}));
        EXPECT_EQ(progress_labels(ProgressEventKind::Label), numbered(label, 1, 31));
        EXPECT_EQ(progress_numbers(ProgressEventKind::Maximum), std::vector<int>(31, steps));
        expect_progress_closed(2);
        ASSERT_FALSE(backend.busy_events().empty());
        EXPECT_FALSE(backend.busy_events().back());
    }
};

TEST_F(Backup, ReadsEveryMemoryIntoItsSetOfTheFile) {
    for (int i = 0; i < 32; ++i) {
        send("sens:aver:coun " + std::to_string(i + 1));
        send("*SAV " + std::to_string(i));
    }
    send("mem:stat:def Probe,7");
    clear_log();
    std::string path = files::join_path(config_folder(), "alle.bak");
    backend.answer_file(path);

    ASSERT_EQ(settings::MakeBackupFile(), 1);
    // The instrument is left with memory 0, and the records with its settings.
    EXPECT_EQ(rec::measurement_configuration.average_count, 1);

    ASSERT_EQ(read_bytes(path).size(), 124800u);
    EXPECT_EQ(files::file_name, path);
    settings::BackupFileReader file;
    ASSERT_EQ(file.open(path), 1);
    for (int i = 0; i < 32; ++i) {
        settings::apply_set(file.set(i));
        EXPECT_EQ(rec::measurement_configuration.average_count, i + 1) << "set " << i;
        // Blocks and labels are read with memory 0 and repeated in every set.
        EXPECT_EQ(text::field_text(rec::memory.label[7]), "Probe") << "set " << i;
    }

    std::vector<std::string> recalls = numbered("*RCL ", 0, 31);
    recalls.push_back("*RCL 0");
    EXPECT_EQ(sent_lines("*RCL"), recalls);
    // Blocks and labels in round 0 and in the final upload only.
    expect_sent({{"mem:stat:name? ", 33 + 33}, {"DAT:SIZE? 0", 2}, {"*SAV", 0}});

    const ui::FileSelection dialog = only_popup(PopupKind::FileSelection).file;
    EXPECT_EQ(dialog.title, "Backup-Datei erstellen");
    EXPECT_EQ(dialog.file_spec, ".bak");
    EXPECT_EQ(dialog.mode, ui::FileMode::Save);
    EXPECT_EQ(dialog.start_folder, config_folder());
    EXPECT_TRUE(std::filesystem::is_directory(config_folder()));
    EXPECT_TRUE(popups(PopupKind::Message).empty());
    expect_round_progress("Lese", 25);
}

TEST_F(Backup, RestoreAsksTheDataloggerQuestionOnceAndStoresEveryMemory) {
    std::string path = write_backup();
    backend.answer_three_button(1);
    backend.answer_file(path);
    backend.answer_question(false);

    ASSERT_EQ(settings::LoadBackupFile(), 1);

    const ui::PopupRecord question = only_popup(PopupKind::ThreeButton);
    EXPECT_EQ(question.title, "Backup-Datei laden");
    EXPECT_EQ(question.text, "Wollen Sie die Konfiguration in das Gerät übertragen?");
    EXPECT_EQ(question.buttons, (std::vector<std::string>{"Ja", "Nein", "Abbrechen"}));
    EXPECT_EQ(question.enter_button, 1);
    EXPECT_EQ(question.escape_button, 3);
    const ui::PopupRecord datalogger_question = only_popup(PopupKind::Question);
    EXPECT_EQ(datalogger_question.title, "Frage :");
    EXPECT_TRUE(datalogger_question.text.starts_with("Sollen sämtliche Datalogger"));

    EXPECT_EQ(sent_lines("*SAV"), numbered("*SAV ", 0, 31));
    // Every round reads blocks and labels back, as does the final upload.
    expect_sent({{"DAT:CLEAR", 0}, {"DAT:STATE:DEF", 0}, {"mem:stat:name? ", 33 * 33}});
    for (int memory : {0, 1, 17, 31}) expect_memory_holds_average_count(memory, memory + 1);
    expect_round_progress("Schreibe", 89);
    EXPECT_TRUE(popups(PopupKind::Message).empty());
}

TEST_F(Backup, RestoreSendsTheDataloggerOnlyInTheLastRound) {
    std::string path = write_backup();
    backend.answer_three_button(1);
    backend.answer_file(path);
    backend.answer_question(true);

    ASSERT_EQ(settings::LoadBackupFile(), 1);

    EXPECT_EQ(popups(PopupKind::Question).size(), 1u);
    EXPECT_EQ(sent("DAT:CLEAR "), 32u);
    EXPECT_GT(position("DAT:CLEAR 0"), position("*SAV 30"));
    EXPECT_LT(position("DAT:CLEAR 31"), position("*SAV 31"));
    EXPECT_NE(position("DAT:STATE:DEF Datei,2"), std::string::npos);
    EXPECT_EQ(query("DAT:STATE:NAME? 2"), "Datei");
    expect_memory_holds_average_count(31, 32);
    expect_round_progress("Schreibe", 89);
}

TEST_F(Backup, LostLineDuringRestoreEndsItWithOneMessage) {
    std::string path = write_backup();
    backend.answer_three_button(1);
    backend.answer_file(path);
    fall_silent_at("*SAV 2");

    EXPECT_EQ(settings::LoadBackupFile(), -1);

    EXPECT_EQ(log().back(), "*SAV 2") << "nothing sent after the line died";
    expect_sent({{"*SAV", 3}, {"*RCL", 0}});
    const std::string message = only_popup(PopupKind::Message).text;
    EXPECT_TRUE(message.starts_with("Die Übertragung der Geräteeinstellungen wurde abgebrochen."));
    expect_progress_closed(1);
}

TEST_F(Backup, ShortBackupIsRefusedBeforeAnythingIsSent) {
    std::string path = folder.file("kurz.bak");
    write_bytes(path, std::string(3900 * 31, '\x11'));
    rec::measurement_configuration.average_count = 5;
    settings::SetImage before = settings::capture_set();
    backend.answer_three_button(1);
    backend.answer_file(path);

    EXPECT_EQ(settings::LoadBackupFile(), -1);

    EXPECT_EQ(settings::capture_set(), before);
    EXPECT_TRUE(log().empty());
    EXPECT_NE(only_popup(PopupKind::Message).text.find("keine vollständige Backup-Datei"),
              std::string::npos);
    EXPECT_TRUE(backend.progress_events().empty());
}

TEST_F(Backup, AnythingButJaAtTheQuestionDoesNothing) {
    for (int button : {2, 3}) {
        backend.answer_three_button(button);
        EXPECT_EQ(settings::LoadBackupFile(), -1);
    }
    EXPECT_TRUE(popups(PopupKind::FileSelection).empty());
    EXPECT_TRUE(log().empty());
}

}  // namespace
