#include "gateway/server.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace gateway {

namespace {

// "ADDR:PORT" of a socket address ("[ADDR]:PORT" for IPv6).
std::string endpoint_text(const sockaddr* address, socklen_t length) {
    char host[NI_MAXHOST] = {};
    char service[NI_MAXSERV] = {};
    if (getnameinfo(address, length, host, sizeof host, service, sizeof service,
                    NI_NUMERICHOST | NI_NUMERICSERV) != 0)
        return "?";
    const bool v6 = address->sa_family == AF_INET6;
    return (v6 ? "[" : "") + std::string(host) + (v6 ? "]:" : ":") + service;
}

std::string seconds_text(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", seconds);
    return text;
}

int milliseconds_until(std::chrono::steady_clock::time_point when) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        when - std::chrono::steady_clock::now());
    return left.count() < 0 ? 0 : static_cast<int>(left.count()) + 1;
}

}  // namespace

Server::Server(const ServerOptions& options, Forwarder& forwarder, Log log)
    : options_(options), forwarder_(forwarder), log_(std::move(log)) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(options.port);
    if (int e = getaddrinfo(options.listen.c_str(), service.c_str(), &hints, &found); e != 0)
        throw std::runtime_error("Adresse " + options.listen + " unbekannt: " + gai_strerror(e));
    std::string error;
    for (addrinfo* a = found; a && listen_fd_ < 0; a = a->ai_next) {
        int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) continue;
        int on = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0 && ::listen(fd, 4) == 0) {
            listen_fd_ = fd;
        } else {
            error = std::strerror(errno);
            ::close(fd);
        }
    }
    freeaddrinfo(found);
    if (listen_fd_ < 0)
        throw std::runtime_error("Kann nicht auf " + options.listen + " Port " + service +
                                 " lauschen: " + error);
    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    ::getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&bound), &length);
    address_ = endpoint_text(reinterpret_cast<sockaddr*>(&bound), length);
    port_ = std::stoi(address_.substr(address_.rfind(':') + 1));
}

Server::~Server() {
    if (client_fd_ >= 0) ::close(client_fd_);
    if (listen_fd_ >= 0) ::close(listen_fd_);
}

std::string Server::endpoint() const {
    return address_;
}

void Server::run(int stop_fd) {
    for (;;) {
        pollfd fds[3] = {{stop_fd, POLLIN, 0}, {listen_fd_, POLLIN, 0}, {client_fd_, POLLIN, 0}};
        const bool idle_limit = client_fd_ >= 0 && options_.idle_timeout > 0;
        const auto idle_end =
            last_heard_ + std::chrono::duration_cast<std::chrono::nanoseconds>(
                              std::chrono::duration<double>(options_.idle_timeout));
        const int n =
            ::poll(fds, client_fd_ >= 0 ? 3 : 2, idle_limit ? milliseconds_until(idle_end) : -1);
        if (n < 0 && errno != EINTR) throw std::runtime_error(std::strerror(errno));
        if (fds[0].revents) return;
        if (client_fd_ >= 0 && fds[2].revents && !serve_client()) continue;
        if (fds[1].revents & POLLIN) accept_client();
        if (idle_limit && client_fd_ >= 0 && std::chrono::steady_clock::now() >= idle_end)
            drop_client(seconds_text(options_.idle_timeout) + " s ohne Zeile getrennt");
    }
}

void Server::accept_client() {
    sockaddr_storage peer{};
    socklen_t length = sizeof peer;
    int fd = ::accept4(listen_fd_, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_CLOEXEC);
    if (fd < 0) return;
    const std::string name = endpoint_text(reinterpret_cast<sockaddr*>(&peer), length);
    if (client_fd_ >= 0) {
        // Closed with a reset rather than an orderly end, so the refused client's next
        // read or write fails at once instead of looking like a quiet instrument.
        linger reset{1, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        ::close(fd);
        log_(name + ": abgewiesen, verbunden ist schon " + client_name_);
        return;
    }
    timeval limit{};
    limit.tv_sec = static_cast<time_t>(options_.send_timeout);
    limit.tv_usec = static_cast<suseconds_t>((options_.send_timeout - limit.tv_sec) * 1e6);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    // Each answer is one small segment that the client waits for: send it at once.
    int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    client_fd_ = fd;
    client_name_ = name;
    reader_ = LineReader();
    forwarder_.forget_error();
    last_heard_ = std::chrono::steady_clock::now();
    log_(name + ": verbunden");
}

bool Server::serve_client() {
    char buffer[4096];
    const ssize_t got = ::recv(client_fd_, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) return true;
    if (got <= 0) {
        drop_client("getrennt");
        return false;
    }
    last_heard_ = std::chrono::steady_clock::now();
    std::vector<LineEvent> lines;
    reader_.feed(std::string_view(buffer, static_cast<std::size_t>(got)), lines);
    for (const LineEvent& line : lines) {
        Outcome outcome = forwarder_.forward(line);
        if (!outcome.log.empty()) log_(client_name_ + ": " + outcome.log);
        if (outcome.line_dead) {
            drop_client("getrennt");
            return false;
        }
        if (outcome.answer && !send_line(*outcome.answer)) {
            drop_client("nimmt keine Antwort mehr an, getrennt");
            return false;
        }
    }
    return true;
}

bool Server::send_line(const std::string& line) {
    std::string bytes = line + "\n";
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t n = ::send(client_fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

void Server::drop_client(const std::string& why) {
    log_(client_name_ + ": " + why);
    ::close(client_fd_);
    client_fd_ = -1;
}

}  // namespace gateway
