#include "sim/printer_commands.h"

#include <chrono>

#include "sim/request.h"
#include "sim/setting_commands.h"

namespace tarvolux::sim {

namespace {

// The print items, in the order of PrinterItem.
constexpr const char* ITEM_PATTERNS[PRINTER_ITEM_COUNT] = {
    "HCOPy:ITEM:TEMPerature:STATe", "HCOPy:ITEM:NUMber:STATe", "HCOPy:ITEM:LABel:STATe",
    "HCOPy:ITEM:TIME:STATe",        "HCOPy:ITEM:DATE:STATe",
};

constexpr int HOURS_MAX = 99;

PrinterSettings& printer(Request& r) {
    return r.state.settings.printer;
}

}  // namespace

void PrinterCommands::install(Dispatcher& dispatcher) {
    using P = PrinterCommands;
    static const CommandSpec<P> table[] = {
        {"HCOPy:[IMMediate]", &P::start},          {"HCOPy:ABORt", &P::stop},
        {"HCOPy:ITEM:LABel:TEXT", &P::set_label},  {"HCOPy:ITEM:LABel:TEXT?", &P::read_label},
        {"HCOPy:TDSTamp", &P::set_interval},       {"HCOPy:TDSTamp?", &P::read_interval},
        {"HCOPy:NUMber:RESet", &P::reset_counter},
    };
    add_commands(dispatcher, *this, table);

    for (std::size_t i = 0; i < PRINTER_ITEM_COUNT; ++i) {
        add_flag_setting(dispatcher, ITEM_PATTERNS[i],
                         [i](InstrumentState& s) -> bool& { return s.settings.printer.items[i]; });
    }
    add_integer_setting(dispatcher, "HCOPy:HEADer", 1, PRINTER_HEADER_MAX,
                        [](InstrumentState& s) -> int& { return s.settings.printer.header; });
}

void PrinterCommands::reset(InstrumentState& state) {
    state.settings.printer = {};
    state.printer = {};
}

void PrinterCommands::start(Request& r) {
    r.state.printer.printing = true;
    r.state.printer.last_printed_at.reset();
}

void PrinterCommands::stop(Request& r) {
    r.state.printer.printing = false;
}

void PrinterCommands::set_label(Request& r) {
    if (const auto label = r.label_arg(0, LABEL_LENGTH_MAX)) printer(r).label = std::string(*label);
}

void PrinterCommands::read_label(Request& r) {
    r.reply(printer(r).label);
}

void PrinterCommands::set_interval(Request& r) {
    const auto interval = clock_args(r, 0, HOURS_MAX);
    if (!interval) return;
    printer(r).hours = interval->hours;
    printer(r).minutes = interval->minutes;
    printer(r).seconds = interval->seconds;
}

void PrinterCommands::read_interval(Request& r) {
    r.reply(two_digit_fields({printer(r).hours, printer(r).minutes, printer(r).seconds}));
}

void PrinterCommands::reset_counter(Request& r) {
    r.state.printer.printed = 0;
}

void print_value(InstrumentState& state) {
    PrinterRun& run = state.printer;
    if (!run.printing) return;
    const PrinterSettings& settings = state.settings.printer;
    const Clock::Duration interval = std::chrono::hours(settings.hours) +
                                     std::chrono::minutes(settings.minutes) +
                                     std::chrono::seconds(settings.seconds);
    if (run.last_printed_at && !state.clock.elapsed(*run.last_printed_at, interval)) return;
    run.last_printed_at = state.clock.now();
    ++run.printed;
}

}  // namespace tarvolux::sim
