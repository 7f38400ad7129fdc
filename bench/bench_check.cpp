// The problems check on the benchmark file (1,000,000 section 0 rows, 100,000 section 9 rows),
// without a name dictionary: the findings the command-line check prints from (no sentences),
// at each level; the list with its sentences that the window's Problems dock keeps; and the
// tool's check as a process, with its time and peak memory.

#include "benchdocument.h"
#include "benchtool.h"
#include "problems.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace varn {
namespace {

using bench::benchDocument;
using bench::benchFile;

constexpr std::array kLevels = {ProblemLevel::Note, ProblemLevel::Warning, ProblemLevel::Error};

void countByLevel(benchmark::State& state, const std::array<std::int64_t, 3>& counts) {
    state.counters["notes"] = static_cast<double>(counts[0]);
    state.counters["warnings"] = static_cast<double>(counts[1]);
    state.counters["errors"] = static_cast<double>(counts[2]);
}

// Arg: the lowest level reported (0 note, 1 warning, 2 error).
void BM_CheckFindings(benchmark::State& state) {
    const Document& document = benchDocument();
    const HashDictionary dictionary;
    const ProblemLevel minimum = kLevels[state.range(0)];
    std::array<std::int64_t, 3> counts{};
    for (auto _ : state) {
        counts = {};
        forEachProblem(document, &dictionary, minimum,
                       [&](const ProblemFinding& f) { ++counts[static_cast<int>(f.level)]; });
    }
    countByLevel(state, counts);
}

// What the Problems dock holds for the file: every problem, each with its sentence.
void BM_CheckPlacementFile(benchmark::State& state) {
    const Document& document = benchDocument();
    const HashDictionary dictionary;
    std::array<std::int64_t, 3> counts{};
    for (auto _ : state) {
        const std::vector<Problem> problems = checkPlacementFile(document, &dictionary);
        counts = {};
        for (const Problem& problem : problems)
            ++counts[static_cast<int>(problem.level)];
    }
    countByLevel(state, counts);
}

// `varn-placement check --level LEVEL FILE` with its output thrown away. The file has no
// errors (exit code 0) and many warnings (exit code 1).
void toolCheck(benchmark::State& state, const char* level, int expectedExit) {
    const std::string file = benchFile().toStdString();
    const double inputBytes = static_cast<double>(QFileInfo(benchFile()).size());
    for (auto _ : state)
        bench::report(state, bench::runTool({"check", "--level", level, file}), inputBytes,
                      expectedExit);
}

void BM_ToolCheckErrors(benchmark::State& state) {
    toolCheck(state, "error", 0);
}

void BM_ToolCheckWarnings(benchmark::State& state) {
    toolCheck(state, "warning", 1);
}

// The tool first, for its peak memory (see Run::peakMegabytes).
BENCHMARK(BM_ToolCheckErrors)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_ToolCheckWarnings)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_CheckFindings)->DenseRange(0, 2)->Apply(bench::wallAndProcessTime)->MinTime(2);
BENCHMARK(BM_CheckPlacementFile)->Apply(bench::wallAndProcessTime)->Iterations(3);

}  // namespace
}  // namespace varn

BENCHMARK_MAIN();
