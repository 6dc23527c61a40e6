#include "block_client.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "sim/block_protocol.h"

namespace sim_test {

namespace ctl = tarvolux::sim::ctl;

namespace {

constexpr int SAFETY_MS = 5000;

}  // namespace

BlockClient::BlockClient(const std::string& path) {
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY);
    if (fd_ < 0) return;
    termios tio{};
    tcgetattr(fd_, &tio);
    cfmakeraw(&tio);
    cfsetspeed(&tio, B9600);
    tcsetattr(fd_, TCSANOW, &tio);
}

BlockClient::~BlockClient() {
    if (fd_ >= 0) close(fd_);
}

void BlockClient::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n <= 0) {
            ADD_FAILURE() << "write to the door failed";
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::string BlockClient::read(std::size_t n) {
    std::string out;
    while (out.size() < n) {
        pollfd fd{fd_, POLLIN, 0};
        if (poll(&fd, 1, SAFETY_MS) <= 0) break;
        char buffer[512];
        const ssize_t got = ::read(fd_, buffer, std::min(sizeof buffer, n - out.size()));
        if (got <= 0) break;
        out.append(buffer, static_cast<std::size_t>(got));
    }
    return out;
}

std::string BlockClient::read_until(char last) {
    std::string out;
    for (;;) {
        const std::string byte = read(1);
        if (byte.empty()) return out;
        out += byte;
        if (byte[0] == last) return out;
    }
}

std::string BlockClient::block(std::string_view line) {
    return std::string(1, ctl::STX) + std::string(line) + "\n" + std::string(1, ctl::ETX);
}

std::string BlockClient::command(std::string_view line) {
    write(block(line));
    return read(1);
}

std::string BlockClient::query(std::string_view line) {
    EXPECT_EQ(command(line), std::string(1, ctl::ACK)) << line;
    write(std::string(1, ctl::EOT));
    const std::string answer = read_until(ctl::ETX);
    write(std::string(1, ctl::ACK));
    EXPECT_EQ(read(1), std::string(1, ctl::EOT)) << "closing EOT after " << line;
    // STX answer CR LF ETX
    if (answer.size() < 4 || answer.front() != ctl::STX ||
        answer.substr(answer.size() - 3) != "\r\n\x03") {
        ADD_FAILURE() << "malformed answer block to " << line;
        return {};
    }
    return answer.substr(1, answer.size() - 4);
}

}  // namespace sim_test
