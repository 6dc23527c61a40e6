// The driver connected to the simulated instrument through one of its real doors: a
// pseudo-terminal for RS-232, the GPIB simulation library bound by the driver's own
// loader. Tests assert what reached the instrument from its command log.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "sim/gpib_bus.h"
#include "sim/instrument.h"
#include "sim/serial_door.h"

namespace driver_test {

enum class Transport { Rs232, Gpib };

inline void PrintTo(Transport t, std::ostream* os) {
    *os << (t == Transport::Rs232 ? "Rs232" : "Gpib");
}
inline std::string transport_name(const ::testing::TestParamInfo<Transport>& info) {
    return info.param == Transport::Rs232 ? "Rs232" : "Gpib";
}

constexpr int kGpibAddress = 7;
constexpr int kComPort = 1;
// Short enough to keep time-out tests quick, long enough for a loaded machine.
constexpr double kSerialTimeout = 1.0;

// Closes every slot the driver holds and makes its next init start from empty tables.
void reset_driver();

class SimConnection {
  public:
    explicit SimConnection(Transport transport, tarvolux::sim::InstrumentOptions options = {});
    ~SimConnection();

    // Opens the driver's connection; returns the init status.
    int32_t connect(int32_t reset = 0);
    int32_t handle() const { return handle_; }
    const std::string& idn() const { return idn_; }
    Transport transport() const { return transport_; }

    tarvolux::sim::Instrument& instrument() { return *instrument_; }
    std::shared_ptr<tarvolux::sim::Instrument> instrument_ptr() { return instrument_; }
    tarvolux::sim::SerialDoor& serial_door() { return *door_; }
    tarvolux::sim::GpibBus& bus() { return tarvolux::sim::GpibBus::instance(); }

    // Command lines the instrument received since the last clear_log().
    std::vector<std::string> log() const;
    void clear_log();

  private:
    Transport transport_;
    std::shared_ptr<tarvolux::sim::Instrument> instrument_;
    std::unique_ptr<tarvolux::sim::SerialDoor> door_;
    int32_t handle_ = 0;
    std::string idn_;
};

}  // namespace driver_test
