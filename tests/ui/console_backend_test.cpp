// The command-line back end: answers from the command line, the safe answer otherwise,
// and progress drawn only on a terminal.
#include <gtest/gtest.h>

#include <sstream>

#include "ui/console_backend.h"

namespace {

TEST(ConsoleBackend, AnswersOnlyTheQuestionItWasGivenAndTellsOfTheOthers) {
    std::ostringstream err;
    ui::ConsoleBackend backend(err);
    backend.answer_question("Datalogger auch?", true);
    backend.answer_three_button("Übertragen?", 1);
    backend.answer_file("/tmp/a.cfg");

    EXPECT_TRUE(backend.question({"Frage :", "Datalogger auch?"}));
    EXPECT_TRUE(backend.question({"Frage :", "Datalogger auch?"})) << "an answer stands";
    EXPECT_EQ(backend.three_button({"T", "Übertragen?", {"Ja", "Nein", "Abbrechen"}, 1, 1, 3}), 1);
    EXPECT_EQ(backend.select_file({}), "/tmp/a.cfg");
    EXPECT_EQ(err.str(), "");

    EXPECT_FALSE(backend.question({"Frage :", "Wirklich löschen?"}));
    EXPECT_EQ(backend.three_button({"T", "Anderes?", {"Ja", "Nein", "Abbrechen"}, 1, 1, 3}), 3);
    EXPECT_EQ(backend.select_file({}), std::nullopt) << "each path answers one selection";
    EXPECT_EQ(err.str(),
              "Frage : Wirklich löschen?\n-> Nein\nT Anderes?\n-> Abbrechen\n"
              " \n-> (abgebrochen)\n");
    EXPECT_EQ(backend.errors_shown(), 0);
}

TEST(ConsoleBackend, ProgressOnATerminalOnlyAndMessagesOnALineOfTheirOwn) {
    for (bool terminal : {false, true}) {
        std::ostringstream err;
        ui::ConsoleBackend backend(err);
        backend.set_pacing(false);
        backend.set_show_progress(terminal);
        backend.progress_show("Lese Geräteeinstellung Nr. 0", 89);
        backend.progress_set_value(1);
        backend.message_box("Fehler-Meldung :", "Kann Datei : x nicht öffnnen");
        backend.progress_set_value(2);
        backend.progress_hide();
        backend.message_box("Meldung :", "fertig");
        EXPECT_EQ(backend.errors_shown(), 1);
        std::string progress =
            "\rLese Geräteeinstellung Nr. 0: 0/89     \rLese Geräteeinstellung Nr. 0: 1/89     \n";
        std::string expected =
            (terminal ? progress : "") + "Fehler-Meldung : Kann Datei : x nicht öffnnen\n" +
            (terminal ? "\rLese Geräteeinstellung Nr. 0: 2/89     \n" : "") + "Meldung : fertig\n";
        EXPECT_EQ(err.str(), expected) << "terminal " << terminal;
    }
}

}  // namespace
