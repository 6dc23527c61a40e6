// The gateway's network side: one client at a time on a TCP socket, its lines through
// the forwarder, answers back. Single-threaded: while an exchange with the instrument
// runs, nothing else happens, so an exchange is never cut off half-way and the line is
// clean for whoever comes next.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "gateway/forwarder.h"
#include "gateway/line_reader.h"

namespace gateway {

struct ServerOptions {
    std::string listen = "127.0.0.1";  // loopback unless chosen otherwise
    int port = 5025;                   // 0: any free port (see Server::port())
    // A client that sends nothing for this long is disconnected; 0 = never.
    double idle_timeout = 300.0;
    // A client that takes no answer for this long is disconnected.
    double send_timeout = 10.0;
};

using Log = std::function<void(const std::string&)>;

class Server {
  public:
    // Binds and listens; throws std::runtime_error with a German message.
    Server(const ServerOptions& options, Forwarder& forwarder, Log log);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // The address and port bound, e.g. "127.0.0.1:5025".
    std::string endpoint() const;
    int port() const { return port_; }

    // Serves until `stop_fd` becomes readable.
    void run(int stop_fd);

  private:
    void accept_client();
    // Reads what the client sent and answers its lines; false when it is to go.
    bool serve_client();
    bool send_line(const std::string& line);
    void drop_client(const std::string& why);

    ServerOptions options_;
    Forwarder& forwarder_;
    Log log_;
    int listen_fd_ = -1;
    int port_ = 0;
    std::string address_;
    int client_fd_ = -1;
    std::string client_name_;
    LineReader reader_;
    std::chrono::steady_clock::time_point last_heard_{};
};

}  // namespace gateway
