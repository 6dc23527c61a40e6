#include "sim/status_commands.h"

#include <cstdio>

#include "sim/request.h"

namespace tarvolux::sim {

namespace {

constexpr auto OPER = EventRegisterId::Operation;
constexpr auto QUES = EventRegisterId::Questionable;

}  // namespace

void StatusCommands::install(Dispatcher& dispatcher) {
    using S = StatusCommands;
    static const CommandSpec<S> table[] = {
        {"SYSTem:ERRor?|SYSTem:ERRor:NEXT?", &S::read_error},
        {"STATus:PRESet", &S::preset},
        {"STATus:OPERation:CONDition?|S:O:C?", &S::read_condition<OPER>},
        {"STATus:OPERation?|STATus:OPERation:EVENt?", &S::read_event<OPER>},
        {"STATus:OPERation:ENABle", &S::set_enable<OPER>},
        {"STATus:OPERation:ENABle?", &S::read_enable<OPER>},
        {"STATus:QUEStionable:CONDition?", &S::read_condition<QUES>},
        {"STATus:QUEStionable?|STATus:QUEStionable:EVENt?", &S::read_event<QUES>},
        {"STATus:QUEStionable:ENABle", &S::set_enable<QUES>},
        {"STATus:QUEStionable:ENABle?", &S::read_enable<QUES>},
        {"STATus:QUEStionable:FRESistance?|STATus:QUEStionable:FRESistance:CONDition?",
         &S::read_resistance_causes},
    };
    add_commands(dispatcher, *this, table);
}

void StatusCommands::read_error(Request& r) {
    r.reply(format_error(r.state.errors.pop()));
}

void StatusCommands::preset(Request& r) {
    r.state.status.preset();
}

void StatusCommands::read_resistance_causes(Request& r) {
    // The driver reads this register in hexadecimal.
    char text[8];
    std::snprintf(text, sizeof text, "%X",
                  static_cast<unsigned>(r.state.status.resistance_causes()));
    r.reply(text);
}

template <EventRegisterId Reg>
void StatusCommands::read_condition(Request& r) {
    r.reply(std::to_string(r.state.status.condition(Reg)));
}

template <EventRegisterId Reg>
void StatusCommands::read_event(Request& r) {
    r.reply(std::to_string(r.state.status.take_event(Reg)));
}

template <EventRegisterId Reg>
void StatusCommands::set_enable(Request& r) {
    if (const auto value = r.integer_arg(0, 0, ENABLE_MAX))
        r.state.status.set_enable(Reg, static_cast<std::uint16_t>(*value));
}

template <EventRegisterId Reg>
void StatusCommands::read_enable(Request& r) {
    r.reply(std::to_string(r.state.status.enable(Reg)));
}

}  // namespace tarvolux::sim
