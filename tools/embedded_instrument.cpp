#include "tools/embedded_instrument.h"

#include <exception>

#include "driver/zk7416.h"
#include "platform/gpib_library.h"
#include "sim/instrument.h"
#include "sim/library_path.h"
#include "sim/serial_door.h"
#include "ui/translatable.h"

namespace tools {

EmbeddedInstrument::EmbeddedInstrument() = default;

EmbeddedInstrument::~EmbeddedInstrument() { stop(); }

bool EmbeddedInstrument::start(SimulatedTransport transport, int com_port, std::string& error) {
    try {
        if (transport == SimulatedTransport::Rs232) {
            instrument_ = std::make_shared<tarvolux::sim::Instrument>();
            door_ = std::make_unique<tarvolux::sim::SerialDoor>(instrument_);
            door_->set_line_pacing(line_pacing_);
            door_->start();
            com_port_ = com_port;
            zk7416_set_com_device(com_port, door_->slave_path().c_str());
            return true;
        }
        std::string library = tarvolux::sim::gpib_library_path();
        if (library.empty()) {
            error = UI_TEXT("ohm7416", "Die GPIB-Simulationsbibliothek wurde nicht gefunden.");
            return false;
        }
        platform::gpib::use_library(library);
        return true;
    } catch (const std::exception& e) {
        error = ui::compose(
            UI_TEXT("ohm7416", "Das simulierte Gerät konnte nicht gestartet werden:\n%1"),
            e.what());
        return false;
    }
}

void EmbeddedInstrument::stop() {
    if (door_) {
        door_->stop();
        door_.reset();
        zk7416_set_com_device(com_port_, "");
    }
}

}  // namespace tools
