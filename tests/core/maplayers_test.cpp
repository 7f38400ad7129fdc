#include "document.h"
#include "mapcells.h"
#include "maplayers.h"
#include "pointgrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <random>

namespace varn {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// The map reads its cells by caption; the offsets say it found the right fields.
TEST(MapCells, NameTheFieldsTheMapDraws) {
    const SectionLayout& points = *sectionLayout(kMapPointSection);
    const SectionLayout& boxes = *sectionLayout(kMapBoxSection);
    const MapPointCells& p = mapPointCells();
    const MapBoxCells& b = mapBoxCells();
    const struct {
        const SectionLayout& layout;
        int cell;
        int offset;
    } cases[] = {{points, p.x, 0},          {points, p.y, 4},  {points, p.lod, 36},
                 {points, p.modelName, 28}, {boxes, b.x1, 0},  {boxes, b.y1, 4},
                 {boxes, b.x2, 12},         {boxes, b.y2, 16}, {boxes, b.modelName, 68}};
    for (const auto& c : cases)
        EXPECT_EQ(c.layout.cells.at(c.cell).offset, c.offset) << c.layout.cells.at(c.cell).caption;
}

TEST(MapCells, ColourKeys) {
    EXPECT_EQ(lodKey(-1), 0);
    EXPECT_EQ(lodKey(3), 4);
    EXPECT_EQ(lodKey(126), 127);
    for (double odd : {-2.0, 127.0, 0.5, double(kNaN)})
        EXPECT_EQ(lodKey(odd), kOtherLodKey) << odd;
    EXPECT_EQ(modelColourKey(12345), modelColourKey(12345));
    EXPECT_LT(modelColourKey(4294967295.0), kModelColourCount);
}

std::vector<int> bruteForce(const std::vector<MapPoint>& points, const MapRect& rect) {
    std::vector<int> rows;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (rect.contains(points[i].x, points[i].y)) rows.push_back(static_cast<int>(i));
    return rows;
}

// The grid finds exactly what a search of every row finds, also after rows moved or were
// appended since it was built, on even and on crowded ground.
TEST(PointGrid, FindsWhatASearchOfEveryRowFinds) {
    const struct {
        int rows;
        bool crowded;
        int moves;
        int appends;
    } cases[] = {{0, false, 0, 5},
                 {1, false, 1, 0},
                 {5000, false, 0, 0},
                 {5000, true, 300, 40},
                 {20000, false, 6000, 0}};
    for (const auto& c : cases) {
        std::mt19937 random(static_cast<unsigned>(c.rows + c.moves));
        std::uniform_real_distribution<float> wide(-3000, 3000);
        std::normal_distribution<float> near(500, 3);
        const auto point = [&] {
            return c.crowded ? MapPoint{near(random), near(random)}
                             : MapPoint{wide(random), wide(random)};
        };
        std::vector<MapPoint> points(static_cast<std::size_t>(c.rows));
        for (MapPoint& p : points)
            p = point();
        if (!points.empty()) points[0] = {kNaN, 1};
        PointGrid grid;
        grid.build(points);
        for (int i = 0; i < c.moves; ++i) {
            const int row = static_cast<int>(random() % points.size());
            points[row] = i % 7 == 0 ? MapPoint{kInf, 0} : MapPoint{wide(random), wide(random)};
            grid.moved(row);
        }
        for (int i = 0; i < c.appends; ++i)
            points.push_back(point());
        for (int query = 0; query < 40; ++query) {
            const float x = wide(random), y = wide(random);
            const float size = query % 2 ? 50.0f : 2500.0f;
            const MapRect rect{x, y, x + size, y + size / 3};
            std::vector<int> found;
            grid.forEachIn(rect, points, [&](int row) { found.push_back(row); });
            std::sort(found.begin(), found.end());
            ASSERT_EQ(found, bruteForce(points, rect)) << c.rows << " query " << query;
        }
        EXPECT_EQ(grid.needsRebuild(points.size()), c.moves > 4096) << c.rows;
    }
}

// Rows of a section 0 table with the given positions (host order, as loaded).
void fillPoints(SectionTable& table, const std::vector<MapPoint>& positions) {
    char* records = table.resetRecords(static_cast<int>(positions.size()));
    const int size = table.layout().recordSize;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        std::memcpy(records + i * size + 0, &positions[i].x, 4);
        std::memcpy(records + i * size + 4, &positions[i].y, 4);
    }
}

TEST(PointLayer, FollowsTheTable) {
    Document document;
    SectionTable& table = document.table(kMapPointSection);
    fillPoints(table, {{0, 0}, {10, 0}, {kNaN, 3}, {0, 10}, {2, kInf}});
    PointLayer layer;
    layer.readAll(table);
    EXPECT_EQ(layer.rowsWithoutPosition(), 2);
    EXPECT_EQ(layer.bounds().maxX, 10);
    EXPECT_EQ(layer.nearest(9, 1, 2), 1);
    EXPECT_EQ(layer.nearest(5, 5, 2), -1);

    table.setCellText(1, mapPointCells().x, QStringLiteral("-20"));  // an edit moves row 1
    table.setCellText(3, mapPointCells().y, QStringLiteral("x"));    // not a number: no position
    layer.readRows(table, 1, 3);
    EXPECT_EQ(layer.nearest(-20, 0, 1), 1);
    EXPECT_EQ(layer.rowsWithoutPosition(), 3);
    EXPECT_EQ(layer.bounds().minX, -20);

    table.removeRow(0);
    layer.removeRows(0, 0);
    EXPECT_EQ(layer.rowsIn({-30, -1, 30, 1}), std::vector<int>{0});
    table.appendDefaultRow();  // at 0, 0
    layer.insertRows(table, 4, 4);
    EXPECT_EQ(layer.rowsIn({-1, -1, 1, 1}), std::vector<int>{4});
    EXPECT_LE(layer.memoryBytes(), 5u * 24 + 64);
}

TEST(BoxLayer, OutlinesAndBands) {
    Document document;
    SectionTable& table = document.table(kMapBoxSection);
    const MapBoxCells& c = mapBoxCells();
    // Corners in either order; the last box lacks one.
    const float corners[][4] = {{0, 0, 10, 10}, {30, 20, 20, 0}, {-5, -5, 50, 50}, {1, 1, kNaN, 2}};
    for (const auto& box : corners) {
        const int row = table.appendDefaultRow();
        const int cells[] = {c.x1, c.y1, c.x2, c.y2};
        for (int k = 0; k < 4; ++k)
            table.setCellText(row, cells[k],
                              std::isnan(box[k]) ? QStringLiteral("-") : QString::number(box[k]));
    }
    BoxLayer layer;
    layer.readAll(table);
    EXPECT_EQ(layer.rowsWithoutPosition(), 1);
    EXPECT_EQ(layer.boxes()[1].minX, 20);
    EXPECT_EQ(layer.boxes()[1].maxY, 20);
    const struct {
        double x, y, radius;
        int row;
    } picks[] = {{5, 9.5, 1, 0}, {21, 10, 2, 1}, {5, 5, 1, -1}, {-5.5, 20, 1, 2}, {60, 60, 3, -1}};
    for (const auto& p : picks)
        EXPECT_EQ(layer.nearestOutline(p.x, p.y, p.radius), p.row) << p.x << "," << p.y;
    EXPECT_EQ(layer.rowsInside({-1, -1, 31, 21}), (std::vector<int>{0, 1}));
    EXPECT_EQ(layer.rowsInside({-1, -1, 29, 21}), std::vector<int>{0});
}

// The view's transform: zooming keeps the point under the pointer, panning moves the picture
// with the pointer, fitting shows the bounds whole within the margin, centred.
TEST(MapViewport, ZoomPanAndFit) {
    MapViewport v{.centreX = 100, .centreY = -50, .scale = 2, .width = 800, .height = 600};
    const double x = v.toMapX(650), y = v.toMapY(120);
    v.zoomAbout(650, 120, 3.5);
    EXPECT_NEAR(v.toMapX(650), x, 1e-9);
    EXPECT_NEAR(v.toMapY(120), y, 1e-9);
    EXPECT_DOUBLE_EQ(v.scale, 7);
    v.panByPixels(30, -20);
    EXPECT_NEAR(v.toPixelX(x), 680, 1e-9);
    EXPECT_NEAR(v.toPixelY(y), 100, 1e-9);

    const struct {
        MapRect bounds;
        double scale, centreX, centreY;
    } fits[] = {{{0, 0, 760, 100}, 1, 380, 50},    // wide: the width decides
                {{-10, -10, 10, 270}, 2, 0, 130},  // tall: the height decides
                {{5, 5, 5, 5}, 5.6, 5, 5},         // one point: a square of 100 about it
                {{}, 5.6, 0, 0}};                  // nothing: 100 about the origin
    for (const auto& f : fits) {
        v.fit(f.bounds, 20);
        EXPECT_NEAR(v.scale, f.scale, 1e-9) << f.bounds.maxX;
        EXPECT_NEAR(v.centreX, f.centreX, 1e-9);
        EXPECT_NEAR(v.centreY, f.centreY, 1e-9);
    }
    const MapRect band = v.rectBetween(500, 100, 300, 400);
    EXPECT_NEAR(band.minX, v.toMapX(300), 1e-9);
    EXPECT_NEAR(band.maxY, v.toMapY(100), 1e-9);
}

}  // namespace
}  // namespace varn
