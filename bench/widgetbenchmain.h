#pragma once

// main() of a benchmark program that needs widgets: offscreen unless a platform is named.

#include <QApplication>

#include <benchmark/benchmark.h>

namespace varn::bench {

inline int runWidgetBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace varn::bench
