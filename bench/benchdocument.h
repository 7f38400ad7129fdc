#pragma once

// The benchmark file loaded once (without a name dictionary), for benchmarks of the core, and
// how they report their times.

#include "benchfile.h"
#include "placementfile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace varn::bench {

inline const Document& benchDocument() {
    static const Document loaded = [] {
        Document document;
        HashDictionary dictionary;
        QString error;
        if (!loadPlacementFile(benchFile(), {}, dictionary, document, error)) std::abort();
        return document;
    }();
    return loaded;
}

// Milliseconds of wall time beside the CPU time of the whole process: on a shared machine the
// two tell apart what the code costs and what the other programs took.
inline void wallAndProcessTime(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
}

}  // namespace varn::bench
