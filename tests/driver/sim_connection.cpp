#include "tests/driver/sim_connection.h"

#include "driver/zk7416.h"
#include "driver/zk7416_internal.h"
#include "platform/gpib_library.h"

namespace driver_test {

void reset_driver() {
    using namespace zk7416;
    for (int slot = 1; slot <= kSlots; ++slot) {
        if (instr_device[slot] > 0) zk7416_close_instr_gpib(slot);
        if (instr_port[slot] > 0) zk7416_close_instr_serial(slot);
        instr_device[slot] = 0;
        instr_address[slot] = 0;
        instr_port[slot] = 0;
    }
    tables_ready = 0;
}

SimConnection::SimConnection(Transport transport, tarvolux::sim::InstrumentOptions options)
    : transport_(transport),
      instrument_(std::make_shared<tarvolux::sim::Instrument>(std::move(options))) {
    reset_driver();
    if (transport == Transport::Rs232) {
        door_ = std::make_unique<tarvolux::sim::SerialDoor>(instrument_);
        door_->start();
        zk7416_set_com_device(kComPort, door_->slave_path().c_str());
    } else {
        auto& bus = tarvolux::sim::GpibBus::instance();
        bus.reset();
        bus.set_auto_attach(false);
        bus.attach(kGpibAddress, instrument_);
        // Time-outs of the 10-second code shrink to a tenth of a second.
        bus.set_timeout_scale(0.01);
        platform::gpib::use_library(GPIB_SIM_LIBRARY);
    }
}

SimConnection::~SimConnection() {
    reset_driver();
    if (door_) door_->stop();
    zk7416_set_com_device(kComPort, "");
    if (transport_ == Transport::Gpib) tarvolux::sim::GpibBus::instance().reset();
}

int32_t SimConnection::connect(int32_t reset) {
    char idn[300] = {};
    int32_t status = transport_ == Transport::Rs232
                         ? zk7416_init_serial(kComPort, 9600, kSerialTimeout, idn, reset, &handle_)
                         : zk7416_init_gpib(kGpibAddress, 13, reset, idn, &handle_);
    idn_ = idn;
    return status;
}

std::vector<std::string> SimConnection::log() const {
    return instrument_->command_log();
}

void SimConnection::clear_log() {
    instrument_->clear_logs();
}

}  // namespace driver_test
