#include "app/embedded_simulation.h"

#include <exception>

#include "app/interface_setup.h"
#include "driver/zk7416.h"
#include "platform/gpib_library.h"
#include "settings/records.h"
#include "sim/instrument.h"
#include "sim/library_path.h"
#include "sim/serial_door.h"

namespace app {

constexpr int kSimulatedComPort = 1;
constexpr int kSimulatedGpibAddress = 7;

EmbeddedSimulation::EmbeddedSimulation() = default;

EmbeddedSimulation::~EmbeddedSimulation() {
    if (door_) door_->stop();
}

bool EmbeddedSimulation::start(Simulation kind, std::string& error) {
    if (kind == Simulation::None) return true;
    try {
        if (kind == Simulation::Rs232) {
            instrument_ = std::make_shared<tarvolux::sim::Instrument>();
            door_ = std::make_unique<tarvolux::sim::SerialDoor>(instrument_);
            door_->start();
            zk7416_set_com_device(kSimulatedComPort, door_->slave_path().c_str());
        } else {
            std::string library = tarvolux::sim::gpib_library_path();
            if (library.empty()) {
                error = "Die GPIB-Simulationsbibliothek wurde nicht gefunden.";
                return false;
            }
            platform::gpib::use_library(library);
        }
    } catch (const std::exception& e) {
        error = std::string("Das simulierte Gerät konnte nicht gestartet werden:\n") + e.what();
        return false;
    }
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
