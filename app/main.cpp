// ohm7416: control and data acquisition for the Tarvolux Typ 7416.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>
#include <clocale>
#include <cstdio>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "ui/qt/qt_backend.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("ohm7416");
    QApplication::setOrganizationName("ohm7416");
    // Numbers in instrument commands and files always use the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    // The program speaks German, so do Qt's own dialogs (file selection, printing),
    // whatever the desktop's language.
    QTranslator qt_german;
    if (qt_german.load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt_german);

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    app::CommandLine command_line;
    std::string error;
    if (!app::parse_command_line(args, command_line, error)) {
        std::fprintf(stderr, "%s\n\n%s", error.c_str(), app::command_line_usage());
        return 2;
    }
    if (command_line.help) {
        std::fputs(app::command_line_usage(), stdout);
        return 0;
    }

    ui::QtBackend backend;
    ui::set_backend(&backend);

    app::Program program;
    std::string user_data =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    if (!program.start(command_line, QCoreApplication::applicationDirPath().toStdString(),
                       user_data)) {
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
