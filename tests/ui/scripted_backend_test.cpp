#include <gtest/gtest.h>

#include "ui/glob.h"
#include "ui/scripted_backend.h"
#include "ui/ui.h"

namespace {

class ScriptedBackendTest : public ::testing::Test {
  protected:
    void SetUp() override { ui::set_backend(&backend); }
    void TearDown() override { ui::set_backend(nullptr); }
    ui::ScriptedBackend backend;
};

ui::ThreeButtonPopup interface_question() {
    ui::ThreeButtonPopup popup;
    popup.title = "Schnittstellen Einstellungen";
    popup.text = "Bitte wählen Sie die Schnittstelle aus";
    popup.buttons = {"Seriell (RS232)", "GPIB    (488.2)", "Abbrechen"};
    popup.focus = 1;
    popup.escape_button = 3;
    return popup;
}

TEST_F(ScriptedBackendTest, EachKindTakesItsOwnQueueInOrder) {
    backend.answer_question(true);
    backend.answer_question(false);
    backend.answer_prompt("3930");
    backend.cancel_prompt();
    backend.answer_three_button(2);
    backend.answer_file("/tmp/x.cfg");
    backend.cancel_file();

    EXPECT_EQ(ui::prompt("Eingabe", "Wert", 10), "3930");
    EXPECT_TRUE(ui::confirm("Frage :", "eins"));
    EXPECT_EQ(ui::select_file({"Laden", "/tmp", "*.cfg", ui::FileMode::Load, true, true}),
              "/tmp/x.cfg");
    EXPECT_FALSE(ui::confirm("Frage :", "zwei"));
    EXPECT_EQ(ui::three_button_popup(interface_question()), 2);
    EXPECT_EQ(ui::prompt("Eingabe", "Wert", 10), std::nullopt);
    EXPECT_EQ(ui::select_file({}), std::nullopt);

    EXPECT_EQ(backend.pending_answers(), 0u);
    EXPECT_EQ(backend.unanswered_count(), 0u);
    ASSERT_EQ(backend.popups().size(), 7u);
    const auto& three = backend.popups()[4];
    EXPECT_EQ(three.kind, ui::PopupKind::ThreeButton);
    EXPECT_EQ(three.title, "Schnittstellen Einstellungen");
    EXPECT_EQ(three.buttons,
              (std::vector<std::string>{"Seriell (RS232)", "GPIB    (488.2)", "Abbrechen"}));
    EXPECT_EQ(three.escape_button, 3);
    EXPECT_EQ(three.enter_button, 0);
    EXPECT_EQ(backend.popups()[2].file.file_spec, "*.cfg");
}

TEST_F(ScriptedBackendTest, UnansweredPopupsGetTheSafeAnswerAndAreMarked) {
    ui::message_box("Meldung :", "nur zur Kenntnis");
    EXPECT_FALSE(ui::confirm("Frage :", "Datenlogger löschen?"));
    EXPECT_EQ(ui::prompt("Eingabe Kommentar", "Kommentar", 100), std::nullopt);
    EXPECT_EQ(ui::three_button_popup(interface_question()), 3);
    ui::ThreeButtonPopup no_escape = interface_question();
    no_escape.escape_button = 0;
    EXPECT_EQ(ui::three_button_popup(no_escape), 3);
    no_escape.escape_button = 2;
    EXPECT_EQ(ui::three_button_popup(no_escape), 2);
    EXPECT_EQ(ui::select_file({}), std::nullopt);

    EXPECT_EQ(backend.unanswered_count(), 6u);  // the message box needs no answer
    EXPECT_TRUE(backend.popups()[0].answered);
    EXPECT_EQ(backend.popups()[0].text, "nur zur Kenntnis");
}

TEST_F(ScriptedBackendTest, ConfirmPopupAnswersOneForJaAndTwoForNein) {
    backend.answer_question(true);
    EXPECT_EQ(LG_ConfirmPopup("Frage :", "Wollen Sie die Konfiguration übertragen?"), 1);
    backend.answer_question(false);  // Escape
    EXPECT_EQ(LG_ConfirmPopup("Frage :", "noch einmal"), 2);

    const auto& popup = backend.popups().front();
    EXPECT_EQ(popup.kind, ui::PopupKind::Question);
    EXPECT_EQ(popup.title, "Frage :");
    EXPECT_EQ(popup.text, "Wollen Sie die Konfiguration übertragen?");
    EXPECT_EQ(popup.buttons, (std::vector<std::string>{"Ja", "Nein"}));
    EXPECT_EQ(popup.focus, 1);
    EXPECT_EQ(popup.enter_button, 1);
    EXPECT_EQ(popup.escape_button, 2);
}

TEST_F(ScriptedBackendTest, BusyCursorGuardsNestAndRestore) {
    {
        ui::BusyCursor outer;
        { ui::BusyCursor inner; }
        EXPECT_TRUE(ui::is_busy());
    }
    EXPECT_FALSE(ui::is_busy());
    EXPECT_EQ(backend.busy_events(), (std::vector<bool>{true, true, true, false}));
}

TEST(UiWithoutBackend, FallbackNeverBlocksAndAnswersSafely) {
    ui::set_backend(nullptr);
    EXPECT_FALSE(ui::confirm("Frage :", "ohne Oberfläche"));
    EXPECT_EQ(ui::select_file({}), std::nullopt);
}

}  // namespace
