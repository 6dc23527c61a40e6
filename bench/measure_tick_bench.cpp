// The measure panel's own work per value, without the instrument: turning the answer
// into the display text, showing it, storing its line and plotting it. Targets: one
// tick's work well under 1 ms; memory flat over 100 000 values, every value in the file.
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
#include "measure/reading.h"
#include "settings/records.h"
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
    void take(int i) {
        measure::Reading r = measure::interpret_reading(0, answer_for(i), 0);
        display.setText(QString::fromStdString(r.text));
        std::string line = r.text;
        exporting::export_measure_value(line);
        auto v = measure::plot_values(*r.ohms);
        plot.append({v[0], v[1], v[2]});
    }
    void repaint() {
        QPainter painter(&canvas);
        plot.render(&painter);
    }
};

void BM_TickWorkWithoutInstrument(benchmark::State& state) {
    Stage stage;
    int i = 0;
    for (auto _ : state) {
        stage.take(i++);
        stage.repaint();
    }
    state.SetItemsProcessed(state.iterations());
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

}  // namespace

int main(int argc, char** argv) {
    return bench::run_offscreen_benchmarks(
        argc, argv, "The measure panel's own work per value, without the instrument.");
}
