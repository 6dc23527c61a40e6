#include "fuzz/fake_line.h"

#include <deque>

#include "platform/serial_port.h"

namespace fuzz {
namespace {

struct Line {
    bool open[platform::kMaxComPort + 1] = {};
    std::deque<unsigned char> waiting;
    std::string written;
    LineResponder responder;
};

Line line;
int last_error = 0;

int fail(int code) {
    last_error = code;
    return code;
}

int ok(int value = 0) {
    last_error = 0;
    return value;
}

bool is_open(int port) {
    return port >= 1 && port <= platform::kMaxComPort && line.open[port];
}

}  // namespace

void fake_line_reset(LineResponder responder) {
    line.waiting.clear();
    line.written.clear();
    line.responder = std::move(responder);
}

const std::string& fake_line_written() {
    return line.written;
}

}  // namespace fuzz

namespace platform {

using fuzz::fail;
using fuzz::is_open;
using fuzz::line;
using fuzz::ok;

int OpenComConfig(int port, const char*, long, int, int, int, int, int) {
    if (port < 1 || port > kMaxComPort) return fail(kRs232InvalidPort);
    line.open[port] = true;
    line.waiting.clear();
    return ok();
}

int CloseCom(int port) {
    if (!is_open(port)) return fail(kRs232PortNotOpen);
    line.open[port] = false;
    return ok();
}

int SetComTime(int port, double) {
    return is_open(port) ? ok() : fail(kRs232PortNotOpen);
}

int FlushInQ(int port) {
    if (!is_open(port)) return fail(kRs232PortNotOpen);
    line.waiting.clear();
    return ok();
}

int ComWrt(int port, const char* buffer, int count) {
    if (!is_open(port)) return fail(kRs232PortNotOpen);
    if (!buffer || count < 0) return fail(kRs232InvalidParameter);
    std::string_view bytes(buffer, static_cast<std::size_t>(count));
    line.written.append(bytes);
    if (line.responder) {
        std::string reply = line.responder(bytes);
        line.waiting.insert(line.waiting.end(), reply.begin(), reply.end());
    }
    return ok(count);
}

int ComWrtByte(int port, int byte) {
    char c = static_cast<char>(byte & 0xFF);
    int r = ComWrt(port, &c, 1);
    return r < 0 ? r : ok(1);
}

int ComRdByte(int port) {
    if (!is_open(port)) return fail(kRs232PortNotOpen);
    if (line.waiting.empty()) return fail(kRs232TimeOut);
    int c = line.waiting.front();
    line.waiting.pop_front();
    return ok(c);
}

int ComRdTerm(int port, char* buffer, int count, int terminator) {
    if (!is_open(port)) return fail(kRs232PortNotOpen);
    if (!buffer || count < 0) return fail(kRs232InvalidParameter);
    int stored = 0;
    while (stored < count) {
        if (line.waiting.empty()) {
            fuzz::last_error = kRs232TimeOut;
            return stored;
        }
        int c = line.waiting.front();
        line.waiting.pop_front();
        if (c == (terminator & 0xFF)) break;
        buffer[stored++] = static_cast<char>(c);
    }
    return ok(stored);
}

int GetRs232Err() {
    return fuzz::last_error;
}

std::string com_device_path(int port) {
    return "/dev/null/fake-com" + std::to_string(port);
}
void set_com_device_path(int, const std::string&) {}
std::vector<std::string> list_serial_devices() {
    return {};
}

}  // namespace platform
