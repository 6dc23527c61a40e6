// Which language is shown, and the program's English catalogue at work in the Qt back
// end: the command line before the environment before the stored choice before German.
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <cstdlib>

#include <gtest/gtest.h>

#include "tests/ui/modal_helpers.h"
#include "ui/qt/language.h"
#include "ui/qt/qt_backend.h"
#include "ui/translatable.h"

namespace ui_test {
namespace {

using ui::Language;

// A scratch per-user configuration and no language in the environment.
class LanguageChoice : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("XDG_CONFIG_HOME", config_.path().toUtf8().constData(), 1);
        ::unsetenv("OHM7416_LANGUAGE");
    }
    void TearDown() override {
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("OHM7416_LANGUAGE");
    }
    QTemporaryDir config_;
};

TEST_F(LanguageChoice, TheOptionIsTakenOutOfTheArgumentsWhereverItStands) {
    struct Case {
        std::vector<std::string> args;
        std::optional<Language> language;
        std::vector<std::string> rest;
        std::string error;
    };
    for (Case c : {
             Case{{"--simulate", "--language", "en", "messedemo"},
                  Language::English,
                  {"--simulate", "messedemo"},
                  ""},
             Case{{"--language=de", "info"}, Language::German, {"info"}, ""},
             Case{{"info"}, std::nullopt, {"info"}, ""},
             Case{{"--language", "fr", "info"},
                  std::nullopt,
                  {"info"},
                  "Option --language: de oder en erwartet statt fr"},
             Case{{"info", "--language"},
                  std::nullopt,
                  {"info"},
                  "Option --language: de oder en erwartet statt "},
         }) {
        std::string error;
        std::vector<std::string> args = c.args;
        EXPECT_EQ(ui::take_language_option(args, error), c.language) << c.args[0];
        EXPECT_EQ(args, c.rest);
        EXPECT_EQ(error, c.error);
    }
}

TEST_F(LanguageChoice, CommandLineBeforeEnvironmentBeforeStoredChoiceBeforeGerman) {
    EXPECT_EQ(ui::stored_language(), std::nullopt) << "nothing stored: the desktop does not count";
    EXPECT_EQ(ui::choose_language(std::nullopt, ui::stored_language()), Language::German);
    ASSERT_TRUE(ui::store_language(Language::English));
    EXPECT_EQ(ui::stored_language(), Language::English);
    EXPECT_EQ(ui::choose_language(std::nullopt, ui::stored_language()), Language::English);
    ::setenv("OHM7416_LANGUAGE", "de", 1);
    EXPECT_EQ(ui::choose_language(std::nullopt, ui::stored_language()), Language::German);
    EXPECT_EQ(ui::choose_language(Language::English, ui::stored_language()), Language::English);
    ::setenv("OHM7416_LANGUAGE", "klingonisch", 1);
    EXPECT_EQ(ui::choose_language(std::nullopt, ui::stored_language()), Language::English)
        << "an unknown name in the environment is no choice";
}

TEST(Catalogue, TheQtBackEndShowsComposedMessagesInEnglishWhileTheirGermanStays) {
    ui::QtBackend backend;
    std::string german = ui::compose(UI_TEXT("ohm7416", "Fehler beim Schreiben der Datei : %1"),
                                     std::string("/tmp/ja.png"));
    QString title, text;
    auto read_box = [&](QWidget* dialog) {
        title = dialog->windowTitle();
        text = qobject_cast<QMessageBox*>(dialog)->text();
        qobject_cast<QDialog*>(dialog)->accept();
    };
    {
        ui::TranslationCatalogue english;
        ASSERT_TRUE(english.load(Language::English, ui::translations_directory()))
            << ui::translations_directory();
        on_next_dialog(read_box);
        backend.message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), german);
        EXPECT_EQ(title, "Error message :");
        EXPECT_EQ(text, "Error writing the file : /tmp/ja.png");
    }
    EXPECT_EQ(german, "Fehler beim Schreiben der Datei : /tmp/ja.png");
    on_next_dialog(read_box);
    backend.message_box("Fehler-Meldung :", german);
    EXPECT_EQ(text, QString::fromStdString(german)) << "the catalogue gone, German again";
}

}  // namespace
}  // namespace ui_test
