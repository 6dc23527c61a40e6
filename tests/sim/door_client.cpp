#include "door_client.h"

#include <gtest/gtest.h>

#include "block_client.h"
#include "gpib_library.h"
#include "platform/ni488.h"
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

constexpr int TEST_PAD = 7;

class GpibClient final : public DoorClient {
  public:
    explicit GpibClient(std::shared_ptr<Instrument> inst) : lib_(GpibLibrary::get()) {
        instrument = inst;
        GpibBus::instance().reset();
        GpibBus::instance().set_auto_attach(false);
        GpibBus::instance().set_timeout_scale(0);
        GpibBus::instance().attach(TEST_PAD, inst);
        ud_ = lib_.ibdev(0, TEST_PAD, 0, ni488::T10s, 1, ni488::REOS | '\n');
    }
    ~GpibClient() override { GpibBus::instance().reset(); }

    void send(const std::string& line) override {
        const std::string message = line + "\n";
        EXPECT_FALSE(lib_.ibwrt(ud_, message.data(), static_cast<long>(message.size())) &
                     ni488::ERR)
            << line;
    }
    std::string query(const std::string& line) override {
        send(line);
        char buffer[400];
        const int sta = lib_.ibrd(ud_, buffer, sizeof buffer);
        if (sta & ni488::ERR) return "<read failed>";
        const std::string answer(buffer, static_cast<std::size_t>(*lib_.ibcntl));
        EXPECT_EQ(answer.substr(answer.size() < 2 ? 0 : answer.size() - 2), "\r\n") << line;
        return answer.substr(0, answer.size() < 2 ? 0 : answer.size() - 2);
    }

  private:
    GpibLibrary& lib_;
    int ud_ = -1;
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
