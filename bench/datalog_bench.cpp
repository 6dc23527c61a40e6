// The datalogger read-out of a full block (20000 values with date and time):
//  - over the simulated RS-232 line paced at 38400 baud, against the time the line
//    needs for the bytes exchanged plus the pauses the instrument needs
//    (target: wall time <= 1.05 x (line time + pauses));
//  - over the same line without pacing (target: <= 1.05 x pauses + 2 s);
//  - the list fill with the statistics lines (target < 0.3 s) and the graph's opening
//    (target < 0.5 s), with real widgets on the offscreen platform;
//  - a zoom step on the graph of the full block, repainted (target <= 20 ms);
//  - the program's statistics of the values read against the instrument's four
//    figures, on blocks of the simulator with noise (how far they differ, in steps of
//    the values' last digit);
//  - the process's peak memory afterwards (target < 100 MB).
// Run by hand: build/bin/datalog_bench (the two line benchmarks take about four
// minutes together).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <functional>
#include <numeric>
#include <random>

#include "bench/offscreen_benchmarks.h"
#include "datalog/graph_panel.h"
#include "datalog/graph_statistics.h"
#include "datalog/readout.h"
#include "datalog/readout_list_model.h"
#include "driver/zk7416.h"
#include "instrument/instrument_handle.h"
#include "instrument/readout_buffers.h"
#include "sim/datalogger_state.h"
#include "sim/instrument.h"
#include "sim/serial_door.h"
#include "sim/value_format.h"
#include "stats/ohm_units.h"
#include "text/text_field.h"
#include "ui/qt/plot_widget.h"
#include "ui/scripted_backend.h"

namespace {

namespace sim = tarvolux::sim;
using namespace std::chrono;

constexpr int FULL_BLOCK = 20000;
constexpr int BAUD = 38400;

// The driver on COM1, connected to a simulated instrument whose block 0 holds `values`
// (or what `fill` puts there).
class SimulatedLine {
  public:
    SimulatedLine(bool paced, int values)
        : SimulatedLine(paced, [values](sim::LogBlock& block) { fill_block(block, values); }) {}
    SimulatedLine(bool paced, const std::function<void(sim::LogBlock&)>& fill)
        : instrument_(std::make_shared<sim::Instrument>()) {
        instrument_->modify(
            [&fill](sim::InstrumentState& state) { fill(state.datalogger.blocks[0]); });
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
    static void fill_block(sim::LogBlock& block, int values) {
        block.size = values;
        const sys_days day = 2024y / March / 15;
        for (int k = 0; k < values; ++k) {
            double milliohms = 12.0 + (k % 1000) / 1000.0;
            char text[32];
            std::snprintf(text, sizeof text, "%.4fMOHM", milliohms);
            block.values.push_back(
                {text, milliohms / 1000.0, day + seconds(k) + milliseconds(10 * (k % 100))});
        }
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

// A zoom step on the graph of a full block: the view changes and the chart is painted
// anew, at the dialog's size and on a large screen.
void BM_GraphZoomStep(benchmark::State& state) {
    fill_raw_readout();
    datalog::prepare_for_display(false);
    auto values = instrument::dl_readout.dl_num_value();
    ui::PlotWidget plot;
    plot.set_traces({{Qt::green}});
    plot.set_curve(std::vector<float>(values.begin(), values.end()));
    plot.set_lines_on_top(true);
    plot.set_lines(
        {{instrument::dblmin, Qt::red, "Minimum"}, {instrument::dblmax, Qt::red, "Maximum"}});
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    plot.resize(width, height);
    QImage canvas(width, height, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        // In four steps and out again, around the middle.
        plot.zoom(step++ % 8 < 4 ? 0.8 : 1.25, Qt::Horizontal | Qt::Vertical);
        QPainter painter(&canvas);
        plot.render(&painter);
    }
}
BENCHMARK(BM_GraphZoomStep)->Args({720, 420})->Args({1280, 1024})->Unit(benchmark::kMillisecond);

// Blocks the simulator fills as it does while measuring: the exact resistance kept
// for its statistics, the value text with the instrument's digits. Read out with the
// statistics, the program's figures of the values read are compared with the
// instrument's. Counters: the largest difference of each figure in steps of the
// values' last digit.
struct Resistor {
    double ohms;
    double noise;
};
constexpr Resistor RESISTORS[] = {
    {0.012345, 0.000002}, {0.012345, 0.00002}, {1.5, 0.0004}, {150.0, 0.02}, {15000.0, 3.0}};

void BM_ProgramAgainstInstrumentFigures(benchmark::State& state) {
    ui::ScriptedBackend backend;
    ui::set_backend(&backend);
    const Resistor resistor = RESISTORS[state.range(0)];
    constexpr int VALUES = 2000;
    SimulatedLine line(false, [&resistor](sim::LogBlock& block) {
        std::mt19937 random(7416);
        std::normal_distribution<double> spread(resistor.ohms, resistor.noise);
        block.size = VALUES;
        const sys_days day = 2024y / March / 15;
        for (int k = 0; k < VALUES; ++k) {
            const double ohms = spread(random);
            auto range = sim::fitting_range(ohms, sim::Resolution::Fine);
            block.values.push_back({*sim::format_in_range(ohms, *range, sim::Resolution::Fine),
                                    ohms, day + seconds(k)});
        }
    });
    for (auto _ : state) {
        datalog::ReadoutProgress progress;
        auto result = datalog::read_stored_values({0, 1, VALUES, true, true}, progress);
        if (result.end != datalog::ReadoutEnd::Complete) state.SkipWithError("read-out incomplete");
        datalog::prepare_for_display(true);
        const datalog::ReadoutFigures figures = datalog::readout_figures();
        const double step = stats::text_resolution(
            text::field_text_utf8(instrument::dl_readout.dl_data()[0].value));
        state.counters["step_ohm"] = step;
        state.counters["d_min_steps"] =
            std::abs(*figures.values.minimum() - instrument::dblmin) / step;
        state.counters["d_max_steps"] =
            std::abs(*figures.values.maximum() - instrument::dblmax) / step;
        state.counters["d_mean_steps"] =
            std::abs(*figures.values.mean() - instrument::dblavg) / step;
        state.counters["d_dev_steps"] =
            std::abs(*figures.values.deviation() - instrument::dbldev) / step;
        state.counters["dev_steps"] = *figures.values.deviation() / step;
    }
    ui::set_backend(nullptr);
}
BENCHMARK(BM_ProgramAgainstInstrumentFigures)
    ->DenseRange(0, 4)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    bench::run_offscreen_benchmarks(
        argc, argv, "The datalogger read-out of a full block, its list and its graph.");
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory (max RSS): %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
