// How long a datalogger export of a full block takes (one write call per line, Latin-1
// conversion included), and the value rewrite every displayed value goes through.
// Target: a 20000-value block is written well within a second on a lab PC.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#include "bench/benchmark_options.h"
#include "export/ascii_exp.h"
#include "export/export_file.h"
#include "export/export_writers.h"
#include "instrument/readout_buffers.h"
#include "settings/records.h"
#include "text/value_format.h"

namespace {

void fill_readout(int values) {
    instrument::dl_readout.allocate(1, values);
    auto entries = instrument::dl_readout.dl_data();
    for (int k = 0; k < values; ++k) {
        std::snprintf(entries[k].value, sizeof entries[k].value, "%.3f mOhm", 12.0 + k * 1e-4);
        std::snprintf(entries[k].date, sizeof entries[k].date, "07.12.2026");
        std::snprintf(entries[k].time, sizeof entries[k].time, "12:%02d:%02d:00", k / 60 % 60,
                      k % 60);
    }
    rec::upload.first_index = 1;
    rec::upload.last_index = values;
    rec::upload.values_only = 0;
    rec::upload.with_statistics = 0;
}

void BM_DataloggerExport(benchmark::State& state) {
    int values = static_cast<int>(state.range(0));
    fill_readout(values);
    exporting::ascii_exp.column_separator = ';';
    exporting::ascii_exp.decimal_separator = ',';
    char path[] = "/tmp/ohm7416-bench-XXXXXX";
    int fd = ::mkstemp(path);
    ::close(fd);
    for (auto _ : state) {
        exporting::export_fhdl.open(path);
        benchmark::DoNotOptimize(exporting::export_datalogger("Benchmark"));
        exporting::export_fhdl.close();
    }
    ::unlink(path);
    state.SetItemsProcessed(state.iterations() * values);
}
BENCHMARK(BM_DataloggerExport)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_FormatForDisplay(benchmark::State& state) {
    for (auto _ : state) {
        std::string text = "12.345MOHM";
        benchmark::DoNotOptimize(text::format_for_display(text));
    }
}
BENCHMARK(BM_FormatForDisplay);

}  // namespace

int main(int argc, char** argv) {
    return bench::run_benchmarks(argc, argv, "The export writers and the value rewrite.");
}
