// The driver connected to a fresh simulated instrument, over one transport or over both
// in turn; the init lines are cleared from the log, so a test sees only its own.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/driver/sim_connection.h"
#include "tests/driver/wire_faults.h"

namespace driver_test {

using Lines = std::vector<std::string>;

// Names each case of a table after its `name`.
inline constexpr auto case_name = [](const auto& info) { return std::string(info.param.name); };

class Connected {
  protected:
    void connect(Transport transport) {
        sim = std::make_unique<SimConnection>(transport);
        ASSERT_EQ(sim->connect(), 0);
        sim->clear_log();
    }
    int32_t handle() const { return sim->handle(); }
    Lines log() const { return sim->log(); }
    void clear_log() { sim->clear_log(); }
    void answer(const std::string& header, const std::string& text) { script(*sim, header, text); }

    std::unique_ptr<SimConnection> sim;
};

template <Transport T>
class ConnectedOver : public ::testing::Test, public Connected {
  protected:
    void SetUp() override { connect(T); }
};
using OnGpib = ConnectedOver<Transport::Gpib>;
using OnRs232 = ConnectedOver<Transport::Rs232>;

class DriverOnSim : public ::testing::TestWithParam<Transport>, public Connected {
  protected:
    void SetUp() override { connect(GetParam()); }
};

#define DRIVER_ON_BOTH_TRANSPORTS(Suite)                                                    \
    INSTANTIATE_TEST_SUITE_P(                                                               \
        Transports, Suite,                                                                  \
        ::testing::Values(::driver_test::Transport::Rs232, ::driver_test::Transport::Gpib), \
        ::driver_test::transport_name)

}  // namespace driver_test
