#include "ctl/subcommand.h"

namespace ctl {

extern const Subcommand INFO_COMMAND;
extern const Subcommand SAVE_CONFIG_COMMAND;
extern const Subcommand LOAD_CONFIG_COMMAND;
extern const Subcommand BACKUP_COMMAND;
extern const Subcommand RESTORE_COMMAND;
extern const Subcommand MEASURE_COMMAND;
extern const Subcommand DATALOGGER_READ_COMMAND;

const std::vector<const Subcommand*>& subcommands() {
    static const std::vector<const Subcommand*> table{
        &INFO_COMMAND,    &SAVE_CONFIG_COMMAND, &LOAD_CONFIG_COMMAND,     &BACKUP_COMMAND,
        &RESTORE_COMMAND, &MEASURE_COMMAND,     &DATALOGGER_READ_COMMAND,
    };
    return table;
}

}  // namespace ctl
