// The main of a benchmark that needs widgets: a QApplication on the offscreen platform
// (unless another one was chosen), then every registered benchmark. The options are
// read first, so --help and a mistyped option need no Qt at all.
#pragma once

#include <QApplication>
#include <cstdlib>

#include "bench/benchmark_options.h"

namespace bench {

inline int run_offscreen_benchmarks(int argc, char** argv, const char* measures) {
    take_benchmark_options(&argc, argv, measures);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
