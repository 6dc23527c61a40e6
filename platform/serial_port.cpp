#include "platform/serial_port.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

namespace platform {
namespace {

// Bytes read from the device but not yet taken by a caller. A read takes whatever has
// arrived (a whole answer block, usually) in one system call; the calls that read one
// byte or up to a terminator are then served from here.
struct ReceiveBuffer {
    std::array<unsigned char, 512> bytes{};
    std::size_t begin = 0;
    std::size_t end = 0;

    bool empty() const { return begin == end; }
    unsigned char take() { return bytes[begin++]; }
    void clear() { begin = end = 0; }
};

struct Port {
    int fd = -1;
    double timeout_s = 10.0;
    ReceiveBuffer received;
};

std::array<Port, kMaxComPort + 1> ports;  // index 0 unused
std::map<int, std::string> mapped_paths;
std::mutex map_mutex;
thread_local int last_error = 0;

int fail(int code) {
    last_error = code;
    return code;
}

int ok(int value = 0) {
    last_error = 0;
    return value;
}

bool valid_port(int port) { return port >= 1 && port <= kMaxComPort; }

// Port lookup shared by every I/O call: the fd, or a recorded error.
int open_fd(int port) {
    if (!valid_port(port)) return fail(kRs232InvalidPort);
    if (ports[port].fd < 0) return fail(kRs232PortNotOpen);
    return ports[port].fd;
}

speed_t speed_of(long baud) {
    switch (baud) {
        case 300: return B300;
        case 600: return B600;
        case 1200: return B1200;
        case 2400: return B2400;
        case 4800: return B4800;
        case 9600: return B9600;
        case 19200: return B19200;
        case 38400: return B38400;
        case 57600: return B57600;
        case 115200: return B115200;
        default: return 0;
    }
}

using Clock = std::chrono::steady_clock;

// Milliseconds left until `deadline`, for poll(); 0 once it has passed.
int remaining_ms(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(std::min<long long>(left.count(), 1 << 30)) : 0;
}

Clock::time_point deadline_for(int port) {
    double s = ports[port].timeout_s;
    return Clock::now() + std::chrono::microseconds(static_cast<long long>(s * 1e6));
}

// Waits for `events` on fd until the deadline. 1 = ready, 0 = time-out, <0 = error.
int wait_for(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        int r = ::poll(&p, 1, remaining_ms(deadline));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return -1;
        if (r == 0) return 0;
        if (p.revents & (POLLERR | POLLNVAL)) return -1;
        return 1;
    }
}

// Reads one byte before the deadline: the byte, kRs232TimeOut or kRs232IoError. When
// the port's buffer is empty, everything that has arrived is read into it at once.
int read_one(Port& port, Clock::time_point deadline) {
    ReceiveBuffer& buffer = port.received;
    while (buffer.empty()) {
        int w = wait_for(port.fd, POLLIN, deadline);
        if (w == 0) return kRs232TimeOut;
        if (w < 0) return kRs232IoError;
        ssize_t n = ::read(port.fd, buffer.bytes.data(), buffer.bytes.size());
        if (n > 0) {
            buffer.begin = 0;
            buffer.end = static_cast<std::size_t>(n);
            break;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (n == 0) {
            // A hung-up line reads as end of file; wait out the time-out like silence.
            if (remaining_ms(deadline) == 0) return kRs232TimeOut;
            ::usleep(1000);
            continue;
        }
        return kRs232IoError;
    }
    return buffer.take();
}

}  // namespace

int OpenComConfig(int port, const char* device_name, long baud, int parity, int data_bits,
                  int stop_bits, int /*input_queue*/, int /*output_queue*/) {
    if (!valid_port(port)) return fail(kRs232InvalidPort);
    speed_t speed = speed_of(baud);
    if (speed == 0) return fail(kRs232InvalidBaudRate);
    if (parity < 0 || parity > 2 || data_bits < 5 || data_bits > 8 || stop_bits < 1 ||
        stop_bits > 2)
        return fail(kRs232InvalidParameter);

    if (ports[port].fd >= 0) {
        ::close(ports[port].fd);
        ports[port].fd = -1;
    }
    ports[port].received.clear();
    std::string path =
        (device_name && *device_name) ? std::string(device_name) : com_device_path(port);
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail(kRs232CannotOpenPort);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return fail(kRs232PortBusy);
    }

    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        ::close(fd);
        return fail(kRs232CannotOpenPort);
    }
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= CLOCAL | CREAD;
    static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag |= sizes[data_bits - 5];
    if (parity == 1) tio.c_cflag |= PARENB | PARODD;
    if (parity == 2) tio.c_cflag |= PARENB;
    if (stop_bits == 2) tio.c_cflag |= CSTOPB;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        ::close(fd);
        return fail(kRs232InvalidParameter);
    }
    ::tcflush(fd, TCIOFLUSH);
    ports[port].fd = fd;
    ports[port].timeout_s = 10.0;
    return ok();
}

int CloseCom(int port) {
    int fd = open_fd(port);
    if (fd < 0) return fd;
    ::close(fd);
    ports[port].fd = -1;
    ports[port].received.clear();
    return ok();
}

int SetComTime(int port, double seconds) {
    int fd = open_fd(port);
    if (fd < 0) return fd;
    if (!(seconds >= 0.0) || !std::isfinite(seconds)) return fail(kRs232InvalidParameter);
    ports[port].timeout_s = seconds;
    return ok();
}

int FlushInQ(int port) {
    int fd = open_fd(port);
    if (fd < 0) return fd;
    ports[port].received.clear();
    ::tcflush(fd, TCIFLUSH);
    // A pseudo-terminal may still hold bytes the kernel moved past the flush point;
    // drain whatever is readable right now so the flush means "nothing is waiting".
    // Bounded, so a line that never stops sending cannot hold the caller here.
    char scratch[256];
    for (int i = 0; i < 256 && ::read(fd, scratch, sizeof scratch) > 0; ++i) {
    }
    return ok();
}

int ComWrt(int port, const char* buffer, int count) {
    int fd = open_fd(port);
    if (fd < 0) return fd;
    if (!buffer || count < 0) return fail(kRs232InvalidParameter);
    auto deadline = deadline_for(port);
    int written = 0;
    while (written < count) {
        ssize_t n = ::write(fd, buffer + written, static_cast<size_t>(count - written));
        if (n > 0) {
            written += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return fail(kRs232IoError);
        int w = wait_for(fd, POLLOUT, deadline);
        if (w == 0) return fail(kRs232TimeOut);
        if (w < 0) return fail(kRs232IoError);
    }
    // Written means queued for sending, as with the original serial library: the
    // answer's time-out that follows covers the few milliseconds the bytes take on the
    // line, so waiting here for the transmitter would only cost a system call per block.
    return ok(written);
}

int ComWrtByte(int port, int byte) {
    char c = static_cast<char>(byte & 0xFF);
    int r = ComWrt(port, &c, 1);
    return r < 0 ? r : ok(1);
}

int ComRdByte(int port) {
    int fd = open_fd(port);
    if (fd < 0) return fd;
    int r = read_one(ports[port], deadline_for(port));
    return r < 0 ? fail(r) : ok(r);
}

int ComRdTerm(int port, char* buffer, int count, int terminator) {
    int fd = open_fd(port);
    if (fd < 0) return fd;
    if (!buffer || count < 0) return fail(kRs232InvalidParameter);
    auto deadline = deadline_for(port);
    int stored = 0;
    while (stored < count) {
        int r = read_one(ports[port], deadline);
        if (r < 0) {
            last_error = r;
            return stored;
        }
        if (r == (terminator & 0xFF)) break;
        buffer[stored++] = static_cast<char>(r);
    }
    return ok(stored);
}

int GetRs232Err() { return last_error; }

std::string com_device_path(int port) {
    std::string var = "ZK7416_COM" + std::to_string(port);
    if (const char* env = std::getenv(var.c_str()); env && *env) return env;
    {
        std::lock_guard lock(map_mutex);
        auto it = mapped_paths.find(port);
        if (it != mapped_paths.end()) return it->second;
    }
    return "/dev/ttyS" + std::to_string(port - 1);
}

void set_com_device_path(int port, const std::string& path) {
    std::lock_guard lock(map_mutex);
    if (path.empty())
        mapped_paths.erase(port);
    else
        mapped_paths[port] = path;
}

std::vector<std::string> list_serial_devices() {
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/dev", ec)) {
        std::string name = entry.path().filename().string();
        if (name.rfind("ttyUSB", 0) == 0 || name.rfind("ttyACM", 0) == 0 ||
            name.rfind("ttyS", 0) == 0)
            found.push_back(entry.path().string());
    }
    for (const auto& entry : fs::directory_iterator("/dev/serial/by-id", ec))
        found.push_back(entry.path().string());
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace platform
