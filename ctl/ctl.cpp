#include "ctl/ctl.h"

#include <ostream>

#include "ctl/command_line.h"
#include "ui/console_backend.h"
#include "ui/translatable.h"

namespace ctl {
namespace {

constexpr int USAGE_ERROR = 2;

// Installs the console back end for one run and takes it away again, so nothing of
// the run is left behind in a process that runs the tool more than once (tests).
class BackendScope {
  public:
    explicit BackendScope(ui::ConsoleBackend& backend) { ui::set_backend(&backend); }
    ~BackendScope() { ui::set_backend(nullptr); }
};

}  // namespace

int run(const std::vector<std::string>& args, const Environment& environment) {
    CommandLine command_line;
    std::string error;
    if (!parse_command_line(args, command_line, error)) {
        environment.err << "ohm7416ctl: "
                        << ui::shown(
                               ui::compose(UI_TEXT("ohm7416", "%1 (Hilfe: ohm7416ctl --help)"),
                                           ui::translatable(error)))
                        << '\n';
        return USAGE_ERROR;
    }
    if (command_line.global.help) {
        environment.out << (command_line.subcommand ? usage(*command_line.subcommand) : usage());
        return 0;
    }

    ui::ConsoleBackend backend(environment.err);
    backend.set_pacing(environment.pacing);
    backend.set_show_progress(environment.progress);
    BackendScope scope(backend);

    int result;
    {
        Session session(command_line.global, environment);
        Invocation invocation{command_line.arguments, command_line.values, session, backend,
                              environment.out};
        result = command_line.subcommand->run(invocation);
    }
    environment.out.flush();
    // A message under "Fehler-Meldung :" is a failure even where the program's code
    // goes on after it (as after a start-up wait that did not end idle).
    if (result == 0 && backend.errors_shown() == 0) return 0;
    if (backend.errors_shown() == 0)
        environment.err << ui::shown(
                               ui::compose(UI_TEXT("ohm7416", "ohm7416ctl: %1 ist fehlgeschlagen."),
                                           command_line.subcommand->name))
                        << '\n';
    return 1;
}

}  // namespace ctl
