#include "tests/driver/wire_faults.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "driver/zk7416.h"
#include "sim/block_protocol.h"
#include "sim/gpib_bus.h"

namespace driver_test {

int32_t refuse_after(SimConnection& sim, std::size_t n) {
    constexpr int kForever = 1000;
    auto refuse = [&sim] {
        if (sim.transport() == Transport::Rs232)
            sim.serial_door().faults().arm(tarvolux::sim::SerialFault::NakCommand, kForever);
        else
            sim.bus().faults().arm(tarvolux::sim::GpibFault::WriteError, kForever);
    };
    if (n == 0) {
        refuse();
    } else {
        auto seen = std::make_shared<std::size_t>(0);
        sim.instrument().set_command_listener([seen, n, refuse](const std::string&) {
            if (++*seen == n) refuse();
        });
    }
    return sim.transport() == Transport::Rs232 ? ZK7416_NAK : ZK7416_ERR_WRITE;
}

void script(SimConnection& sim, const std::string& header, const std::string& text) {
    // Upper case is the plain spelling of a header in the simulator's notation.
    std::string pattern = header;
    std::transform(pattern.begin(), pattern.end(), pattern.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    sim.instrument().script_answer(pattern, text);
}

}  // namespace driver_test
