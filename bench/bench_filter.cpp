// The filter bar's work on the benchmark file's 1,000,000 instances: a text over all columns, a
// text in one column and a comparison in one column. Each query is one run over every row.

#include "benchdocument.h"
#include "rowfilter.h"

#include <benchmark/benchmark.h>

namespace varn {
namespace {

using bench::benchDocument;

struct Query {
    const char* label;
    int column;
    const char* text;
};

// Texts that match often and seldom. "0.0001" and "9.9" fit every float column, bound no
// magnitude and seldom match, so most float cells of most rows are formatted.
constexpr Query kAllColumnQueries[] = {
    {"12.5", kAllColumns, "12.5"},       {"-1", kAllColumns, "-1"},
    {"hash:12", kAllColumns, "hash:12"}, {"-12345", kAllColumns, "-12345"},
    {"tree", kAllColumns, "tree"},       {"0.0001", kAllColumns, "0.0001"},
    {"9.9", kAllColumns, "9.9"},
};
constexpr Query kOneColumnQueries[] = {
    {"Pos X 12.5", 0, "12.5"},       {"Pos X -12345", 0, "-12345"},
    {"model hash:12", 7, "hash:12"}, {"LOD -1", 9, "-1"},
    {"Unkn3 0.5", 11, "0.5"},        {"row 4711", kRowNumberColumn, "4711"},
    {"LOD = -1", 9, "= -1"},         {"Pos X > 100", 0, "> 100"},
    {"Unkn3 <= 0.5", 11, "<= 0.5"},  {"model = 12345", 7, "= 12345"},
};

void runQuery(benchmark::State& state, const Query& query) {
    const SectionTable& instances = benchDocument().table(0);
    std::size_t kept = 0;
    for (auto _ : state) {
        const auto result = filterRows(instances, {QString::fromLatin1(query.text), query.column});
        kept = result->rows.size();
        benchmark::DoNotOptimize(kept);
    }
    state.SetLabel(query.label);
    state.counters["kept"] = static_cast<double>(kept);
}

void BM_FilterAllColumns(benchmark::State& state) {
    runQuery(state, kAllColumnQueries[state.range(0)]);
}

void BM_FilterOneColumn(benchmark::State& state) {
    runQuery(state, kOneColumnQueries[state.range(0)]);
}

BENCHMARK(BM_FilterAllColumns)
    ->DenseRange(0, std::size(kAllColumnQueries) - 1)
    ->Apply(bench::wallAndProcessTime);
BENCHMARK(BM_FilterOneColumn)
    ->DenseRange(0, std::size(kOneColumnQueries) - 1)
    ->Apply(bench::wallAndProcessTime);

}  // namespace
}  // namespace varn

BENCHMARK_MAIN();
