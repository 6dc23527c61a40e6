// Download: the records into the instrument, with the datalogger question.
#include "settings/records.h"
#include "text/text_field.h"
#include "settings/transfer.h"
#include "transfer_fixture.h"

namespace {

using ui::PopupKind;
using ui::ProgressEventKind;

constexpr const char* DATALOGGER_QUESTION =
    "Sollen sämtliche Datalogger Einstellungen und die Messprogrammnamen auch übertragen "
    "werden?\n\nAchtung : Der Datenlogger wird dann gelöscht!";

class Download : public ConnectedTransferTest {
  protected:
    // Records as a full upload leaves them, so every value is one the instrument takes.
    void SetUp() override {
        ConnectedTransferTest::SetUp();
        ASSERT_EQ(settings::upload_current_state(1), 0);
        uploaded = rec::datalog;
        uploaded_labels = rec::memory;
        backend.clear_records();
        clear_log();
    }

    // Settings the file brought that differ from the instrument's.
    void change_records() {
        rec::datalog.block_size[2] = 400;
        text::copy_text(rec::datalog.block_name[2], "Ofen 3");
        rec::datalog.filter_mode[2] = 3;
        rec::datalog.filter_xval[2] = 5;
        rec::datalog.free_memory = -5;
        text::copy_text(rec::memory.label[7], "Probe A");
        rec::measurement_configuration.average_count = 17;
        rec::print.state = 1;
    }

    void expect_one_datalogger_question() {
        const ui::PopupRecord question = only_popup(PopupKind::Question);
        EXPECT_EQ(question.title, "Frage :");
        EXPECT_EQ(question.text, DATALOGGER_QUESTION);
    }

    // The settings groups go out in either case. Call before any query of the test's own.
    void expect_settings_sent() {
        ASSERT_FALSE(log().empty());
        EXPECT_TRUE(log().back().starts_with("acc:manr ")) << log().back();
        EXPECT_EQ(query("sens:aver:coun?"), "17");
        EXPECT_EQ(rec::print.state, 0);
        EXPECT_TRUE(popups(PopupKind::Message).empty());
        EXPECT_EQ(progress_numbers(ProgressEventKind::Show), std::vector<int>{89});
        expect_progress_closed(1);
    }

    rec::Datalog uploaded{};
    rec::Memory uploaded_labels{};
};

TEST_F(Download, YesClearsTheDataloggerAndWritesEveryBlockAndLabel) {
    change_records();
    rec::datalog.filter_xval[4] = 0;  // refused by the driver; the transfer goes on
    backend.answer_question(true);

    ASSERT_EQ(settings::download_current_state(), 0);

    expect_settings_sent();
    expect_one_datalogger_question();
    expect_sent({{"DAT:CLEAR ", 32},
                 {"DAT:SIZE ", 32},
                 {"DAT:STATE:DEF ", 32},
                 {"mem:stat:def ", 33},
                 {"DAT:FILT 4,", 0},
                 {"DAT:FILT 5,", 1}});
    EXPECT_LT(position("DAT:CLEAR 2"), position("DAT:SIZE 2,400"));
    EXPECT_LT(position("DAT:SIZE 2,400"), position("DAT:STATE:DEF Ofen_3,2"));
    EXPECT_LT(position("DAT:STATE:DEF Ofen_3,2"), position("DAT:FILT 2,XVAL"));
    EXPECT_NE(position("DAT:FILT:XVAL 2,5"), std::string::npos);
    EXPECT_NE(position("mem:stat:def Probe_A,7"), std::string::npos);
    // The records hold the names as the instrument now holds them.
    EXPECT_EQ(text::field_text(rec::datalog.block_name[2]), "Ofen_3");
    EXPECT_EQ(text::field_text(rec::memory.label[7]), "Probe_A");
    EXPECT_EQ(query("DAT:STATE:NAME? 2"), "Ofen_3");
    EXPECT_EQ(query("DAT:SIZE? 2"), "400");
    // Blocks count 1 to 32, then one step per label and per settings step.
    std::vector<int> values = progress_numbers(ProgressEventKind::Value);
    ASSERT_EQ(values.size(), 1u + 32 + 33 + 23);
    EXPECT_EQ(values[32], 32);
    EXPECT_EQ(values.back(), 88);
}

TEST_F(Download, NoReadsBlocksAndLabelsBackInsteadOfSendingThem) {
    change_records();
    backend.answer_question(false);

    ASSERT_EQ(settings::download_current_state(), 0);

    expect_settings_sent();
    expect_one_datalogger_question();
    expect_sent({{"DAT:CLEAR", 0},
                 {"DAT:SIZE ", 0},
                 {"DAT:STATE:DEF", 0},
                 {"DAT:FILT ", 0},
                 {"mem:stat:def", 0},
                 {"DAT:STATE:NAME? ", 32},
                 {"mem:stat:name? ", 33}});
    // What the file brought is replaced by the instrument's own.
    EXPECT_EQ(rec::datalog.block_size[2], uploaded.block_size[2]);
    EXPECT_EQ(text::field_text(rec::datalog.block_name[2]),
              text::field_text(uploaded.block_name[2]));
    EXPECT_EQ(rec::datalog.filter_mode[2], uploaded.filter_mode[2]);
    EXPECT_EQ(rec::datalog.free_memory, uploaded.free_memory);
    EXPECT_EQ(text::field_text(rec::memory.label[7]), text::field_text(uploaded_labels.label[7]));
    EXPECT_EQ(progress_numbers(ProgressEventKind::Value).back(), 32 + 33 + 23);
}

// A damaged file can hold numbers no command line can carry in fixed-point notation;
// those settings stay out, and the transfer neither stops nor blames the line.
TEST_F(Download, NumbersTooLongForACommandAreLeftOutAndTheRestIsSent) {
    rec::compare.limit_count = 2;
    rec::compare.limit_2 = 1e300;
    rec::tempconf.pt100_scale[1] = -1e200;
    rec::measurement_configuration.reference = 1e61;
    backend.answer_question(false);

    ASSERT_EQ(settings::download_current_state(), 0);

    expect_sent({{"CALC:LIM:COUN 2", 1},
                 {"CALC:LIM:LOW", 0},
                 {"SCAL:PT100", 0},
                 {"sens:fres:ref", 0},
                 {"acc:manr ", 1}});
    EXPECT_TRUE(popups(PopupKind::Message).empty());
    EXPECT_EQ(progress_numbers(ProgressEventKind::Value).back(), 32 + 33 + 23);
}

}  // namespace
