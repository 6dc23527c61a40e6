// The language the program and its tools show: German, the program's own, or English.
// Which one is decided by the command line (--language en|de), else the environment
// (OHM7416_LANGUAGE), else the operator's choice stored per user from the program's menu,
// else German. The desktop's locale alone never changes it, so an installation that
// spoke German keeps speaking German after an update.
//
// Needs QtCore only (QTranslator, QSettings), so the command-line tools can use it
// before or without a QCoreApplication.
#pragma once

#include <QTranslator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

enum class Language { German, English };

// "de" or "en"; nullopt for anything else.
std::optional<Language> language_named(std::string_view name);
const char* language_name(Language language);

// Takes "--language X" or "--language=X" out of a tool's arguments, so the tool's own
// parser never sees it. `error` is set (a German message) for a missing or unknown X.
std::optional<Language> take_language_option(std::vector<std::string>& args, std::string& error);

// The command line's language, else $OHM7416_LANGUAGE's (when it names one), else
// `stored`, else German.
Language choose_language(std::optional<Language> command_line, std::optional<Language> stored);

// The choice made in the program's menu, kept in the per-user configuration
// ($XDG_CONFIG_HOME/ohm7416/ohm7416.ini), never in the project directory's files.
std::optional<Language> stored_language();
bool store_language(Language language);

// share/ohm7416/translations beside the running executable's folder, where the build and
// an installation put the compiled translations.
std::string translations_directory();

// The program's translation into one language. While it is loaded, ui::shown translates
// with it; destroying it shows German again.
class TranslationCatalogue {
  public:
    TranslationCatalogue() = default;
    ~TranslationCatalogue();
    TranslationCatalogue(const TranslationCatalogue&) = delete;
    TranslationCatalogue& operator=(const TranslationCatalogue&) = delete;

    // German needs no catalogue. For English loads ohm7416_en.qm from `directory`; false
    // (and German shown) when it cannot be loaded.
    bool load(Language language, const std::string& directory);

    // The loaded translation (empty for German), for installing into the application,
    // where the panels' forms and Qt look for it.
    QTranslator& translator() { return program_; }

  private:
    QTranslator program_;
};

}  // namespace ui
