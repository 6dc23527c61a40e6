// ohm7416ctl: the program's work without its panels, for scripts and test benches.
#include <clocale>
#include <iostream>

#include <unistd.h>

#include "ctl/ctl.h"
#include "export/project_directory.h"

int main(int argc, char** argv) {
    // Numbers in instrument commands and files always use the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    std::vector<std::string> args(argv + 1, argv + argc);
    ctl::Environment environment{std::cout,
                                 std::cerr,
                                 exporting::executable_directory(),
                                 exporting::user_data_directory(),
                                 true,
                                 ::isatty(STDERR_FILENO) == 1};
    return ctl::run(args, environment);
}
