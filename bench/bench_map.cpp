// The map on the benchmark file (1,000,000 points, 100,000 boxes): reading the rows, a full
// picture, pan and zoom steps at several zoom levels, a drag of selected points, picking,
// following the tables' filters and bulk row changes, the memory the map keeps per row, and
// whether an attached map delays the first paint after opening the file.

#include "benchfile.h"
#include "widgetbenchmain.h"
#include "mappanel.h"
#include "maprenderer.h"
#include "maprowdrag.h"
#include "mapscene.h"
#include "mapview.h"
#include "placementfile.h"
#include "rowfiltermodel.h"
#include "sectionmodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <random>

namespace varn {
namespace {

constexpr int kViewWidth = 1000;
constexpr int kViewHeight = 700;

void load(Document& document) {
    HashDictionary dictionary;
    QString error;
    if (!loadPlacementFile(bench::benchFile(), {}, dictionary, document, error))
        qFatal("%s", qPrintable(error));
}

// The document, its two section models and the map scene over them, read. Through filters, as
// in the window: each table shows its section through a filter model, whose selection model the
// map follows.
struct Loaded {
    explicit Loaded(bool throughFilters = false)
        : pointSelection(throughFilters ? static_cast<QAbstractItemModel*>(&pointRows) : &points),
          boxSelection(throughFilters ? static_cast<QAbstractItemModel*>(&boxRows) : &boxes) {
        load(document);
        scene.attachSection(&points, throughFilters ? &pointRows : nullptr, &pointSelection);
        scene.attachSection(&boxes, throughFilters ? &boxRows : nullptr, &boxSelection);
        scene.prepare();
        fitted.width = kViewWidth;
        fitted.height = kViewHeight;
        fitted.fit(scene.bounds(), 24);
    }
    // The fitted view zoomed in by factor about its centre.
    MapViewport zoomed(double factor) const {
        MapViewport v = fitted;
        v.zoomAbout(v.width / 2.0, v.height / 2.0, factor);
        return v;
    }
    [[nodiscard]] std::int64_t rows() const {
        return document.table(0).rowCount() + document.table(9).rowCount();
    }

    Document document;
    SectionModel points{document, 0, nullptr};
    SectionModel boxes{document, 9, nullptr};
    RowFilterModel pointRows{points, nullptr};
    RowFilterModel boxRows{boxes, nullptr};
    QItemSelectionModel pointSelection;
    QItemSelectionModel boxSelection;
    MapScene scene;
    MapViewport fitted;
};

Loaded& loaded() {
    static Loaded l;
    return l;
}

bool keepsEven(int row) {
    return row % 2 == 0;
}

// Every other section 0 row.
std::vector<int> evenRows(const Loaded& l) {
    std::vector<int> rows;
    for (int row = 0; row < l.points.rowCount(); row += 2)
        rows.push_back(row);
    return rows;
}

// A copy of the file read through filters; the section 0 filter keeps every other row.
Loaded& throughFilters() {
    static Loaded l(true);
    static const bool filtered = [] {
        l.pointRows.setFilter(evenRows(l), keepsEven);
        return true;
    }();
    (void)filtered;
    return l;
}

void BM_MapReadRows(benchmark::State& state) {
    Loaded& l = loaded();
    for (auto _ : state) {
        l.scene.attachSection(&l.points, nullptr, &l.pointSelection);  // marks section 0 stale
        l.scene.attachSection(&l.boxes, nullptr, &l.boxSelection);
        l.scene.prepare();
    }
    state.counters["rows"] = static_cast<double>(l.rows());
}

void BM_MapFullPicture(benchmark::State& state) {
    Loaded& l = loaded();
    MapRenderer renderer;
    QImage image;
    for (auto _ : state)
        renderer.render(l.scene, l.fitted, {}, image);
}

// Arg: zoom factor over the fitted view. Each step moves the view by 40 x 25 pixels, back and
// forth, and draws it anew.
void BM_MapPanStep(benchmark::State& state) {
    Loaded& l = loaded();
    MapViewport view = l.zoomed(static_cast<double>(state.range(0)));
    MapRenderer renderer;
    QImage image;
    renderer.render(l.scene, view, {}, image);
    int step = 0;
    for (auto _ : state) {
        const int sign = step++ % 2 ? -1 : 1;
        view.panByPixels(40 * sign, 25 * sign);
        renderer.render(l.scene, view, {}, image);
    }
}

// Arg: zoom factor over the fitted view; each step one wheel notch in or out about a point off
// the centre.
void BM_MapZoomStep(benchmark::State& state) {
    Loaded& l = loaded();
    MapViewport view = l.zoomed(static_cast<double>(state.range(0)));
    MapRenderer renderer;
    QImage image;
    int step = 0;
    for (auto _ : state) {
        view.zoomAbout(610, 280, step++ % 2 ? 0.8 : 1.25);
        renderer.render(l.scene, view, {}, image);
    }
}

// Arg: zoom factor; a pick at a random pixel of the view, 6 pixels around it.
void BM_MapPick(benchmark::State& state) {
    Loaded& l = loaded();
    const MapViewport view = l.zoomed(static_cast<double>(state.range(0)));
    std::mt19937 random(11);
    int hits = 0;
    for (auto _ : state) {
        const double px = random() % kViewWidth;
        const double py = random() % kViewHeight;
        hits += l.scene.pick(view.toMapX(px), view.toMapY(py), 6 / view.scale).isValid();
    }
    state.counters["hit share"] =
        static_cast<double>(hits) / static_cast<double>(state.iterations());
}

// Arg 0: per thousand of the ground inside a square band; its rows are found and selected
// through the selection models, and the map takes the selection back, as a Shift+drag does.
// Arg 1: 1 when the tables show their rows through filter models and the section 0 filter hides
// every other row: the band's rows become shown rows and back.
void BM_MapBandSelect(benchmark::State& state) {
    Loaded& l = state.range(1) != 0 ? throughFilters() : loaded();
    const MapRect all = l.scene.bounds();
    const double side = std::sqrt(static_cast<double>(state.range(0)) / 1000);
    const MapRect band{all.minX, all.minY, all.minX + side * all.width(),
                       all.minY + side * all.height()};
    std::size_t rows = 0;
    for (auto _ : state) {
        const std::vector<int> points = l.scene.points().rowsIn(band);
        l.scene.selectRows(0, points, MapScene::Selecting::Replace);
        l.scene.selectRows(9, l.scene.boxes().rowsInside(band), MapScene::Selecting::Add);
        rows = points.size();
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["table ranges"] = static_cast<double>(l.pointSelection.selection().size());
    l.scene.selectRows(0, {}, MapScene::Selecting::Replace);
}

// Arg as above: the section 0 table view painting its first screen while the band's rows are
// selected; the view asks the selection model about each cell it paints.
void BM_TablePaintAfterBand(benchmark::State& state) {
    Loaded& l = loaded();
    QTableView view;
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setDefaultSectionSize(20);
    view.setModel(&l.points);
    view.resize(1000, 700);
    view.show();
    QApplication::processEvents();
    const MapRect all = l.scene.bounds();
    const double side = std::sqrt(static_cast<double>(state.range(0)) / 1000);
    MapScene scene;
    scene.attachSection(&l.points, nullptr, view.selectionModel());
    scene.prepare();
    scene.selectRows(0,
                     scene.points().rowsIn({all.minX, all.minY, all.minX + side * all.width(),
                                            all.minY + side * all.height()}),
                     MapScene::Selecting::Replace);
    for (auto _ : state)
        view.viewport()->repaint();
}

void BM_MapMemoryPerRow(benchmark::State& state) {
    Loaded& l = loaded();
    MapRenderer renderer;
    QImage image;
    for (auto _ : state)
        renderer.render(l.scene, l.zoomed(8), {}, image);  // the grid is built by now
    const double pointRows = l.scene.points().rowCount();
    const double boxRows = l.scene.boxes().rowCount();
    state.counters["point bytes/row"] =
        static_cast<double>(l.scene.points().memoryBytes()) / pointRows;
    state.counters["box bytes/row"] = static_cast<double>(l.scene.boxes().memoryBytes()) / boxRows;
    state.counters["bytes/row"] =
        static_cast<double>(l.scene.points().memoryBytes() + l.scene.boxes().memoryBytes()) /
        (pointRows + boxRows);
    state.counters["view scratch MB"] = static_cast<double>(renderer.scratchBytes()) / 1e6;
}

// The filter cleared and set again: the map dims the rows it hides, over all 1,000,000.
void BM_MapFollowsFilter(benchmark::State& state) {
    Loaded& f = throughFilters();
    const std::vector<int> kept = evenRows(f);
    for (auto _ : state) {
        f.pointRows.clearFilter();
        f.pointRows.setFilter(kept, keepsEven);
    }
}

// 100,000 scattered section 0 rows deleted, then put back as Undo does, each in one reset; the
// map reads the rows again and draws the picture after each step.
void BM_MapBulkDeleteAndUndo(benchmark::State& state) {
    Loaded& f = throughFilters();
    std::vector<int> taken;
    for (int row = 5; row < f.points.rowCount(); row += 10)
        taken.push_back(row);
    MapRenderer renderer;
    QImage image;
    QElapsedTimer clock;
    qint64 mapNanoseconds = 0;  // the map's share: reading and drawing
    const auto redraw = [&] {
        clock.start();
        f.scene.prepare();
        renderer.render(f.scene, f.fitted, {}, image);
        mapNanoseconds += clock.nsecsElapsed();
    };
    for (auto _ : state) {
        RowBlock block = f.points.takeRows(taken);
        redraw();
        f.points.insertRows(taken, std::move(block));
        redraw();
    }
    state.counters["rows taken"] = static_cast<double>(taken.size());
    state.counters["map ms per step"] =
        static_cast<double>(mapNanoseconds) / 1e6 / (2.0 * static_cast<double>(state.iterations()));
}

// Arg 0: a table view alone; arg 1: the table view beside a shown map panel. From the start of
// the load to the first painted table and map.
void BM_OpenToFirstPaint(benchmark::State& state) {
    const bool withMap = state.range(0) != 0;
    Document document;
    SectionModel points(document, 0, nullptr);
    SectionModel boxes(document, 9, nullptr);
    QWidget window;
    auto* table = new QTableView(&window);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(20);
    table->setModel(&points);
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(table);
    MapPanel* map = nullptr;
    if (withMap) {
        map = new MapPanel(&window);
        map->attachSection(&points, nullptr, table->selectionModel());
        map->attachSection(&boxes, nullptr, nullptr);
        layout->addWidget(map);
    }
    window.resize(1400, 800);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        Document next;
        load(next);
        points.beginDocumentChange();
        boxes.beginDocumentChange();
        document = std::move(next);
        points.endDocumentChange();
        boxes.endDocumentChange();
        QApplication::processEvents();
        table->viewport()->repaint();
        if (map) map->view()->repaint();
        state.PauseTiming();
        QApplication::processEvents();  // the map reads its rows just after the first paint
        state.ResumeTiming();
    }
}

// From the first paint to the map drawn: the rows read just after it, then the picture.
void BM_MapShownAfterOpen(benchmark::State& state) {
    Loaded& l = loaded();
    MapPanel panel;
    panel.attachSection(&l.points, nullptr, &l.pointSelection);
    panel.attachSection(&l.boxes, nullptr, &l.boxSelection);
    panel.resize(kViewWidth, kViewHeight);
    panel.show();
    QApplication::processEvents();
    for (auto _ : state) {
        panel.attachSection(&l.points, nullptr, &l.pointSelection);  // as after a load
        panel.attachSection(&l.boxes, nullptr, &l.boxSelection);
        panel.view()->repaint();        // the placeholder
        QApplication::processEvents();  // reads the rows
        panel.view()->repaint();        // the map
    }
}

// Arg: zoom factor over the fitted view. 10,000 selected points (every hundredth row) dragged:
// each step puts them at the pointer's new offset and draws the picture, as the view does while
// the button is held; the heading ticks come with it once the view is zoomed in far enough.
void BM_MapDragStep(benchmark::State& state) {
    Loaded& l = loaded();
    std::vector<int> rows;
    for (int row = 0; row < l.points.rowCount(); row += 100)
        rows.push_back(row);
    l.scene.selectRows(0, rows, MapScene::Selecting::Replace);
    const MapViewport view = l.zoomed(static_cast<double>(state.range(0)));
    MapRowDrag drag(l.scene, nullptr);
    const MapPoint start = l.scene.points().positions()[rows[rows.size() / 2]];
    if (!drag.begin(rows[rows.size() / 2], start.x, start.y))
        state.SkipWithError("the point is not selected");
    MapRenderer renderer;
    QImage image;
    int step = 0;
    for (auto _ : state) {
        const double way = (step++ % 20) * 3 / view.scale;  // 3 pixels a step
        drag.follow(start.x + way, start.y - way);
        renderer.render(l.scene, view, {}, image);
    }
    drag.cancel();
    state.counters["rows dragged"] = static_cast<double>(rows.size());
    l.scene.selectRows(0, {}, MapScene::Selecting::Replace);
}

BENCHMARK(BM_MapReadRows)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_MapFullPicture)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_MapPanStep)->Arg(1)->Arg(8)->Arg(64)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_MapZoomStep)->Arg(1)->Arg(8)->Arg(64)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_MapPick)->Arg(1)->Arg(8)->Arg(64)->Unit(benchmark::kMicrosecond)->MinTime(1);
BENCHMARK(BM_MapDragStep)->Arg(1)->Arg(8)->Arg(64)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_MapBandSelect)->ArgsProduct({{1, 10, 100}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TablePaintAfterBand)->Arg(0)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapFollowsFilter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapBulkDeleteAndUndo)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_MapMemoryPerRow)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenToFirstPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_MapShownAfterOpen)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace varn

int main(int argc, char** argv) {
    return varn::bench::runWidgetBenchmarks(argc, argv);
}
