#include "app/embedded_simulation.h"

#include "app/interface_setup.h"
#include "settings/records.h"

namespace app {

constexpr int kSimulatedComPort = 1;
constexpr int kSimulatedGpibAddress = 7;

bool EmbeddedSimulation::start(Simulation kind, std::string& error) {
    if (kind == Simulation::None) return true;
    auto transport = kind == Simulation::Rs232 ? tools::SimulatedTransport::Rs232
                                               : tools::SimulatedTransport::Gpib;
    if (!instrument_.start(transport, kSimulatedComPort, error)) return false;
    kind_ = kind;
    set_simulation_active(true);
    return true;
}

void EmbeddedSimulation::select_interface() const {
    if (kind_ == Simulation::Rs232) {
        rec::com.interface = 1;
        rec::com.com_port = kSimulatedComPort;
        if (rec::com.baud_rate < 1200 || rec::com.baud_rate > 38400) rec::com.baud_rate = 9600;
    } else if (kind_ == Simulation::Gpib) {
        rec::com.interface = 0;
        if (rec::com.gpib_address < 1 || rec::com.gpib_address > 30)
            rec::com.gpib_address = kSimulatedGpibAddress;
    }
}

}  // namespace app
