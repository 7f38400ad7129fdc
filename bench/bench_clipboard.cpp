// Copy and Paste of 100,000 rows of the benchmark file's sections 0 and 9: the selected rows as
// tab-separated text, and that text decoded (every cell tested) and built into records.

#include "benchdocument.h"
#include "rowclipboard.h"

#include <benchmark/benchmark.h>

#include <numeric>

namespace varn {
namespace {

constexpr int kRows = 100000;

using bench::benchDocument;

std::vector<int> selectedRows() {
    std::vector<int> rows(kRows);
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

void BM_CopyRows(benchmark::State& state) {
    const SectionTable& table = benchDocument().table(static_cast<int>(state.range(0)));
    qsizetype size = 0;
    for (auto _ : state) {
        const QString text = encodeRows(table, selectedRows());
        size = text.size();
        benchmark::DoNotOptimize(text.constData());
    }
    state.counters["text_MB"] = static_cast<double>(size) / (1 << 20);
}

// Decoded into one write per cell, as an editor's OK gives them.
void BM_PasteRowWrites(benchmark::State& state) {
    const SectionTable& table = benchDocument().table(static_cast<int>(state.range(0)));
    const QString text = encodeRows(table, selectedRows());
    for (auto _ : state) {
        std::vector<RowWrites> rows;
        QString error;
        if (!decodeRows(text, table.layout(), table.context(), rows, error))
            state.SkipWithError(qPrintable(error));
        benchmark::DoNotOptimize(rows.data());
    }
}

// Decoded straight into records and the few texts they do not show back.
void BM_PasteRecords(benchmark::State& state) {
    const SectionTable& table = benchDocument().table(static_cast<int>(state.range(0)));
    const QString text = encodeRows(table, selectedRows());
    std::size_t edited = 0;
    for (auto _ : state) {
        DecodedRecords rows;
        QString error;
        if (!decodeRecords(text, table.layout(), table.context(), rows, error))
            state.SkipWithError(qPrintable(error));
        for (const RowWrites& edits : rows.edits)
            edited += edits.size();
        benchmark::DoNotOptimize(rows.records.data());
    }
    state.counters["edited_cells_per_row"] = static_cast<double>(edited) /
                                             static_cast<double>(kRows) /
                                             static_cast<double>(state.iterations());
}

BENCHMARK(BM_CopyRows)->Arg(0)->Arg(9)->Apply(bench::wallAndProcessTime);
BENCHMARK(BM_PasteRowWrites)->Arg(0)->Arg(9)->Apply(bench::wallAndProcessTime);
BENCHMARK(BM_PasteRecords)->Arg(0)->Arg(9)->Apply(bench::wallAndProcessTime);

}  // namespace
}  // namespace varn

BENCHMARK_MAIN();
