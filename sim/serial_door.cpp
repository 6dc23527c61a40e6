#include "sim/serial_door.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "sim/instrument.h"
#include "sim/pseudo_terminal.h"

namespace tarvolux::sim {

namespace {

// How long an answer may wait for a client that does not read before it is dropped.
constexpr int SEND_PATIENCE_MS = 2000;

// A paced answer goes out in pieces of about this many seconds of line time.
constexpr double PACING_SLICE = 0.002;
constexpr int BITS_PER_BYTE = 10;

int baud_of(speed_t speed) {
    switch (speed) {
        case B1200:
            return 1200;
        case B2400:
            return 2400;
        case B4800:
            return 4800;
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        case B57600:
            return 57600;
        case B115200:
            return 115200;
        default:
            return 0;
    }
}

}  // namespace

SerialDoor::SerialDoor(std::shared_ptr<Instrument> instrument)
    : instrument_(std::move(instrument)) {}

SerialDoor::~SerialDoor() {
    stop();
}

void SerialDoor::start() {
    std::lock_guard lock(mutex_);
    if (thread_.joinable()) return;
    auto pty = std::make_unique<PseudoTerminal>();
    if (pipe2(wake_, O_CLOEXEC) != 0)
        throw std::system_error(errno, std::generic_category(), "pipe");
    pty_ = std::move(pty);
    thread_ = std::thread([this] { serve(); });
}

void SerialDoor::stop() {
    std::unique_lock lock(mutex_);
    if (!thread_.joinable()) return;
    const char wake = 1;
    (void)!write(wake_[1], &wake, 1);
    std::thread thread = std::move(thread_);
    lock.unlock();
    thread.join();
    lock.lock();
    remove_link();
    close(wake_[0]);
    close(wake_[1]);
    wake_[0] = wake_[1] = -1;
    pty_.reset();
}

bool SerialDoor::running() const {
    std::lock_guard lock(mutex_);
    return thread_.joinable();
}

std::string SerialDoor::slave_path() const {
    std::lock_guard lock(mutex_);
    return pty_ ? pty_->slave_path() : std::string{};
}

void SerialDoor::place_link(const std::filesystem::path& link) {
    namespace fs = std::filesystem;
    std::lock_guard lock(mutex_);
    if (!pty_) throw fs::filesystem_error("door not started", link, std::error_code{});
    const fs::file_status status = fs::symlink_status(link);
    if (fs::exists(status)) {
        if (!fs::is_symlink(status))
            throw fs::filesystem_error("not a symbolic link", link,
                                       std::make_error_code(std::errc::file_exists));
        fs::remove(link);
    }
    fs::create_symlink(pty_->slave_path(), link);
    if (link_ != link) remove_link();
    link_ = link;
}

void SerialDoor::remove_link() {
    namespace fs = std::filesystem;
    if (link_.empty()) return;
    std::error_code ec;
    // Only our own link goes: someone may have pointed the name elsewhere meanwhile.
    if (pty_ && fs::is_symlink(fs::symlink_status(link_, ec)) &&
        fs::read_symlink(link_, ec) == pty_->slave_path())
        fs::remove(link_, ec);
    link_.clear();
}

void SerialDoor::set_line_pacing(bool on) {
    pacing_ = on;
}

bool SerialDoor::line_pacing() const {
    return pacing_;
}

std::uint64_t SerialDoor::bytes_received() const {
    return received_;
}

std::uint64_t SerialDoor::bytes_sent() const {
    return sent_;
}

double SerialDoor::byte_time() const {
    if (!pacing_) return 0.0;
    // The pseudo-terminal's master sees the settings the client made on its side.
    termios settings{};
    if (tcgetattr(pty_->master(), &settings) != 0) return 0.0;
    const int baud = baud_of(cfgetospeed(&settings));
    return baud > 0 ? static_cast<double>(BITS_PER_BYTE) / baud : 0.0;
}

bool SerialDoor::wait_until(std::chrono::steady_clock::time_point when) {
    for (;;) {
        const auto left = when - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero()) return true;
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        const timespec timeout{static_cast<time_t>(ns / 1000000000),
                               static_cast<long>(ns % 1000000000)};
        pollfd wake{wake_[0], POLLIN, 0};
        const int ready = ppoll(&wake, 1, &timeout, nullptr);
        if (ready > 0) return false;
        if (ready < 0 && errno != EINTR) return false;
    }
}

void SerialDoor::serve() {
    BlockProtocol protocol(*instrument_, faults_);
    const int master = pty_->master();
    char buffer[512];
    for (;;) {
        pollfd fds[2] = {{master, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[1].revents) return;
        if (!(fds[0].revents & POLLIN)) {
            // No data but an error state: wait on the wake pipe alone for a moment
            // instead of spinning on a master that keeps reporting it.
            poll(&fds[1], 1, 10);
            if (fds[1].revents) return;
            continue;
        }
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0) continue;
        received_ += static_cast<std::uint64_t>(n);
        if (const double seconds = byte_time(); seconds > 0) {
            // The bytes have arrived once the line has carried them.
            using namespace std::chrono;
            input_free_ = std::max(input_free_, steady_clock::now()) +
                          duration_cast<steady_clock::duration>(duration<double>(seconds * n));
            if (!wait_until(input_free_)) return;
        }
        const std::string reply = protocol.receive(std::string_view(buffer, n));
        if (!reply.empty()) send(reply);
    }
}

void SerialDoor::send(const std::string& bytes) {
    const double seconds = byte_time();
    if (seconds <= 0) {
        write_all(bytes);
        return;
    }
    // Piece by piece, each handed over when the line would have carried it.
    using namespace std::chrono;
    const std::size_t slice =
        std::max<std::size_t>(1, static_cast<std::size_t>(PACING_SLICE / seconds));
    // On schedule from the start of the answer: a piece handed over late does not
    // delay the pieces behind it.
    output_free_ = std::max(output_free_, steady_clock::now());
    for (std::size_t done = 0; done < bytes.size(); done += slice) {
        const std::size_t count = std::min(slice, bytes.size() - done);
        output_free_ += duration_cast<steady_clock::duration>(duration<double>(seconds * count));
        if (!wait_until(output_free_)) return;
        write_all(std::string_view(bytes).substr(done, count));
    }
}

void SerialDoor::write_all(std::string_view bytes) {
    const int master = pty_->master();
    sent_ += bytes.size();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(master, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return;
        // The client does not read: wait a while, then give the answer up.
        pollfd fds[2] = {{master, POLLOUT, 0}, {wake_[0], POLLIN, 0}};
        if (poll(fds, 2, SEND_PATIENCE_MS) <= 0 || fds[1].revents) return;
    }
}

}  // namespace tarvolux::sim
