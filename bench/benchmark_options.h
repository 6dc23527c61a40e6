// The command line of a Google Benchmark program: the library's own options, --help
// with one line on what the program measures, and anything else refused with status 2
// before a benchmark runs (the library alone would run them all, or exit with 1).
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace bench {

namespace detail {
inline const char* program = "";
inline const char* measures = "";

inline void print_help() {
    std::printf("usage: %s [benchmark options]\n%s\n\n", program, measures);
    benchmark::PrintDefaultHelp();
}
}  // namespace detail

// Takes the library's options out of argv; --help prints the usage and exits 0.
inline void take_benchmark_options(int* argc, char** argv, const char* measures) {
    detail::program = *argc > 0 ? argv[0] : "benchmark";
    detail::measures = measures;
    benchmark::Initialize(argc, argv, detail::print_help);
    if (benchmark::ReportUnrecognizedArguments(*argc, argv)) std::exit(2);
}

// The main of a benchmark without widgets.
inline int run_benchmarks(int argc, char** argv, const char* measures) {
    take_benchmark_options(&argc, argv, measures);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
