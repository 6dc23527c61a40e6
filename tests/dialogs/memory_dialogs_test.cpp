// The settings memories: recalling and saving blocks, the default block, and labels
// that go into a command line.
#include <QListWidget>

#include "dialogs/memory_dialogs.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tests/ui/modal_helpers.h"

namespace dialogs_test {
namespace {

using ui_test::click;

class MemoryDialogs : public DialogTest {
  protected:
    static void select_block(QWidget* d, int block) {
        control<QListWidget>(d, "memoryList")->setCurrentRow(block);
    }
    static QString list_text(QWidget* d, int block) {
        return control<QListWidget>(d, "memoryList")->item(block)->text();
    }
};

TEST_F(MemoryDialogs, TheListsShowNumberAndLabelAndTheDefaultBlockByName) {
    rec::memory.selected = 5;
    run(dialogs::activate_memory, [](QWidget* d) {
        auto* list = control<QListWidget>(d, "memoryList");
        EXPECT_EQ(list->count(), 33);
        EXPECT_EQ(list_text(d, 0), "0,MEMORY_00");
        EXPECT_EQ(list_text(d, 32), "Default,DEFAULT");
        EXPECT_EQ(list->currentRow(), 5) << "the block chosen last";
        click(d, "cancelButton");
    });
    EXPECT_TRUE(events().empty());
}

TEST_F(MemoryDialogs, ActivatingRecallsTheBlockThenReadsTheInstrumentsState) {
    int result = run(dialogs::activate_memory, [](QWidget* d) {
        select_block(d, 32);
        click(d, "okButton");
    });
    EXPECT_EQ(result, 0);
    Events sent = events();
    ASSERT_GT(sent.size(), 20u);
    EXPECT_EQ(sent[0], "*RCL 32");
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "CALC:LIM:STAT?"), 1)
        << "the settings are read back";
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(),
                            [](const std::string& l) { return l.starts_with("mem:stat:name?"); }),
              0)
        << "a recall changes no label";
    EXPECT_EQ(rec::memory.selected, 32);
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "Die Einstellungen vom Block 'Default,DEFAULT' sind aktiviert"});
    EXPECT_EQ(refreshes, 1);
}

TEST_F(MemoryDialogs, AFailedRecallIsReportedAndNeverConfirmed) {
    int result = run(dialogs::activate_memory, [&](QWidget* d) {
        select_block(d, 4);
        refuse_writes();
        click(d, "okButton");
        EXPECT_TRUE(d->isVisible());
        click(d, "cancelButton");
    });
    EXPECT_EQ(result, -1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].rfind("Keine Antwort vom Tarvolux Typ 7416.", 0), 0u);
    EXPECT_EQ(rec::memory.selected, 0);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(MemoryDialogs, SavingConfirmsOnlyWhatTheInstrumentTookAndNeverTheDefaultBlock) {
    int result = run(dialogs::save_memory, [&](QWidget* d) {
        select_block(d, 32);
        click(d, "okButton");
        EXPECT_EQ(messages(),
                  std::vector<std::string>{"Der Default Block kann nicht verändert werden"});
        EXPECT_TRUE(events().empty());

        forget();
        select_block(d, 3);
        click(d, "okButton");
        EXPECT_EQ(events(), Events{"*SAV 3"});
        EXPECT_EQ(messages(), std::vector<std::string>{
                                  "Die aktuellen Einstellungen sind im Block '3,MEMORY_03' "
                                  "gespeichert"});

        forget();
        select_block(d, 4);
        refuse_writes();
        click(d, "okButton");
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].find("gespeichert"), std::string::npos);
        EXPECT_TRUE(d->isVisible());
        click(d, "cancelButton");
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(rec::memory.selected, 3);
}

TEST_F(MemoryDialogs, ANewLabelIsSentThenTakenAsTheInstrumentReportsIt) {
    popups.answer_prompt(" PROBE 1 ");
    run(dialogs::save_memory, [](QWidget* d) {
        select_block(d, 5);
        press(d, "relabelButton");
        EXPECT_EQ(list_text(d, 5), "5,PROBE_1");
        click(d, "cancelButton");
    });
    EXPECT_EQ(events(), (Events{"mem:stat:def PROBE_1,5", "pause 0.05", "mem:stat:name? 5"}));
    EXPECT_EQ(text::field_text(rec::memory.label[5]), "PROBE_1");
    const ui::PopupRecord& prompt = popups.popups().at(0);
    EXPECT_EQ(prompt.title, "Beschriftung ändern");
    EXPECT_EQ(prompt.text,
              "Der aktuelle Name von diesem Block ist : \n\nMEMORY_05\n\nÄndern Sie diesen Namen "
              "indem Sie das neue Text eingeben\nBitte keine Leerzeichen eingegeben.\n\nDrücken "
              "Sie <ESC> zum Abbruch.");
    EXPECT_EQ(prompt.max_length, 10u);
}

TEST_F(MemoryDialogs, LabelsThatCannotBeSentChangeNothing) {
    const char* answers[] = {"   ", "A,B", "X;*RST",
                             "\xE2\x82\xAC"
                             "uro",
                             "ELEVENCHARS"};
    for (const char* answer : answers) popups.answer_prompt(answer);
    popups.cancel_prompt();
    settings::SetImage before = records();
    run(dialogs::save_memory, [&](QWidget* d) {
        select_block(d, 7);
        for (std::size_t i = 0; i <= std::size(answers); ++i) press(d, "relabelButton");
        EXPECT_EQ(list_text(d, 7), "7,MEMORY_07");
        click(d, "cancelButton");
    });
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(records(), before);
    std::vector<std::string> refusals;
    for (const auto& p : popups.popups())
        if (p.kind == ui::PopupKind::Message) refusals.push_back(p.text);
    EXPECT_EQ(refusals.size(), 4u) << "a blank label and a cancelled prompt say nothing";
}

}  // namespace
}  // namespace dialogs_test
