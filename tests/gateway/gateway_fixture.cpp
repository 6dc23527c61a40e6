#include "tests/gateway/gateway_fixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace gateway_test {

Client::Client(int port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        ADD_FAILURE() << "no connection to the gateway";
}

Client::~Client() {
    ::close(fd_);
}

void Client::send(const std::string& bytes) {
    ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

std::optional<std::string> Client::line(double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        if (auto lf = pending_.find('\n'); lf != std::string::npos) {
            std::string line = pending_.substr(0, lf);
            pending_.erase(0, lf + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        pollfd fd{fd_, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&fd, 1, static_cast<int>(left.count())) <= 0)
            return std::nullopt;
        char buffer[512];
        ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
        if (n <= 0) return std::nullopt;
        pending_.append(buffer, static_cast<std::size_t>(n));
    }
}

bool Client::closed_by_gateway(double seconds) {
    pollfd fd{fd_, POLLIN, 0};
    if (::poll(&fd, 1, static_cast<int>(seconds * 1000)) <= 0) return false;
    char byte = 0;
    return ::recv(fd_, &byte, 1, 0) <= 0;
}

void GatewayTest::start(gateway::ServerOptions options) {
    sim_ = std::make_unique<driver_test::SimConnection>(GetParam());
    ASSERT_EQ(sim_->connect(), 0);
    sim_->clear_log();
    forwarder_ = std::make_unique<gateway::Forwarder>(sim_->handle());
    options.port = 0;
    server_ = std::make_unique<gateway::Server>(options, *forwarder_, [this](const std::string& s) {
        std::lock_guard lock(log_mutex_);
        log_.push_back(s);
    });
    ASSERT_EQ(::pipe(stop_), 0);
    thread_ = std::thread([this] { server_->run(stop_[0]); });
}

void GatewayTest::TearDown() {
    if (thread_.joinable()) {
        ASSERT_EQ(::write(stop_[1], "x", 1), 1);
        thread_.join();
    }
    ::close(stop_[0]);
    ::close(stop_[1]);
    server_.reset();
    sim_.reset();
}

std::size_t GatewayTest::logged(const std::string& part) {
    std::lock_guard lock(log_mutex_);
    std::size_t n = 0;
    for (const std::string& line : log_) n += line.find(part) != std::string::npos;
    return n;
}

}  // namespace gateway_test
