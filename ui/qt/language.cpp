#include "ui/qt/language.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstdlib>

#include "ui/translatable.h"

namespace ui {

namespace {

constexpr std::string_view OPTION = "--language";
const char* const SETTINGS_KEY = "language";

// The per-user configuration file, named without an application object, so the tools and
// the program before its start (--help) find the same file.
QSettings user_settings() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QSettings(folder + QStringLiteral("/ohm7416/ohm7416.ini"), QSettings::IniFormat);
}

}  // namespace

std::optional<Language> language_named(std::string_view name) {
    if (name == "de") return Language::German;
    if (name == "en") return Language::English;
    return std::nullopt;
}

const char* language_name(Language language) {
    return language == Language::English ? "en" : "de";
}

std::optional<Language> take_language_option(std::vector<std::string>& args, std::string& error) {
    std::optional<Language> chosen;
    for (std::size_t i = 0; i < args.size();) {
        std::string_view arg = args[i];
        std::size_t taken = 1;
        std::string value;
        if (arg == OPTION) {
            if (i + 1 < args.size()) value = args[i + 1], taken = 2;
        } else if (arg.substr(0, OPTION.size() + 1) == std::string(OPTION) + "=") {
            value = arg.substr(OPTION.size() + 1);
        } else {
            ++i;
            continue;
        }
        args.erase(args.begin() + static_cast<long>(i),
                   args.begin() + static_cast<long>(i + taken));
        chosen = language_named(value);
        if (!chosen && error.empty())
            error = compose(UI_TEXT("ohm7416", "Option --language: de oder en erwartet statt %1"),
                            value);
    }
    return error.empty() ? chosen : std::nullopt;
}

Language choose_language(std::optional<Language> command_line, std::optional<Language> stored) {
    if (command_line) return *command_line;
    const char* environment = std::getenv("OHM7416_LANGUAGE");
    if (environment)
        if (auto named = language_named(environment)) return *named;
    return stored.value_or(Language::German);
}

std::optional<Language> stored_language() {
    return language_named(user_settings().value(SETTINGS_KEY).toString().toStdString());
}

bool store_language(Language language) {
    QSettings settings = user_settings();
    settings.setValue(SETTINGS_KEY, QString::fromLatin1(language_name(language)));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::string translations_directory() {
    QFileInfo executable(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget());
    return QDir::cleanPath(executable.absolutePath() +
                           QStringLiteral("/../share/ohm7416/translations"))
        .toStdString();
}

TranslationCatalogue::~TranslationCatalogue() {
    set_translator({});
}

bool TranslationCatalogue::load(Language language, const std::string& directory) {
    set_translator({});
    if (language == Language::German) return true;
    if (!program_.load(QStringLiteral("ohm7416_%1").arg(QLatin1String(language_name(language))),
                       QString::fromStdString(directory)))
        return false;
    set_translator([this](const std::string& german) {
        QByteArray context(TEXT_CONTEXT.data(), static_cast<qsizetype>(TEXT_CONTEXT.size()));
        return program_.translate(context.constData(), german.c_str()).toStdString();
    });
    return true;
}

}  // namespace ui
