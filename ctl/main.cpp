// ohm7416ctl: the program's work without its panels, for scripts and test benches.
#include <clocale>
#include <iostream>

#include <unistd.h>

#include "ctl/ctl.h"
#include "export/project_directory.h"
#include "ui/qt/language.h"
#include "ui/translatable.h"

int main(int argc, char** argv) {
    // Numbers in instrument commands and files always use the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    std::vector<std::string> args(argv + 1, argv + argc);
    // English only when asked for on the command line or in the environment: a script
    // that reads the messages must not change with the program's menu choice.
    std::string error;
    std::optional<ui::Language> language = ui::take_language_option(args, error);
    ui::TranslationCatalogue catalogue;
    catalogue.load(ui::choose_language(language, std::nullopt), ui::translations_directory());
    if (!error.empty()) {
        std::cerr << "ohm7416ctl: " << ui::shown(error) << '\n';
        return 2;
    }
    ctl::Environment environment{std::cout,
                                 std::cerr,
                                 exporting::executable_directory(),
                                 exporting::user_data_directory(),
                                 true,
                                 ::isatty(STDERR_FILENO) == 1};
    return ctl::run(args, environment);
}
