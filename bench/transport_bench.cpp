// What the driver's transport costs: CPU time per query over the simulated instrument's
// RS-232 door (a real pseudo-terminal) and over its GPIB simulation library, set against
// the time the same bytes take on a 38 400 baud line; the same RS-232 exchange scripted
// with pyserial, for comparison; and the wall time of a full settings upload against the
// pauses it has to make.
// Targets: CPU per RS-232 query <= 0.2 % of its line time, at least 10 times less CPU
// than the pyserial script, and an upload within 1.05 times its pauses.
//   build/bin/transport_bench
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include <time.h>

#include "bench/benchmark_options.h"
#include "driver/zk7416.h"
#include "platform/gpib_library.h"
#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "settings/transfer.h"
#include "sim/clock.h"
#include "sim/gpib_bus.h"
#include "sim/instrument.h"
#include "sim/serial_door.h"
#include "ui/scripted_backend.h"

namespace {

constexpr int kComPort = 1;
constexpr int kGpibAddress = 7;
constexpr long kBaud = 38400;
constexpr double kSecondsPerByte = 10.0 / kBaud;  // start bit, 8 data bits, stop bit

double thread_cpu_seconds() {
    timespec ts{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Bytes of one query on the line. RS-232: the command block (STX, text, LF, ETX), its
// ACK, the EOT that asks for the answer, the answer block (STX, text, CR LF, ETX), the
// ACK for it and the closing EOT. GPIB: the command with its LF, the answer with CR LF.
std::size_t rs232_bytes(const std::string& query, const std::string& answer) {
    return (query.size() + 3) + 1 + 1 + (answer.size() + 4) + 1 + 1;
}
std::size_t gpib_bytes(const std::string& query, const std::string& answer) {
    return query.size() + 1 + answer.size() + 2;
}

tarvolux::sim::InstrumentOptions instant_clock() {
    tarvolux::sim::InstrumentOptions options;
    options.clock = std::make_shared<tarvolux::sim::InstantClock>();
    return options;
}

// The simulated instrument behind the driver, through the door of one transport.
class Connection {
  public:
    // The instrument measures on a clock where every wait is over, so a value is ready
    // for each "FE?".
    explicit Connection(bool rs232)
        : instrument_(std::make_shared<tarvolux::sim::Instrument>(instant_clock())) {
        char idn[ZK7416_ANSWER_SIZE] = {};
        if (rs232) {
            door_ = std::make_unique<tarvolux::sim::SerialDoor>(instrument_);
            door_->start();
            zk7416_set_com_device(kComPort, door_->slave_path().c_str());
            status_ = zk7416_init_serial(kComPort, kBaud, 10.0, idn, 0, &handle_);
        } else {
            auto& bus = tarvolux::sim::GpibBus::instance();
            bus.reset();
            bus.set_auto_attach(false);
            bus.attach(kGpibAddress, instrument_);
            platform::gpib::use_library(GPIB_SIM_LIBRARY);
            status_ = zk7416_init_gpib(kGpibAddress, 13, 0, idn, &handle_);
        }
    }
    ~Connection() {
        zk7416_close(handle_);
        if (door_) door_->stop();
        zk7416_set_com_device(kComPort, "");
    }
    bool ok() const { return status_ == 0; }
    std::int32_t handle() const { return handle_; }
    std::string device() const { return door_->slave_path(); }
    tarvolux::sim::Instrument& instrument() { return *instrument_; }

  private:
    std::shared_ptr<tarvolux::sim::Instrument> instrument_;
    std::unique_ptr<tarvolux::sim::SerialDoor> door_;
    std::int32_t handle_ = 0;
    std::int32_t status_ = -1;
};

// CPU seconds per RS-232 query of the driver, kept for the pyserial comparison.
std::map<std::string, double> driver_rs232_cpu;

void query_benchmark(benchmark::State& state, bool rs232, const std::string& query) {
    Connection connection(rs232);
    if (!connection.ok()) {
        state.SkipWithError("no connection to the simulated instrument");
        return;
    }
    char answer[ZK7416_ANSWER_SIZE] = {};
    connection.instrument().execute("INIT:CONT ON");
    connection.instrument().execute("IN");
    zk7416_receive_scpi(connection.handle(), query.c_str(), answer);
    double cpu_start = thread_cpu_seconds();
    for (auto _ : state) {
        if (zk7416_receive_scpi(connection.handle(), query.c_str(), answer) != 0) {
            state.SkipWithError("the query failed");
            break;
        }
        benchmark::DoNotOptimize(answer);
    }
    double cpu = (thread_cpu_seconds() - cpu_start) / static_cast<double>(state.iterations());
    std::string text = answer;
    std::size_t bytes = rs232 ? rs232_bytes(query, text) : gpib_bytes(query, text);
    double line_time = static_cast<double>(bytes) * kSecondsPerByte;
    state.counters["cpu_us"] = cpu * 1e6;
    state.counters["line_bytes"] = static_cast<double>(bytes);
    state.counters["line_us"] = line_time * 1e6;
    state.counters["cpu_of_line_pct"] = 100.0 * cpu / line_time;
    if (rs232) driver_rs232_cpu[query] = cpu;
}

void BM_Rs232Query(benchmark::State& state, const char* query) {
    query_benchmark(state, true, query);
}
void BM_GpibQuery(benchmark::State& state, const char* query) {
    query_benchmark(state, false, query);
}

// The same exchange from a plain pyserial script (Debian's python3-serial).
void BM_PyserialQuery(benchmark::State& state, const char* query) {
    Connection connection(true);
    if (!connection.ok()) {
        state.SkipWithError("no connection to the simulated instrument");
        return;
    }
    connection.instrument().execute("INIT:CONT ON");
    connection.instrument().execute("IN");
    // The script opens the device itself; the driver lets go of it first.
    zk7416_close(connection.handle());
    constexpr int kQueries = 2000;
    // Debian's interpreter, which python3-serial is installed for.
    std::string command = std::string("/usr/bin/python3 ") + BENCH_SOURCE_DIR +
                          "/pyserial_query.py '" + connection.device() + "' " +
                          std::to_string(kQueries) + " '" + query + "'";
    double cpu = 0;
    for (auto _ : state) {
        std::FILE* script = ::popen(command.c_str(), "r");
        char line[64] = {};
        bool read = script && std::fgets(line, sizeof line, script);
        int status = script ? ::pclose(script) : -1;
        if (!read || status != 0) {
            state.SkipWithError("the pyserial script failed (is python3-serial installed?)");
            return;
        }
        cpu = std::atof(line);
    }
    state.counters["cpu_us"] = cpu * 1e6;
    auto driver = driver_rs232_cpu.find(query);
    if (driver != driver_rs232_cpu.end() && driver->second > 0)
        state.counters["times_driver_cpu"] = cpu / driver->second;
}

// A full upload (mode 1) with the pauses really made, over RS-232 at 38 400 baud
// (argument 1) or GPIB (argument 0).
void BM_FullUploadWallTime(benchmark::State& state) {
    Connection connection(state.range(0) == 1);
    if (!connection.ok()) {
        state.SkipWithError("no connection to the simulated instrument");
        return;
    }
    ui::ScriptedBackend backend;
    backend.set_pacing(true);
    ui::set_backend(&backend);
    instrument::tarvolux = connection.handle();
    rec::device.new_firmware = 1;
    double wall = 0, pauses = 0;
    for (auto _ : state) {
        backend.clear_records();
        auto start = std::chrono::steady_clock::now();
        int result = settings::upload_current_state(1);
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (result != 0) {
            state.SkipWithError("the upload failed");
            break;
        }
        for (double pause : backend.delays()) pauses += pause;
    }
    ui::set_backend(nullptr);
    instrument::tarvolux = 0;
    state.counters["pauses_s"] = pauses / static_cast<double>(state.iterations());
    state.counters["wall_s"] = wall / static_cast<double>(state.iterations());
    state.counters["wall_over_pauses"] = pauses > 0 ? wall / pauses : 0;
}

}  // namespace

BENCHMARK_CAPTURE(BM_Rs232Query, idn, "*IDN?")->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Rs232Query, fe, "FE?")->MinTime(2.0);
BENCHMARK_CAPTURE(BM_GpibQuery, idn, "*IDN?")->MinTime(2.0);
BENCHMARK_CAPTURE(BM_GpibQuery, fe, "FE?")->MinTime(2.0);
BENCHMARK_CAPTURE(BM_PyserialQuery, idn, "*IDN?")->Iterations(1)->UseRealTime();
BENCHMARK_CAPTURE(BM_PyserialQuery, fe, "FE?")->Iterations(1)->UseRealTime();
BENCHMARK(BM_FullUploadWallTime)
    ->ArgName("rs232")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    return bench::run_benchmarks(argc, argv,
                                 "CPU per query on both transports, the pyserial comparison "
                                 "and the upload's wall time.");
}
