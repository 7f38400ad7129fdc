// Sorting the benchmark file's 1,000,000 instances by a column, as a click on its caption does:
// the order alone (core), and the table's filter model taking it while a view shows it with a
// few rows selected, which keep their selection.

#include "benchfile.h"
#include "placementfile.h"
#include "rowfiltermodel.h"
#include "rowsort.h"
#include "sectionmodel.h"
#include "widgetbenchmain.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <numeric>

namespace varn {
namespace {

Document& instances() {
    static Document document = [] {
        Document loaded;
        HashDictionary dictionary;
        QString error;
        if (!loadPlacementFile(bench::benchFile(), {}, dictionary, loaded, error))
            qFatal("%s", qPrintable(error));
        return loaded;
    }();
    return document;
}

// Arg: the view column, 1 Pos X (floats), 8 the model name (texts), 10 LOD (integers).
void BM_SortRows(benchmark::State& state) {
    const SectionTable& table = instances().table(0);
    std::vector<int> rows(static_cast<std::size_t>(table.rowCount()));
    for (auto _ : state) {
        state.PauseTiming();
        std::iota(rows.begin(), rows.end(), 0);
        state.ResumeTiming();
        sortRows(table, {static_cast<int>(state.range(0)), false}, rows);
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}

// Arg as above: file order, then sorted, then file order again, as three clicks give them, with
// 100 scattered rows selected in a shown table.
void BM_SortShownRows(benchmark::State& state) {
    SectionModel model(instances(), 0, nullptr);
    RowFilterModel shown(model, nullptr);
    QTableView view;
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setDefaultSectionSize(20);
    view.setModel(&shown);
    view.resize(1000, 700);
    view.show();
    QItemSelection selection;
    for (int row = 0; row < model.rowCount(); row += model.rowCount() / 100)
        selection.select(shown.index(row, 0), shown.index(row, shown.columnCount() - 1));
    view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const int column = static_cast<int>(state.range(0));
    bool descending = false;
    for (auto _ : state) {
        shown.sort(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        view.viewport()->repaint();
        state.PauseTiming();
        shown.sort(-1);
        descending = !descending;
        state.ResumeTiming();
    }
    state.counters["selected"] = static_cast<double>(view.selectionModel()->selectedRows().size());
}

BENCHMARK(BM_SortRows)->Arg(1)->Arg(8)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortShownRows)->Arg(1)->Arg(8)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varn

int main(int argc, char** argv) {
    return varn::bench::runWidgetBenchmarks(argc, argv);
}
