#include "app/embedded_simulation.h"

#include "app/interface_setup.h"
#include "settings/com_setup.h"

namespace app {

bool EmbeddedSimulation::start(Simulation kind, std::string& error) {
    if (kind == Simulation::None) return true;
    auto transport = kind == Simulation::Rs232 ? tools::SimulatedTransport::Rs232
                                               : tools::SimulatedTransport::Gpib;
    if (!instrument_.start(transport, settings::SIMULATED_COM_PORT, error)) return false;
    kind_ = kind;
    set_simulation_active(true);
    return true;
}

void EmbeddedSimulation::select_interface() const {
    if (kind_ != Simulation::None) settings::select_simulated_interface(kind_ == Simulation::Gpib);
}

}  // namespace app
