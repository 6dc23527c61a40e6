#include "sim/serial_door.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "sim/instrument.h"
#include "sim/pseudo_terminal.h"

namespace tarvolux::sim {

namespace {

// How long an answer may wait for a client that does not read before it is dropped.
constexpr int SEND_PATIENCE_MS = 2000;

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
        const std::string reply = protocol.receive(std::string_view(buffer, n));
        if (!reply.empty()) send(reply);
    }
}

void SerialDoor::send(const std::string& bytes) {
    const int master = pty_->master();
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
