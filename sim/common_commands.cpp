#include "sim/common_commands.h"

#include "sim/request.h"

namespace tarvolux::sim {

void CommonCommands::install(Dispatcher& dispatcher) {
    static const CommandSpec<CommonCommands> table[] = {
        {"*IDN?", &CommonCommands::identify},
        {"*RST", &CommonCommands::reset_all},
        {"*CLS", &CommonCommands::clear_all},
        {"*ESR?", &CommonCommands::read_event_status},
        {"*SRE", &CommonCommands::set_service_request_enable},
        {"*SRE?", &CommonCommands::read_service_request_enable},
    };
    add_commands(dispatcher, *this, table);
}

void CommonCommands::identify(Request& r) {
    r.reply(r.state.identity.answer());
}

void CommonCommands::reset_all(Request& r) {
    for (const auto& group : all_) group->reset(r.state);
}

void CommonCommands::clear_all(Request& r) {
    r.state.status.clear();
    r.state.errors.clear();
    for (const auto& group : all_) group->clear_status(r.state);
}

void CommonCommands::read_event_status(Request& r) {
    r.reply(std::to_string(r.state.status.take_standard_event()));
}

void CommonCommands::set_service_request_enable(Request& r) {
    if (const auto value = r.integer_arg(0, 0, 255))
        r.state.status.set_service_request_enable(static_cast<std::uint8_t>(*value));
}

void CommonCommands::read_service_request_enable(Request& r) {
    r.reply(std::to_string(r.state.status.service_request_enable()));
}

}  // namespace tarvolux::sim
