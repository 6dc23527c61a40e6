#include "sim/access_commands.h"

#include "sim/setting_commands.h"

namespace tarvolux::sim {

namespace {

// In the order of AccessLock.
constexpr const char* LOCK_PATTERNS[ACCESS_LOCK_COUNT] = {
    "ACCess:MEASurement",
    "ACCess:EXPRession",
    "ACCess:PRINter",
    "ACCess:COMParator",
    "ACCess:CONTinuous",
    "ACCess:MEMory",
    "ACCess:COMMunicate",
    "ACCess:STATus",
    "ACCess:REGister",
    "ACCess:SCALe",
    "ACCess:DATalogger",
    "ACCess:CALibration",
    "ACCess:DATE",
    "ACCess:FAST",
    "ACCess:LIMit:CONFig",
    "ACCess:LIMit:EVALuate",
    "ACCess:ENVelope:CONFig",
    "ACCess:ENVelope:EVALuate",
    "ACCess:MANRange",
};

}  // namespace

void AccessCommands::install(Dispatcher& dispatcher) {
    for (std::size_t i = 0; i < ACCESS_LOCK_COUNT; ++i) {
        add_flag_setting(dispatcher, LOCK_PATTERNS[i],
                         [i](InstrumentState& s) -> bool& { return s.settings.access.locks[i]; });
    }
}

void AccessCommands::reset(InstrumentState& state) {
    state.settings.access = {};
}

}  // namespace tarvolux::sim
