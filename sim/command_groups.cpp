// The one list of the instrument's command groups: a new group is one more line here.
#include "sim/access_commands.h"
#include "sim/calibration_commands.h"
#include "sim/command_group.h"
#include "sim/common_commands.h"
#include "sim/comparator_commands.h"
#include "sim/datalogger_commands.h"
#include "sim/datalogger_readout.h"
#include "sim/display_commands.h"
#include "sim/measurement_commands.h"
#include "sim/memory_commands.h"
#include "sim/printer_commands.h"
#include "sim/range_commands.h"
#include "sim/status_commands.h"
#include "sim/system_commands.h"
#include "sim/temperature_commands.h"

namespace tarvolux::sim {

CommandGroups make_command_groups(const CommandGroups& all) {
    CommandGroups groups;
    groups.push_back(std::make_unique<CommonCommands>(all));
    groups.push_back(std::make_unique<StatusCommands>());
    groups.push_back(std::make_unique<MeasurementCommands>());
    groups.push_back(std::make_unique<RangeCommands>());
    groups.push_back(std::make_unique<DisplayCommands>());
    groups.push_back(std::make_unique<ComparatorCommands>());
    groups.push_back(std::make_unique<EnvelopeCommands>());
    groups.push_back(std::make_unique<TemperatureCommands>());
    groups.push_back(std::make_unique<DataloggerCommands>());
    groups.push_back(std::make_unique<DataloggerReadout>());
    groups.push_back(std::make_unique<PrinterCommands>());
    groups.push_back(std::make_unique<MemoryCommands>());
    groups.push_back(std::make_unique<AccessCommands>());
    groups.push_back(std::make_unique<SystemCommands>());
    groups.push_back(std::make_unique<CalibrationCommands>());
    return groups;
}

}  // namespace tarvolux::sim
