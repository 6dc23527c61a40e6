// ohm7416: control and data acquisition for the Tarvolux Typ 7416.
#include <QApplication>
#include <QTranslator>
#include <clocale>
#include <cstdio>

#include "app/command_line.h"
#include "app/language_menu.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "export/project_directory.h"
#include "ui/qt/language.h"
#include "ui/qt/qt_backend.h"
#include "ui/translatable.h"

namespace {

std::vector<std::string> arguments(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return args;
}

}  // namespace

int main(int argc, char** argv) {
    // The language and the options are read before Qt is started: --help and a mistyped
    // option must answer on a terminal without a display, where Qt would abort while
    // starting; they answer in the language chosen.
    std::vector<std::string> args = arguments(argc, argv);
    std::string error;
    std::optional<ui::Language> language_option = ui::take_language_option(args, error);
    ui::Language language = ui::choose_language(language_option, ui::stored_language());
    ui::TranslationCatalogue catalogue;
    if (!catalogue.load(language, ui::translations_directory())) {
        std::fprintf(stderr, "ohm7416: %s\n",
                     ui::compose(UI_TEXT("ohm7416",
                                         "Die Übersetzung fehlt in %1; das Programm "
                                         "spricht Deutsch."),
                                 ui::translations_directory())
                         .c_str());
        language = ui::Language::German;
    }
    app::CommandLine command_line;
    if (!error.empty() || !app::parse_command_line(args, command_line, error)) {
        std::fprintf(stderr, "%s\n\n%s", ui::shown(error).c_str(),
                     ui::shown(app::command_line_usage()).c_str());
        return 2;
    }
    if (command_line.help) {
        std::fputs(ui::shown(app::command_line_usage()).c_str(), stdout);
        return 0;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName("ohm7416");
    // Qt removes the options meant for itself (-platform, -style, ...); read the rest
    // again so they do not count as the demonstration argument.
    command_line = {};
    args = arguments(argc, argv);
    ui::take_language_option(args, error);
    app::parse_command_line(args, command_line, error);
    // Numbers in instrument commands and files always use the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    // The panels and Qt's own dialogs (file selection, printing) speak the language
    // chosen, whatever the desktop's.
    QTranslator qt_own;
    app::install_translations(language, catalogue, qt_own);

    ui::QtBackend backend;
    ui::set_backend(&backend);

    app::Program program;
    if (!program.start(command_line, QCoreApplication::applicationDirPath().toStdString(),
                       exporting::user_data_directory())) {
        program.shutdown();
        ui::set_backend(nullptr);
        return 0;
    }
    backend.set_parent_window(program.window());
    app::add_language_menu(*program.window(), language);
    int result = QApplication::exec();
    program.shutdown();
    ui::set_backend(nullptr);
    return result;
}
