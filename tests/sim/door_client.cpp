#include "door_client.h"

#include <gtest/gtest.h>

#include "block_client.h"
#include "gpib_door_fixture.h"
#include "sim/block_protocol.h"
#include "sim/gpib_bus.h"
#include "sim/serial_door.h"

namespace sim_test {

using tarvolux::sim::GpibBus;
using tarvolux::sim::Instrument;

namespace {

class SerialClient final : public DoorClient {
  public:
    explicit SerialClient(std::shared_ptr<Instrument> inst) : door_(inst) {
        instrument = std::move(inst);
        door_.start();
        client_ = std::make_unique<BlockClient>(door_.slave_path());
    }

    void send(const std::string& line) override {
        EXPECT_EQ(client_->command(line), std::string(1, tarvolux::sim::ctl::ACK)) << line;
    }
    std::string query(const std::string& line) override { return client_->query(line); }

  private:
    tarvolux::sim::SerialDoor door_;
    std::unique_ptr<BlockClient> client_;
};

class GpibClient final : public DoorClient {
  public:
    explicit GpibClient(std::shared_ptr<Instrument> inst) : ud_(attach_alone(inst)) {
        instrument = std::move(inst);
    }
    ~GpibClient() override { GpibBus::instance().reset(); }

    void send(const std::string& line) override {
        EXPECT_EQ(gpib_write(ud_, line) & ni488::ERR, 0) << line;
    }
    std::string query(const std::string& line) override { return gpib_query(ud_, line); }

  private:
    int ud_;
};

}  // namespace

DoorKind serial_door_kind() {
    return {"rs232", [](std::shared_ptr<Instrument> i) -> std::unique_ptr<DoorClient> {
                return std::make_unique<SerialClient>(std::move(i));
            }};
}

DoorKind gpib_door_kind() {
    return {"gpib", [](std::shared_ptr<Instrument> i) -> std::unique_ptr<DoorClient> {
                return std::make_unique<GpibClient>(std::move(i));
            }};
}

}  // namespace sim_test
