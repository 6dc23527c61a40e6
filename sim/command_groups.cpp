// The one list of the instrument's command groups: a new group is one more line here.
#include "sim/command_group.h"
#include "sim/common_commands.h"
#include "sim/status_commands.h"

namespace tarvolux::sim {

CommandGroups make_command_groups(const CommandGroups& all) {
    CommandGroups groups;
    groups.push_back(std::make_unique<CommonCommands>(all));
    groups.push_back(std::make_unique<StatusCommands>());
    return groups;
}

}  // namespace tarvolux::sim
