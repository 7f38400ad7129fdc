// The history on the benchmark file: undo and redo of a delete and of an add in the section of
// 1,000,000 rows, with a table view attached as in the window, and what 10,000 edits cost.

#include "addrowcommand.h"
#include "benchfile.h"
#include "widgetbenchmain.h"
#include "deleterowscommand.h"
#include "editrowcommand.h"
#include "placementdocument.h"
#include "sectionmodel.h"

#include <QApplication>
#include <QTableView>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

namespace varn {
namespace {

struct LoadedDocument {
    LoadedDocument() : document(new PlacementDocument('.')) {
        HashDictionary dictionary;
        QString error;
        if (!document->load(bench::benchFile(), {}, dictionary, error, nullptr)) std::abort();
        view.setModel(&document->model(0));
        view.resize(900, 600);
        view.show();
        QApplication::processEvents();
    }
    QUndoStack& history() { return document->undoStack(); }

    std::unique_ptr<PlacementDocument> document;
    QTableView view;
};

LoadedDocument& loaded() {
    // Never destroyed: the application object goes first, and widgets may not outlive it.
    static LoadedDocument* d = new LoadedDocument;
    return *d;
}

constexpr int kMiddleRow = 500'000;

// Undo (redo) of one step of the given kind, the step made anew for every iteration.
template <typename MakeStep>
void undoRedo(benchmark::State& state, bool timeRedo, MakeStep makeStep) {
    LoadedDocument& d = loaded();
    for (auto _ : state) {
        state.PauseTiming();
        makeStep(d);
        if (timeRedo) d.history().undo();
        state.ResumeTiming();
        if (timeRedo) {
            d.history().redo();
        } else {
            d.history().undo();
        }
        state.PauseTiming();
        if (timeRedo) d.history().undo();
        state.ResumeTiming();
    }
}

void pushDelete(LoadedDocument& d) {
    d.document->push(new DeleteRowsCommand(*d.document, 0, {kMiddleRow}));
}

void pushAdd(LoadedDocument& d) {
    auto* add = new AddRowCommand(*d.document, 0);
    add->confirm({});
    d.document->push(add);
}

void BM_UndoDelete(benchmark::State& state) {
    undoRedo(state, false, pushDelete);
}
void BM_RedoDelete(benchmark::State& state) {
    undoRedo(state, true, pushDelete);
}
void BM_UndoAdd(benchmark::State& state) {
    undoRedo(state, false, pushAdd);
}
void BM_RedoAdd(benchmark::State& state) {
    undoRedo(state, true, pushAdd);
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

// 10,000 edits of one cell each, spread over the section: the memory they add. The table's
// index of edited rows (one pointer per row) is made by the first edit and counted apart.
void BM_TenThousandEdits(benchmark::State& state) {
    LoadedDocument& d = loaded();
    for (auto _ : state) {
        d.history().clear();
        const long unedited = residentKilobytes();
        d.document->push(new EditRowCommand(*d.document, 0, 1, {{9, QStringLiteral("5")}}));
        d.history().undo();
        const long before = residentKilobytes();
        state.counters["index kB"] = static_cast<double>(before - unedited);
        for (int i = 0; i < 10'000; ++i)
            d.document->push(new EditRowCommand(*d.document, 0, i * 97,
                                                {{9, QString::number(i % 7 - 1)}}));
        const long withEdits = residentKilobytes();
        state.counters["kB added"] = static_cast<double>(withEdits - before);
        d.history().clear();
    }
}

BENCHMARK(BM_UndoDelete)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_RedoDelete)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_UndoAdd)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_RedoAdd)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_TenThousandEdits)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace varn

int main(int argc, char** argv) {
    return varn::bench::runWidgetBenchmarks(argc, argv);
}
