// The datalogger read-out of a full block (20000 values with date and time):
//  - over the simulated RS-232 line paced at 38400 baud, against the time the line
//    needs for the bytes exchanged plus the pauses the instrument needs
//    (target: wall time <= 1.05 x (line time + pauses));
//  - over the same line without pacing (target: <= 1.05 x pauses + 2 s);
//  - the list fill with the statistics lines (target < 0.3 s) and the graph's opening
//    (target < 0.5 s), with real widgets on the offscreen platform;
//  - the process's peak memory afterwards (target < 100 MB).
// Run by hand: build/bin/datalog_bench (the two line benchmarks take about four
// minutes together).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <numeric>

#include "bench/offscreen_benchmarks.h"
#include "datalog/graph_panel.h"
#include "datalog/readout.h"
#include "datalog/readout_list_model.h"
#include "driver/zk7416.h"
#include "instrument/instrument_handle.h"
#include "instrument/readout_buffers.h"
#include "sim/instrument.h"
#include "sim/serial_door.h"
#include "ui/scripted_backend.h"

namespace {

namespace sim = tarvolux::sim;
using namespace std::chrono;

constexpr int FULL_BLOCK = 20000;
constexpr int BAUD = 38400;

// The driver on COM1, connected to a simulated instrument whose block 0 holds `values`.
class SimulatedLine {
  public:
    SimulatedLine(bool paced, int values) : instrument_(std::make_shared<sim::Instrument>()) {
        fill_block(values);
        door_ = std::make_unique<sim::SerialDoor>(instrument_);
        door_->set_line_pacing(paced);
        door_->start();
        zk7416_set_com_device(1, door_->slave_path().c_str());
        char idn[ZK7416_ANSWER_SIZE] = {};
        if (zk7416_init_serial(1, BAUD, 10.0, idn, 0, &instrument::tarvolux) != 0) std::abort();
    }
    ~SimulatedLine() {
        zk7416_close(instrument::tarvolux);
        door_->stop();
        zk7416_set_com_device(1, "");
    }

    std::uint64_t bytes() const { return door_->bytes_received() + door_->bytes_sent(); }

  private:
    void fill_block(int values) {
        instrument_->modify([values](sim::InstrumentState& state) {
            sim::LogBlock& block = state.datalogger.blocks[0];
            block.size = values;
            const sys_days day = 2024y / March / 15;
            for (int k = 0; k < values; ++k) {
                double milliohms = 12.0 + (k % 1000) / 1000.0;
                char text[32];
                std::snprintf(text, sizeof text, "%.4fMOHM", milliohms);
                block.values.push_back(
                    {text, milliohms / 1000.0, day + seconds(k) + milliseconds(10 * (k % 100))});
            }
        });
    }

    std::shared_ptr<sim::Instrument> instrument_;
    std::unique_ptr<sim::SerialDoor> door_;
};

void read_full_block(benchmark::State& state, bool paced) {
    ui::ScriptedBackend backend;
    backend.set_pacing(true);  // the pauses are real
    ui::set_backend(&backend);
    const int values = static_cast<int>(state.range(0));
    SimulatedLine line(paced, values);
    for (auto _ : state) {
        backend.clear_records();
        const std::uint64_t before = line.bytes();
        const auto start = steady_clock::now();
        datalog::ReadoutProgress progress;
        auto result = datalog::read_stored_values({0, 1, values, false, true}, progress);
        const double wall = duration<double>(steady_clock::now() - start).count();
        if (result.end != datalog::ReadoutEnd::Complete || result.read != values)
            state.SkipWithError("read-out incomplete");
        const double pauses =
            std::accumulate(backend.delays().begin(), backend.delays().end(), 0.0);
        const double line_time = static_cast<double>(line.bytes() - before) * 10.0 / BAUD;
        state.counters["wall_s"] = wall;
        state.counters["pauses_s"] = pauses;
        state.counters["line_s"] = line_time;
        state.counters["bytes"] = static_cast<double>(line.bytes() - before);
        state.counters["ratio"] =
            paced ? wall / (line_time + pauses) : wall / (1.05 * pauses + 2.0);
    }
    ui::set_backend(nullptr);
}

void BM_FullBlockPacedLine(benchmark::State& state) {
    read_full_block(state, true);
}
// 2000 values for a quick look; 20000 is the full block the targets are about.
BENCHMARK(BM_FullBlockPacedLine)
    ->Arg(2000)
    ->Arg(FULL_BLOCK)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

void BM_FullBlockUnpacedLine(benchmark::State& state) {
    read_full_block(state, false);
}
BENCHMARK(BM_FullBlockUnpacedLine)
    ->Arg(2000)
    ->Arg(FULL_BLOCK)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// A full block as the instrument delivered it, before the listing step.
void fill_raw_readout() {
    instrument::dl_readout.allocate(1, FULL_BLOCK);
    auto entries = instrument::dl_readout.dl_data();
    for (int k = 0; k < FULL_BLOCK; ++k) {
        std::snprintf(entries[k].value, sizeof entries[k].value, "%.4fMOHM",
                      12.0 + (k % 1000) / 1000.0);
        std::snprintf(entries[k].date, sizeof entries[k].date, "15.03.24");
        std::snprintf(entries[k].time, sizeof entries[k].time, "10:%02d:%02d:00", k / 60 % 60,
                      k % 60);
    }
    instrument::ReadoutSource source;
    source.block = 0;
    source.with_statistics = true;
    source.statistics = {"12.000 mOhm", "12.999 mOhm", "12.500 mOhm", "0.289 mOhm"};
    instrument::dl_readout.set_source(source);
    instrument::dblmin = 0.012, instrument::dblmax = 0.012999, instrument::dblavg = 0.0125;
}

void BM_ListFill(benchmark::State& state) {
    QTreeView view;
    datalog::ReadoutListModel model;
    view.setUniformRowHeights(true);
    view.setModel(&model);
    view.resize(640, 400);
    view.show();
    for (auto _ : state) {
        state.PauseTiming();
        model.clear();
        fill_raw_readout();
        state.ResumeTiming();
        datalog::prepare_for_display(false);
        model.show_readout();
        for (int row = 0; row < model.statistics_rows(); ++row)
            view.setFirstColumnSpanned(row, {}, true);
        benchmark::DoNotOptimize(view.grab());  // painted once
    }
}
BENCHMARK(BM_ListFill)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GraphOpen(benchmark::State& state) {
    fill_raw_readout();
    datalog::prepare_for_display(false);
    for (auto _ : state) {
        // Closed as soon as the graph has been painted once.
        QTimer::singleShot(0, [] {
            QWidget* graph = QApplication::activeModalWidget();
            if (!graph) std::abort();
            benchmark::DoNotOptimize(graph->grab());
            graph->findChild<QPushButton*>("closeButton")->click();
        });
        datalog::show_graphic(nullptr);
    }
}
BENCHMARK(BM_GraphOpen)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    bench::run_offscreen_benchmarks(
        argc, argv, "The datalogger read-out of a full block, its list and its graph.");
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory (max RSS): %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
