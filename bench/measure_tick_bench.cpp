// The measure panel's own work per value, without the instrument: turning the answer
// into the display text, showing it, storing its line and plotting it. Targets: one
// tick's work well under 1 ms; memory flat over 100 000 values, every value in the file.
// With the statistics group and the histogram window shown as well: one tick's work
// (their catching up every fifth tick included) at most 0.5 ms of CPU, memory flat
// after the first 1000 values, a repaint of the chart at 1280 x 1024 at most 2 ms.
//   build/bin/ohm7416_measure_bench
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <cstdio>
#include <fstream>
#include <string>

#include "bench/offscreen_benchmarks.h"
#include "export/ascii_exp.h"
#include "export/export_file.h"
#include "export/export_writers.h"
#include "measure/graph_axis.h"
#include "measure/live_statistics.h"
#include "measure/reading.h"
#include "measure/statistics_group.h"
#include "settings/records.h"
#include "ui/qt/histogram_widget.h"
#include "ui/qt/plot_widget.h"

namespace {

long resident_kib() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

std::string answer_for(int i) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3fMOHM", 12.0 + (i % 1000) * 0.001);
    return text;
}

struct Stage {
    QLabel display;
    ui::PlotWidget plot;
    QImage canvas{600, 260, QImage::Format_RGB32};
    std::string path;

    Stage() {
        exporting::ascii_exp.column_separator = ';';
        exporting::ascii_exp.decimal_separator = ',';
        char name[] = "/tmp/ohm7416-measure-bench-XXXXXX";
        ::close(::mkstemp(name));
        path = name;
        exporting::export_fhdl.open(path);
        plot.resize(600, 260);
        plot.set_traces({{Qt::green, true}, {Qt::black, false}, {Qt::black, false}});
        plot.set_value_range(0, 200);
        rec::measurement_configuration.range = 1;
        rec::compare = {};
        rec::compare.limit_2 = 0.010;
        rec::compare.limit_3 = 0.015;
    }
    ~Stage() {
        exporting::export_fhdl.close();
        ::unlink(path.c_str());
    }

    // What a tick does with one answer once the driver has returned it.
    measure::Reading take(int i) {
        measure::Reading r = measure::interpret_reading(0, answer_for(i), 0);
        display.setText(QString::fromStdString(r.text));
        std::string line = r.text;
        exporting::export_measure_value(line);
        auto v = measure::plot_values(*r.ohms);
        plot.append({v[0], v[1], v[2]});
        return r;
    }
    void tick(int i) { take(i); }
    void repaint() {
        QPainter painter(&canvas);
        plot.render(&painter);
    }
};

// One tick's work on `S`, the chart painted anew each time, after `before` values were
// taken without timing.
template <class S>
void tick_work(benchmark::State& state, int before = 0) {
    S stage;
    int i = 0;
    while (i < before) stage.tick(i++);
    for (auto _ : state) {
        stage.tick(i++);
        stage.repaint();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_TickWorkWithoutInstrument(benchmark::State& state) {
    tick_work<Stage>(state);
}
BENCHMARK(BM_TickWorkWithoutInstrument)->Unit(benchmark::kMicrosecond);

// A repaint after 100 000 values costs what it cost after 100.
void BM_RepaintAfterValues(benchmark::State& state) {
    Stage stage;
    for (int i = 0; i < state.range(0); ++i) stage.take(i);
    for (auto _ : state) stage.repaint();
}
BENCHMARK(BM_RepaintAfterValues)->Arg(100)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Adding a point is the same small step whatever came before.
void BM_PlotStepAfterValues(benchmark::State& state) {
    Stage stage;
    for (int i = 0; i < state.range(0); ++i) stage.plot.append({1.0, 2.0, 3.0});
    for (auto _ : state) stage.plot.append({1.0, 2.0, 3.0});
}
BENCHMARK(BM_PlotStepAfterValues)->Arg(100)->Arg(100000);

void BM_HundredThousandValues(benchmark::State& state) {
    constexpr int VALUES = 100000;
    for (auto _ : state) {
        Stage stage;
        long after_first_thousand = 0;
        for (int i = 0; i < VALUES; ++i) {
            stage.take(i);
            if (i % 100 == 0) stage.repaint();
            if (i == 999) after_first_thousand = resident_kib();
        }
        long at_end = resident_kib();
        exporting::export_fhdl.close();
        std::ifstream in(stage.path);
        long lines = 0;
        for (std::string line; std::getline(in, line);) ++lines;
        state.counters["rss_kib_after_1000"] = static_cast<double>(after_first_thousand);
        state.counters["rss_kib_after_100000"] = static_cast<double>(at_end);
        state.counters["lines_in_file"] = static_cast<double>(lines);
    }
}
BENCHMARK(BM_HundredThousandValues)->Iterations(1)->Unit(benchmark::kMillisecond);

// The statistics counted on every value, the group and the histogram window shown and
// catching up every fifth tick, as the panel's timer (250 ms) does at a tick of 50 ms.
struct StageWithStatistics : Stage {
    static constexpr int TICKS_PER_REFRESH = 5;
    QWidget panel;
    measure::StatisticsGroup* group = new measure::StatisticsGroup(&panel);
    QImage histogram_canvas{640, 400, QImage::Format_RGB32};
    int ticks = 0;

    StageWithStatistics() {
        rec::compare.state = 1;
        measure::start_statistics();
        panel.show();
        group->histogram_window().resize(640, 400);
        group->histogram_window().show();
    }
    void tick(int i) {
        measure::count_reading(take(i));
        if (++ticks % TICKS_PER_REFRESH != 0) return;
        group->refresh();
        QPainter painter(&histogram_canvas);
        group->histogram_window().histogram().render(&painter);
    }
};

void BM_TickWorkWithStatisticsAndHistogram(benchmark::State& state) {
    tick_work<StageWithStatistics>(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_TickWorkWithStatisticsAndHistogram)
    ->Arg(0)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

// The chart with its ring full (1000 points, markers, two limits) on a large screen.
void BM_ChartRepaintAt1280x1024(benchmark::State& state) {
    Stage stage;
    for (int i = 0; i < 100000; ++i) stage.take(i);
    stage.plot.resize(1280, 1024);
    QImage canvas(1280, 1024, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&canvas);
        stage.plot.render(&painter);
    }
}
BENCHMARK(BM_ChartRepaintAt1280x1024)->Unit(benchmark::kMicrosecond);

void BM_HundredThousandValuesWithStatistics(benchmark::State& state) {
    for (auto _ : state) {
        StageWithStatistics stage;
        long after_first_thousand = 0;
        for (int i = 0; i < 100000; ++i) {
            stage.tick(i);
            if (i % 100 == 0) stage.repaint();
            if (i == 999) after_first_thousand = resident_kib();
        }
        state.counters["rss_kib_after_1000"] = static_cast<double>(after_first_thousand);
        state.counters["rss_kib_after_100000"] = static_cast<double>(resident_kib());
        state.counters["values_counted"] =
            static_cast<double>(measure::live_statistics.values().count());
    }
}
BENCHMARK(BM_HundredThousandValuesWithStatistics)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::run_offscreen_benchmarks(
        argc, argv, "The measure panel's own work per value, without the instrument.");
}
