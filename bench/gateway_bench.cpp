// What the gateway adds to a query: CPU time of the gateway's thread per "*IDN?"
// forwarded from a TCP client, against the CPU time of the same query made with the
// driver directly; both over the simulated instrument's RS-232 door (a pseudo-terminal)
// and over its GPIB simulation library, unpaced. The driver's own figure is taken as
// the gateway meets it: each query made by a thread that was asleep until another
// thread asked for it (over a pipe), since an exchange over the pseudo-terminal costs
// a thread just woken more CPU than one in a tight loop. The tight loop is shown too.
// Target: at most 50 us of CPU per forwarded query on top of the driver's own.
//   build/bin/gateway_bench [queries=4500]
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <time.h>

#include "driver/zk7416.h"
#include "gateway/forwarder.h"
#include "gateway/server.h"
#include "tests/driver/sim_connection.h"

namespace {

constexpr double kTargetMicroseconds = 50.0;
constexpr int kRounds = 9;

double thread_cpu_seconds() {
    timespec ts{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double wall_seconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Cost {
    double cpu_us = 0;
    double wall_us = 0;
};

double median_of(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Cost median(const std::vector<Cost>& costs) {
    std::vector<double> cpu, wall;
    for (const Cost& c : costs) cpu.push_back(c.cpu_us), wall.push_back(c.wall_us);
    return {median_of(cpu), median_of(wall)};
}

Cost direct_queries(std::int32_t handle, int count) {
    char answer[ZK7416_ANSWER_SIZE];
    const double cpu = thread_cpu_seconds();
    const double wall = wall_seconds();
    for (int i = 0; i < count; ++i) zk7416_receive_scpi(handle, "*IDN?", answer);
    return {(thread_cpu_seconds() - cpu) * 1e6 / count, (wall_seconds() - wall) * 1e6 / count};
}

// The driver's CPU per query made on request: a thread that sleeps in poll() until a
// byte comes through a pipe, queries, and answers through another pipe.
Cost woken_queries(std::int32_t handle, int count) {
    int ask[2], done[2];
    if (::pipe(ask) != 0 || ::pipe(done) != 0) std::abort();
    std::atomic<double> cpu{0};
    std::thread thread([&] {
        char answer[ZK7416_ANSWER_SIZE];
        const double begin = thread_cpu_seconds();
        for (int i = 0; i < count; ++i) {
            pollfd fd{ask[0], POLLIN, 0};
            char byte = 0;
            if (::poll(&fd, 1, -1) != 1 || ::read(ask[0], &byte, 1) != 1) std::abort();
            zk7416_receive_scpi(handle, "*IDN?", answer);
            if (::write(done[1], &byte, 1) != 1) std::abort();
        }
        cpu = thread_cpu_seconds() - begin;
    });
    const double wall = wall_seconds();
    for (int i = 0; i < count; ++i) {
        char byte = 'x';
        if (::write(ask[1], &byte, 1) != 1 || ::read(done[0], &byte, 1) != 1) std::abort();
    }
    const double wall_us = (wall_seconds() - wall) * 1e6 / count;
    thread.join();
    for (int fd : {ask[0], ask[1], done[0], done[1]}) ::close(fd);
    return {cpu * 1e6 / count, wall_us};
}

// The gateway's CPU per query: the server thread's CPU time over `count` queries sent
// one after the other from a client in this thread.
Cost forwarded_queries(std::int32_t handle, int count) {
    gateway::Forwarder forwarder(handle);
    gateway::ServerOptions options;
    options.port = 0;
    gateway::Server server(options, forwarder, [](const std::string&) {});
    int stop[2];
    if (::pipe(stop) != 0) std::abort();
    std::atomic<double> server_cpu{0};
    std::thread thread([&] {
        const double begin = thread_cpu_seconds();
        server.run(stop[0]);
        server_cpu = thread_cpu_seconds() - begin;
    });

    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(server.port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) std::abort();
    char buffer[512];
    const double wall = wall_seconds();
    for (int i = 0; i < count; ++i) {
        ::send(fd, "*IDN?\n", 6, 0);
        for (ssize_t n = 0; n <= 0 || buffer[n - 1] != '\n';) {
            ssize_t got = ::recv(fd, buffer + (n > 0 ? n : 0), sizeof buffer - 1, 0);
            if (got <= 0) std::abort();
            n = (n > 0 ? n : 0) + got;
        }
    }
    const double wall_us = (wall_seconds() - wall) * 1e6 / count;
    ::close(fd);
    if (::write(stop[1], "x", 1) != 1) std::abort();
    thread.join();
    ::close(stop[0]);
    ::close(stop[1]);
    return {server_cpu * 1e6 / count, wall_us};
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 4500;
    bool met = true;
    std::printf("medians of %d rounds of %d queries, CPU and wall time per query\n", kRounds,
                count / kRounds);
    std::printf("%-7s %12s %12s %12s %12s %12s %12s\n", "door", "driver loop", "driver", "gateway",
                "added", "driver wall", "client wall");
    for (auto door : {driver_test::Transport::Rs232, driver_test::Transport::Gpib}) {
        driver_test::SimConnection sim(door);
        if (sim.connect() != 0) {
            std::fprintf(stderr, "no connection to the simulator\n");
            return 1;
        }
        if (door == driver_test::Transport::Gpib) sim.bus().set_timeout_scale(1.0);
        direct_queries(sim.handle(), count / 10);  // warm up
        // Rounds taken in turn, so a machine busy with other work weighs on each alike.
        std::vector<Cost> loops, directs, forwardeds;
        std::vector<double> added_cpu;
        for (int round = 0; round < kRounds; ++round) {
            loops.push_back(direct_queries(sim.handle(), count / kRounds));
            directs.push_back(woken_queries(sim.handle(), count / kRounds));
            forwardeds.push_back(forwarded_queries(sim.handle(), count / kRounds));
            added_cpu.push_back(forwardeds.back().cpu_us - directs.back().cpu_us);
        }
        const Cost loop = median(loops);
        const Cost direct = median(directs);
        const Cost forwarded = median(forwardeds);
        const double added = median_of(added_cpu);
        met = met && added <= kTargetMicroseconds;
        std::printf("%-7s %9.1f us %9.1f us %9.1f us %9.1f us %9.1f us %9.1f us\n",
                    door == driver_test::Transport::Rs232 ? "RS-232" : "GPIB", loop.cpu_us,
                    direct.cpu_us, forwarded.cpu_us, added, direct.wall_us, forwarded.wall_us);
    }
    std::printf("CPU per query; target: added (gateway - driver) <= %.0f us: %s\n",
                kTargetMicroseconds, met ? "met" : "NOT met");
    return met ? 0 : 1;
}
