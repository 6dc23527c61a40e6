// Texts composed in German and shown in another language: the German is what the code
// always had, and only a display with a translator shows the translation, of the
// template and of the parts that are texts themselves, never of a name.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "ui/console_backend.h"
#include "ui/translatable.h"

namespace {

// A translator that knows a few texts, as a loaded catalogue would.
class Translated : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::set_translator([](const std::string& german) {
            static const std::map<std::string, std::string> known{
                {"Fehler-Meldung :", "Error message :"},
                {"Kann Datei : %1 nicht öffnnen", "Cannot open file : %1"},
                {"%1\nSchritt: %2", "%1\nStep: %2"},
                {"Blockname senden", "Sending the block name"},
                {"Keine Antwort.", "No answer."},
                {"Ja", "Yes"}};
            auto found = known.find(german);
            return found == known.end() ? std::string() : found->second;
        });
    }
    void TearDown() override { ui::set_translator({}); }
};

TEST(Composed, TheGermanIsTheTemplateFilledInAndNothingIsTranslatedWithoutATranslator) {
    struct Case {
        std::string german;
        std::string expected;
    };
    for (const Case& c : {
             Case{ui::compose("Die Datei : %1 ist keine vollständige %2.\nEine %2 ist %3 Bytes.",
                              "/tmp/a.cfg", ui::translatable("Konfigurationsdatei"), 4048),
                  "Die Datei : /tmp/a.cfg ist keine vollständige Konfigurationsdatei.\n"
                  "Eine Konfigurationsdatei ist 4048 Bytes."},
             // A part is never read as a template, and a lone % stays.
             Case{ui::compose("Eingabe '%1' zu 100%, %3 fehlt", "%2 %1"),
                  "Eingabe '%2 %1' zu 100%, %3 fehlt"},
             Case{ui::compose("Kann Datei : %1 nicht öffnnen", "Ja"),
                  "Kann Datei : Ja nicht öffnnen"},
         }) {
        EXPECT_EQ(c.german, c.expected);
        EXPECT_EQ(ui::shown(c.german), c.expected) << "German is shown as composed";
    }
}

TEST_F(Translated, AShownTextIsTranslatedTemplateAndTextPartsButNeverANameOrAFile) {
    std::string lost = ui::compose("%1\nSchritt: %2", ui::translatable("Keine Antwort."),
                                   ui::translatable("Blockname senden"));
    struct Case {
        std::string german;
        std::string shown;
    };
    for (const Case& c : {
             Case{"Fehler-Meldung :", "Error message :"},
             Case{"12.344 mOhm", "12.344 mOhm"},
             // The file is named "Ja": a name, shown as it is.
             Case{ui::compose("Kann Datei : %1 nicht öffnnen", "Ja"), "Cannot open file : Ja"},
             Case{lost, "No answer.\nStep: Sending the block name"},
             // A composed part is taken apart too.
             Case{ui::compose("%1\nSchritt: %2", lost, "3"),
                  "No answer.\nStep: Sending the block name\nStep: 3"},
             // A template without a translation still gets its parts translated.
             Case{ui::compose("%1 %2", ui::translatable("Ja"), 7), "Yes 7"},
         })
        EXPECT_EQ(ui::shown(c.german), c.shown) << c.german;
    EXPECT_EQ(lost, "Keine Antwort.\nSchritt: Blockname senden") << "the German stays";
}

TEST_F(Translated, TheConsoleShowsTheTranslationAndStillCountsTheGermanErrorTitle) {
    std::ostringstream err;
    ui::ConsoleBackend backend(err);
    backend.message_box("Fehler-Meldung :", ui::compose("Kann Datei : %1 nicht öffnnen", "x.cfg"));
    EXPECT_FALSE(backend.question({"Frage :", "Weiter?"}));
    EXPECT_EQ(err.str(), "Error message : Cannot open file : x.cfg\nFrage : Weiter?\n-> Nein\n");
    EXPECT_EQ(backend.errors_shown(), 1);
}

}  // namespace
