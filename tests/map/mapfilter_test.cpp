// The map over tables that show their sections through filter models, as the window's do:
// selections counted in shown rows, the rows a filter hides dimmed, a click on a hidden row,
// and scattered rows deleted and put back in one reset.

#include "mapfixture.h"
#include "mappalette.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

using namespace varn;
using namespace varn::test;

namespace {

using Fixture = MapFixture;
constexpr auto kFiltered = MapFixture::Tables::Filtered;

// Section rows of the layer that carry the mark.
QList<int> marked(const MapLayer& layer, std::uint8_t mark) {
    QList<int> rows;
    for (int row = 0; row < layer.rowCount(); ++row)
        if (layer.marks()[row] & mark) rows << row;
    return rows;
}

// The filter of the points table set to the rows that pass test.
void filterPoints(Fixture& map, const RowFilterModel::RowTest& test) {
    std::vector<int> kept;
    for (int row = 0; row < map.points.rowCount(); ++row)
        if (test(row)) kept.push_back(row);
    map.pointRows.setFilter(std::move(kept), test);
}

bool everyThird(int row) {
    return row % 3 == 0;
}

}  // namespace

class MapFilterTest : public QObject {
    Q_OBJECT
private slots:
    void tableSelectionIsCountedInShownRows();
    void rowsTheFilterHidesAreDimmed();
    void bandSelectsTheRowsTheFilterShows();
    void clickOnAHiddenRowShowsIt_data();
    void clickOnAHiddenRowShowsIt();
    void scatteredRowsDeletedAndPutBackKeepTheView();
};

void MapFilterTest::tableSelectionIsCountedInShownRows() {
    Fixture map(gridPoints(), kBoxes, kFiltered);
    filterPoints(map, everyThird);
    // Shown rows 2 to 5 and 10 are section rows 6, 9, 12, 15 and 30.
    QItemSelection chosen(map.pointRows.index(2, 0), map.pointRows.index(5, 0));
    chosen.select(map.pointRows.index(10, 0), map.pointRows.index(10, 0));
    map.pointSelection.select(chosen, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const PointLayer& points = map.panel.scene()->points();
    QCOMPARE(marked(points, kRowSelected), (QList<int>{6, 9, 12, 15, 30}));
    QCOMPARE(map.pixelsOf(mapcolour::kSelected), 5 * 25);
    map.pointSelection.select(QItemSelection(map.pointRows.index(3, 0), map.pointRows.index(4, 0)),
                              QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    QCOMPARE(marked(points, kRowSelected), (QList<int>{6, 15, 30}));
    // A new filter resets the table's selection without a signal: the map lets go of it too.
    filterPoints(map, [](int row) { return row < 50; });
    QCOMPARE(marked(points, kRowSelected), QList<int>{});
    QCOMPARE(map.pixelsOf(mapcolour::kSelected), 0);
}

void MapFilterTest::rowsTheFilterHidesAreDimmed() {
    Fixture map(gridPoints(), {}, kFiltered);
    map.panel.findChild<QComboBox*>(QStringLiteral("MapColouring"))->setCurrentIndex(2);
    const int all = map.pixelsOf(mapcolour::kOnePoint);
    const QRgb dimmed = dimmedColour(mapcolour::kOnePoint);
    const SectionTable& table = map.document.table(kMapPointSection);
    const auto west = [&table](int row) { return mapNumber(table, row, mapPointCells().x) < 50; };
    filterPoints(map, west);
    QCOMPARE(map.pixelsOf(mapcolour::kOnePoint), all / 2);
    QCOMPARE(map.pixelsOf(dimmed), all / 2);
    // Row 27 moves west: the filter takes it in, the map lights it; row 23 leaves.
    (void)map.points.applyWrites(27, {{mapPointCells().x, QStringLiteral("33")}});
    (void)map.points.applyWrites(23, {{mapPointCells().x, QStringLiteral("88")}});
    QCOMPARE(map.view()->picture().pixel(map.pixelOf(33, 20)), mapcolour::kOnePoint);
    QCOMPARE(map.view()->picture().pixel(map.pixelOf(88, 20)), dimmed);
    map.pointRows.clearFilter();
    QCOMPARE(map.pixelsOf(dimmed), 0);
    QCOMPARE(map.pixelsOf(mapcolour::kOnePoint), all);
}

void MapFilterTest::bandSelectsTheRowsTheFilterShows() {
    Fixture map(gridPoints(), kBoxes, kFiltered);
    filterPoints(map, everyThird);
    QSignalSpy picked(&map.panel, &MapPanel::rowsPicked);
    map.drag(map.pixelOf(15, 15), map.pixelOf(45, 45), Qt::ShiftModifier);
    QCOMPARE(map.rowsOf(map.pointSelection), (QList<int>{24, 33, 42}));
    QCOMPARE(map.rowsOf(map.boxSelection), QList<int>{0});
    QCOMPARE(marked(map.panel.scene()->points(), kRowSelected), (QList<int>{24, 33, 42}));
    // The window is told of every row in the band; the filter stays.
    QCOMPARE(picked.count(), 1);
    QCOMPARE(picked[0][1].value<QList<int>>(), (QList<int>{22, 23, 24, 32, 33, 34, 42, 43, 44}));
    QVERIFY(map.pointRows.isFiltering());
}

void MapFilterTest::clickOnAHiddenRowShowsIt_data() {
    QTest::addColumn<QPointF>("target");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<bool>("filtering");
    // Row 33 at (30, 30) is selected first; rows 36 and 34 are shown and hidden.
    QTest::newRow("shown row") << QPointF(60, 30) << Qt::KeyboardModifiers() << QList<int>{36}
                               << true;
    QTest::newRow("shown row, Ctrl")
        << QPointF(60, 30) << Qt::KeyboardModifiers(Qt::ControlModifier) << QList<int>{33, 36}
        << true;
    QTest::newRow("hidden row") << QPointF(40, 30) << Qt::KeyboardModifiers() << QList<int>{34}
                                << false;
    QTest::newRow("hidden row, Ctrl")
        << QPointF(40, 30) << Qt::KeyboardModifiers(Qt::ControlModifier) << QList<int>{33, 34}
        << false;
}

void MapFilterTest::clickOnAHiddenRowShowsIt() {
    QFETCH(QPointF, target);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QList<int>, selected);
    QFETCH(bool, filtering);
    Fixture map(gridPoints(), {}, kFiltered);
    filterPoints(map, everyThird);
    QTest::mouseClick(map.view(), Qt::LeftButton, {}, map.pixelOf(30, 30));
    QCOMPARE(map.rowsOf(map.pointSelection), QList<int>{33});
    QTest::mouseClick(map.view(), Qt::LeftButton, modifiers, map.pixelOf(target.x(), target.y()));
    QCOMPARE(map.pointRows.isFiltering(), filtering);
    QCOMPARE(map.rowsOf(map.pointSelection), selected);
    const PointLayer& points = map.panel.scene()->points();
    QCOMPARE(marked(points, kRowSelected), selected);
    QCOMPARE(marked(points, kRowFilteredOut).size(), filtering ? 66 : 0);
}

// More scattered rows than the models announce one by one come and go in a reset: the map reads
// them again at once, in the same view, and the filter's dimming follows.
void MapFilterTest::scatteredRowsDeletedAndPutBackKeepTheView() {
    std::vector<MapPoint> many;
    for (int i = 0; i < 30000; ++i)
        many.push_back({static_cast<float>(i % 200), static_cast<float>(i / 200)});
    Fixture map(many, {}, kFiltered);
    QCoreApplication::processEvents();  // many rows are read after the first paint
    filterPoints(map, [](int row) { return row % 200 < 100; });
    map.wheel({300, 300}, 2);
    const MapViewport view = map.view()->viewport();
    const QImage before = map.view()->picture();
    std::vector<int> taken;
    for (int row = 0; row < 30000; row += 7)
        taken.push_back(row);

    RowBlock block = map.points.takeRows(taken);
    map.view()->repaint();
    MapScene& scene = *map.panel.scene();
    QVERIFY(!scene.isStale());
    QCOMPARE(scene.points().rowCount(), 30000 - static_cast<int>(taken.size()));
    QCOMPARE(map.view()->viewport().scale, view.scale);
    QCOMPARE(map.view()->viewport().centreX, view.centreX);
    QList<int> hidden;
    for (int row = 0; row < map.points.rowCount(); ++row)
        if (map.pointRows.rowOf(row) < 0) hidden << row;
    QCOMPARE(marked(scene.points(), kRowFilteredOut), hidden);
    QVERIFY(map.view()->picture() != before);

    map.points.insertRows(taken, std::move(block));  // as Undo puts them back
    map.view()->repaint();
    QVERIFY(!scene.isStale());
    QCOMPARE(map.view()->picture(), before);
}

QTEST_MAIN(MapFilterTest)
#include "mapfilter_test.moc"
