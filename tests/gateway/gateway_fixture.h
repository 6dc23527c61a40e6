// The gateway's server on a thread of its own, connected through the driver to the
// simulated instrument behind one of its doors, and TCP clients that talk to it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "gateway/forwarder.h"
#include "gateway/server.h"
#include "tests/driver/sim_connection.h"

namespace gateway_test {

// A client of the gateway on 127.0.0.1.
class Client {
  public:
    explicit Client(int port);
    ~Client();
    void send(const std::string& bytes);
    // The next line without its LF; nullopt when the gateway closed the connection or
    // nothing came within `seconds`.
    std::optional<std::string> line(double seconds = 5.0);
    // True when the gateway ends the connection within `seconds`.
    bool closed_by_gateway(double seconds = 5.0);
    std::string ask(const std::string& query) {
        send(query + "\n");
        return line().value_or("<nothing>");
    }

  private:
    int fd_ = -1;
    std::string pending_;
};

class GatewayTest : public ::testing::TestWithParam<driver_test::Transport> {
  protected:
    void SetUp() override { start(); }
    void TearDown() override;
    void start(gateway::ServerOptions options = {});

    // Log lines so far that contain `part`.
    std::size_t logged(const std::string& part);

    std::unique_ptr<driver_test::SimConnection> sim_;
    std::unique_ptr<gateway::Forwarder> forwarder_;
    std::unique_ptr<gateway::Server> server_;
    std::thread thread_;
    int stop_[2] = {-1, -1};
    std::mutex log_mutex_;
    std::vector<std::string> log_;
};

}  // namespace gateway_test
