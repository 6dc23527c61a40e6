// zk7416-scpi: talk to the instrument through the driver, one SCPI line at a time.
// The first tool to reach for when something does not talk.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

#include "driver/zk7416.h"
#include "tools/console_options.h"
#include "tools/embedded_instrument.h"
#include "tools/measure_values.h"
#include "ui/qt/language.h"
#include "ui/translatable.h"

namespace {

// One line: a query when it ends in '?', else a command. Returns the driver status.
int32_t run_line(int32_t handle, const std::string& line) {
    if (line.empty()) return 0;
    if (line.back() == '?') {
        char answer[300] = {};
        int32_t s = zk7416_receive_scpi(handle, line.c_str(), answer);
        if (s == 0)
            std::printf("%s\n", answer);
        else
            console::report(line.c_str(), s);
        return s;
    }
    int32_t s = zk7416_send_scpi(handle, line.c_str());
    if (s != 0) console::report(line.c_str(), s);
    return s;
}

int32_t connect(const console::Options& o, int32_t& handle, char* idn) {
    if (o.transport == console::Transport::Gpib)
        return zk7416_init_gpib(o.gpib_address, 13, o.reset, idn, &handle);
    return zk7416_init_serial(o.port, o.baud, o.timeout, idn, o.reset, &handle);
}

}  // namespace

int main(int argc, char** argv) {
    // The language is known before anything is said: the help and the messages follow it.
    std::vector<std::string> args(argv, argv + argc);
    std::string error;
    std::optional<ui::Language> language_option = ui::take_language_option(args, error);
    ui::TranslationCatalogue catalogue;
    ui::Language language = ui::choose_language(language_option, std::nullopt);
    catalogue.load(language, ui::translations_directory());
    std::vector<char*> arg_pointers;
    for (std::string& arg : args) arg_pointers.push_back(arg.data());
    arg_pointers.push_back(nullptr);

    console::Options options;
    if (!error.empty() ||
        !console::parse(static_cast<int>(args.size()), arg_pointers.data(), options, error)) {
        std::fprintf(stderr, "%s\n\n%s", ui::shown(error).c_str(),
                     ui::shown(console::usage()).c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(ui::shown(console::usage()).c_str(), stdout);
        return 0;
    }

    tools::EmbeddedInstrument simulation;
    if (options.simulate) {
        auto transport = options.transport == console::Transport::Gpib
                             ? tools::SimulatedTransport::Gpib
                             : tools::SimulatedTransport::Rs232;
        if (!simulation.start(transport, options.port, error)) {
            std::fprintf(stderr, "%s\n", ui::shown(error).c_str());
            return 1;
        }
    }

    int32_t handle = 0;
    char idn[300] = {};
    int32_t s = connect(options, handle, idn);
    if (s != 0) {
        console::report(UI_TEXT("ohm7416", "Keine Verbindung zum Tarvolux Typ 7416"), s);
        return 1;
    }
    if (options.verbose)
        std::fprintf(
            stderr, "%s\n",
            ui::shown(ui::compose(UI_TEXT("ohm7416", "verbunden: %1"), std::string(idn))).c_str());

    int failures = 0;
    for (const auto& line : options.lines) failures += run_line(handle, line) != 0;
    if (options.measure > 0)
        failures += console::measure_values(handle, options.measure, options.timeout, stdout);

    if (options.lines.empty() && options.measure == 0) {
        bool interactive = ::isatty(STDIN_FILENO);
        std::string line;
        for (;;) {
            if (interactive) std::fputs("7416> ", stdout), std::fflush(stdout);
            if (!std::getline(std::cin, line)) break;
            while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
            if (line == "quit" || line == "exit") break;
            failures += run_line(handle, line) != 0;
            std::fflush(stdout);
        }
    }
    zk7416_close(handle);
    return failures == 0 ? 0 : 1;
}
