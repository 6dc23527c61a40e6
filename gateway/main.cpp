// zk7416-gateway: the instrument as a network SCPI instrument for any VISA client.
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "driver/zk7416.h"
#include "gateway/forwarder.h"
#include "gateway/gateway_options.h"
#include "gateway/server.h"
#include "tools/embedded_instrument.h"

namespace {

void log_line(const std::string& text) {
    std::fprintf(stderr, "zk7416-gateway: %s\n", text.c_str());
}

// A COM number whose device this process may choose: $ZK7416_COM<n> would override
// the mapping, so a number that has it set is left to whoever set it.
int unclaimed_com_port() {
    for (int port = 1; port <= 4; ++port) {
        const std::string name = "ZK7416_COM" + std::to_string(port);
        const char* set = std::getenv(name.c_str());
        if (!set || !*set) return port;
    }
    return 0;
}

int32_t connect(const gateway::Options& o, int32_t& handle, char* idn) {
    if (o.door == gateway::Door::Gpib)
        return zk7416_init_gpib(o.gpib_address, gateway::gpib_timeout_code(o.timeout), 0, idn,
                                &handle);
    return zk7416_init_serial(o.com_port, o.baud, o.timeout, idn, 0, &handle);
}

}  // namespace

int main(int argc, char** argv) {
    gateway::Options options;
    std::string error;
    if (!gateway::parse(argc, argv, options, error)) {
        std::fprintf(stderr, "%s\n\n%s", error.c_str(), gateway::usage());
        return 2;
    }
    if (options.help) {
        std::fputs(gateway::usage(), stdout);
        return 0;
    }

    // Blocked before any thread starts, so they reach only the signal descriptor the
    // server watches and never cut an exchange with the instrument short.
    sigset_t signals;
    sigemptyset(&signals);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&signals, s);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    const int stop_fd = signalfd(-1, &signals, SFD_CLOEXEC);

    if (options.simulate || !options.device.empty()) {
        options.com_port = unclaimed_com_port();
        if (options.com_port == 0 && options.door == gateway::Door::Serial) {
            log_line("alle COM-Nummern sind über $ZK7416_COM<N> vergeben");
            return 1;
        }
    }
    tools::EmbeddedInstrument simulation;
    if (options.simulate) {
        auto door = options.door == gateway::Door::Gpib ? tools::SimulatedTransport::Gpib
                                                        : tools::SimulatedTransport::Rs232;
        if (!simulation.start(door, options.com_port, error)) {
            log_line(error);
            return 1;
        }
    } else if (!options.device.empty()) {
        zk7416_set_com_device(options.com_port, options.device.c_str());
    }

    int32_t handle = 0;
    char idn[ZK7416_ANSWER_SIZE] = {};
    if (int32_t s = connect(options, handle, idn); s != 0) {
        log_line("Keine Verbindung zum Tarvolux Typ 7416: Status " + std::to_string(s) + " (" +
                 zk7416_status_text(s) + ")");
        return 1;
    }
    int status = 0;
    try {
        gateway::Forwarder forwarder(handle);
        gateway::Server server(options.server, forwarder, log_line);
        log_line("lauscht auf " + server.endpoint() + ", Gerät: " + idn);
        std::printf("%s\n", server.endpoint().c_str());
        std::fflush(stdout);
        server.run(stop_fd);
        log_line("beendet");
    } catch (const std::exception& e) {
        log_line(e.what());
        status = 1;
    }
    zk7416_close(handle);
    return status;
}
