// ohm7416: control and data acquisition for the Tarvolux Typ 7416.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <cstdio>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "export/project_directory.h"
#include "ui/qt/qt_backend.h"

namespace {

std::vector<std::string> arguments(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return args;
}

}  // namespace

int main(int argc, char** argv) {
    // The options are read before Qt is started: --help and a mistyped option must
    // answer on a terminal without a display, where Qt would abort while starting.
    app::CommandLine command_line;
    std::string error;
    if (!app::parse_command_line(arguments(argc, argv), command_line, error)) {
        std::fprintf(stderr, "%s\n\n%s", error.c_str(), app::command_line_usage());
        return 2;
    }
    if (command_line.help) {
        std::fputs(app::command_line_usage(), stdout);
        return 0;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName("ohm7416");
    // Qt removes the options meant for itself (-platform, -style, ...); read the rest
    // again so they do not count as the demonstration argument.
    command_line = {};
    app::parse_command_line(arguments(argc, argv), command_line, error);
    // Numbers in instrument commands and files always use the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    // The program speaks German, so do Qt's own dialogs (file selection, printing),
    // whatever the desktop's language.
    QTranslator qt_german;
    if (qt_german.load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt_german);

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
    int result = QApplication::exec();
    program.shutdown();
    ui::set_backend(nullptr);
    return result;
}
