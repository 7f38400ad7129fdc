// Change Column and Move and Rotate of the benchmark file's 1,000,000 instances: the rows'
// new contents planned and applied to the table, and the same change applied again (its
// undo). Also the count a dialog shows before anything changes.

#include "benchdocument.h"
#include "columnchange.h"
#include "rowtransform.h"

#include <benchmark/benchmark.h>

#include <numeric>

namespace varn {
namespace {

Document& instances() {
    static Document document = [] {
        Document loaded;
        HashDictionary dictionary;
        QString error;
        if (!loadPlacementFile(bench::benchFile(), {}, dictionary, loaded, error)) std::abort();
        return loaded;
    }();
    return document;
}

const std::vector<int>& everyRow() {
    static const std::vector<int> rows = [] {
        std::vector<int> all(static_cast<std::size_t>(instances().table(0).rowCount()));
        std::iota(all.begin(), all.end(), 0);
        return all;
    }();
    return rows;
}

// Pos Z + 0.5 changes every row, whatever ran before; so does a quarter turn with a move.
const ColumnChange kLift{2, ColumnOperation::Add, QStringLiteral("0.5"), {}};
const RowTransform kTurn{.dx = 40, .degrees = 90};

template <typename Plan>
void planAndApply(benchmark::State& state, Plan plan) {
    SectionTable& table = instances().table(0);
    for (auto _ : state) {
        RowChange change;
        QString error;
        if (!plan(table, change, error)) state.SkipWithError(qPrintable(error));
        applyRowChange(table, change);
        state.counters["rows"] = change.rowCount();
        state.PauseTiming();
        change = {};  // freeing the old contents belongs to the command's end, not to the edit
        state.ResumeTiming();
    }
}

template <typename Plan>
void undoAndRedo(benchmark::State& state, Plan plan) {
    SectionTable& table = instances().table(0);
    RowChange change;
    QString error;
    if (!plan(table, change, error)) state.SkipWithError(qPrintable(error));
    applyRowChange(table, change);
    for (auto _ : state)
        applyRowChange(table, change);  // undo, redo, undo, ...
    state.counters["rows"] = change.rowCount();
}

bool lift(SectionTable& table, RowChange& change, QString& error) {
    return planColumnChange(table, everyRow(), kLift, change, error);
}

bool turn(SectionTable& table, RowChange& change, QString& error) {
    return planTransform(table, everyRow(), kTurn, change, error);
}

void BM_ChangeColumn(benchmark::State& state) {
    planAndApply(state, lift);
}
void BM_ChangeColumnUndo(benchmark::State& state) {
    undoAndRedo(state, lift);
}
void BM_ChangeColumnCount(benchmark::State& state) {
    for (auto _ : state) {
        QString error;
        const std::optional<int> count =
            countColumnChange(instances().table(0), everyRow(), kLift, error);
        benchmark::DoNotOptimize(count);
    }
}
void BM_MoveAndRotate(benchmark::State& state) {
    planAndApply(state, turn);
}
void BM_MoveAndRotateUndo(benchmark::State& state) {
    undoAndRedo(state, turn);
}

BENCHMARK(BM_ChangeColumn)->Apply(bench::wallAndProcessTime);
BENCHMARK(BM_ChangeColumnUndo)->Apply(bench::wallAndProcessTime);
BENCHMARK(BM_ChangeColumnCount)->Apply(bench::wallAndProcessTime);
BENCHMARK(BM_MoveAndRotate)->Apply(bench::wallAndProcessTime);
BENCHMARK(BM_MoveAndRotateUndo)->Apply(bench::wallAndProcessTime);

}  // namespace
}  // namespace varn

BENCHMARK_MAIN();
