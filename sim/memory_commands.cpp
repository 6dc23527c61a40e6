#include "sim/memory_commands.h"

#include "sim/request.h"
#include "sim/value_format.h"

namespace tarvolux::sim {

Memories::Memories() {
    for (std::size_t i = 0; i < saved.size(); ++i)
        labels[i] = "MEMORY_" + two_digit_fields({static_cast<long>(i)});
    labels[DEFAULT_MEMORY] = "DEFAULT";
}

void MemoryCommands::install(Dispatcher& dispatcher) {
    using M = MemoryCommands;
    static const CommandSpec<M> table[] = {
        {"*SAV", &M::save},
        {"*RCL", &M::recall},
        {"MEMory:STATe:DEFine", &M::set_label},
        {"MEMory:STATe:NAME?", &M::read_label},
    };
    add_commands(dispatcher, *this, table);
}

// The default memory cannot be overwritten.
void MemoryCommands::save(Request& r) {
    if (const auto number = r.integer_arg(0, 0, DEFAULT_MEMORY - 1))
        r.state.memories.saved[static_cast<std::size_t>(*number)] = r.state.settings;
}

void MemoryCommands::recall(Request& r) {
    const auto number = r.integer_arg(0, 0, DEFAULT_MEMORY);
    if (!number) return;
    r.state.settings = *number == DEFAULT_MEMORY
                           ? StoredSettings{}
                           : r.state.memories.saved[static_cast<std::size_t>(*number)];
}

void MemoryCommands::set_label(Request& r) {
    const auto label = r.label_arg(0, LABEL_LENGTH_MAX);
    if (!label) return;
    if (const auto number = r.integer_arg(1, 0, DEFAULT_MEMORY))
        r.state.memories.labels[static_cast<std::size_t>(*number)] = std::string(*label);
}

void MemoryCommands::read_label(Request& r) {
    if (const auto number = r.integer_arg(0, 0, DEFAULT_MEMORY))
        r.reply(r.state.memories.labels[static_cast<std::size_t>(*number)]);
}

}  // namespace tarvolux::sim
