#include "maplayers.h"

#include "mapcells.h"

#include <algorithm>

namespace varn {

// ---- rows and marks ----

void MapLayer::setMark(int first, int last, std::uint8_t mark, bool on) {
    first = std::max(first, 0);
    last = std::min(last, rowCount() - 1);
    for (int row = first; row <= last; ++row)
        marks_[row] = on ? marks_[row] | mark : marks_[row] & ~mark;
}

void MapLayer::clearMark(std::uint8_t mark) {
    for (std::uint8_t& m : marks_)
        m &= ~mark;
}

void MapLayer::readAll(const SectionTable& table) {
    marks_.assign(static_cast<std::size_t>(table.rowCount()), 0);
    marks_.shrink_to_fit();
    resizeShapes(marks_.size());
    if (table.rowCount() > 0) readShapes(table, 0, table.rowCount() - 1);
}

void MapLayer::readRows(const SectionTable& table, int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, rowCount() - 1);
    if (first <= last) readShapes(table, first, last);
}

void MapLayer::insertRows(const SectionTable& table, int first, int last) {
    const int count = last - first + 1;
    marks_.insert(marks_.begin() + first, static_cast<std::size_t>(count), 0);
    insertShapes(first, count);
    readShapes(table, first, last);
}

void MapLayer::removeRows(int first, int last) {
    marks_.erase(marks_.begin() + first, marks_.begin() + last + 1);
    eraseShapes(first, last - first + 1);
}

int MapLayer::rowsWithoutPosition() const {
    int count = 0;
    for (int row = 0; row < rowCount(); ++row)
        count += hasPosition(row) ? 0 : 1;
    return count;
}

std::size_t MapLayer::memoryBytes() const {
    return marks_.capacity();
}

// ---- section 0: points ----

void PointLayer::resizeShapes(std::size_t count) {
    positions_.assign(count, {});
    lodKeys_.assign(count, 0);
    modelKeys_.assign(count, 0);
    positions_.shrink_to_fit();
    lodKeys_.shrink_to_fit();
    modelKeys_.shrink_to_fit();
    grid_.invalidate();
    shapesChanged();
}

void PointLayer::insertShapes(int first, int count) {
    const bool atEnd = first == static_cast<int>(positions_.size());
    positions_.insert(positions_.begin() + first, static_cast<std::size_t>(count), MapPoint{});
    lodKeys_.insert(lodKeys_.begin() + first, static_cast<std::size_t>(count), 0);
    modelKeys_.insert(modelKeys_.begin() + first, static_cast<std::size_t>(count), 0);
    // Appended rows are searched aside; rows inserted before others renumber what the grid holds.
    if (!atEnd) grid_.invalidate();
    shapesChanged();
}

void PointLayer::eraseShapes(int first, int count) {
    positions_.erase(positions_.begin() + first, positions_.begin() + first + count);
    lodKeys_.erase(lodKeys_.begin() + first, lodKeys_.begin() + first + count);
    modelKeys_.erase(modelKeys_.begin() + first, modelKeys_.begin() + first + count);
    grid_.invalidate();
    shapesChanged();
}

void PointLayer::readShapes(const SectionTable& table, int first, int last) {
    const MapPointCells& cells = mapPointCells();
    for (int row = first; row <= last; ++row) {
        positions_[row] = {static_cast<float>(mapNumber(table, row, cells.x)),
                           static_cast<float>(mapNumber(table, row, cells.y))};
        lodKeys_[row] = lodKey(mapNumber(table, row, cells.lod));
        modelKeys_[row] = modelColourKey(mapNumber(table, row, cells.modelName));
        grid_.moved(row);
    }
    shapesChanged();
}

MapRect PointLayer::bounds() const {
    if (!boundsKnown_) {
        bounds_ = {};
        for (const MapPoint& p : positions_)
            if (varn::hasPosition(p)) bounds_.include(p.x, p.y);
        boundsKnown_ = true;
    }
    return bounds_;
}

std::size_t PointLayer::memoryBytes() const {
    return MapLayer::memoryBytes() + positions_.capacity() * sizeof(MapPoint) +
           lodKeys_.capacity() + modelKeys_.capacity() + grid_.memoryBytes();
}

void PointLayer::prepareGrid() {
    if (grid_.needsRebuild(positions_.size())) grid_.build(positions_);
}

int PointLayer::nearest(double x, double y, double radius) {
    int best = -1;
    double bestDistance = radius * radius;
    forEachIn({x - radius, y - radius, x + radius, y + radius}, [&](int row) {
        const double dx = positions_[row].x - x;
        const double dy = positions_[row].y - y;
        const double distance = dx * dx + dy * dy;
        if (distance <= bestDistance && (best < 0 || distance < bestDistance || row < best)) {
            best = row;
            bestDistance = distance;
        }
    });
    return best;
}

std::vector<int> PointLayer::rowsIn(const MapRect& rect) {
    std::vector<int> rows;
    forEachIn(rect, [&](int row) { rows.push_back(row); });
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The bounds only grow on the way, rather than being counted again over every row for each
// step; reading the rows makes them exact again.
void PointLayer::placeRows(std::span<const int> rows, std::span<const MapPoint> positions) {
    for (std::size_t i = 0; i < rows.size() && i < positions.size(); ++i) {
        const MapPoint& p = positions[i];
        positions_[static_cast<std::size_t>(rows[i])] = p;
        grid_.moved(rows[i]);
        if (boundsKnown_ && varn::hasPosition(p)) bounds_.include(p.x, p.y);
    }
}

// ---- section 9: boxes ----

void BoxLayer::resizeShapes(std::size_t count) {
    boxes_.assign(count, {});
    boxes_.shrink_to_fit();
}

void BoxLayer::insertShapes(int first, int count) {
    boxes_.insert(boxes_.begin() + first, static_cast<std::size_t>(count), MapBox{});
}

void BoxLayer::eraseShapes(int first, int count) {
    boxes_.erase(boxes_.begin() + first, boxes_.begin() + first + count);
}

void BoxLayer::readShapes(const SectionTable& table, int first, int last) {
    const MapBoxCells& cells = mapBoxCells();
    for (int row = first; row <= last; ++row)
        boxes_[row] = boxBetween(static_cast<float>(mapNumber(table, row, cells.x1)),
                                 static_cast<float>(mapNumber(table, row, cells.y1)),
                                 static_cast<float>(mapNumber(table, row, cells.x2)),
                                 static_cast<float>(mapNumber(table, row, cells.y2)));
}

MapRect BoxLayer::bounds() const {
    MapRect all;
    for (const MapBox& b : boxes_) {
        if (!varn::hasPosition(b)) continue;
        all.include(b.minX, b.minY);
        all.include(b.maxX, b.maxY);
    }
    return all;
}

std::size_t BoxLayer::memoryBytes() const {
    return MapLayer::memoryBytes() + boxes_.capacity() * sizeof(MapBox);
}

int BoxLayer::nearestOutline(double x, double y, double radius) const {
    int best = -1;
    double bestDistance = radius;
    for (std::size_t row = 0; row < boxes_.size(); ++row) {
        const MapBox& b = boxes_[row];
        // Cheap rejection first: boxes wholly beyond the radius in x or y.
        if (!(b.minX - radius <= x && x <= b.maxX + radius && b.minY - radius <= y &&
              y <= b.maxY + radius))
            continue;
        const double distance = distanceToOutline(b, x, y);
        if (distance < bestDistance || (best < 0 && distance <= bestDistance)) {
            best = static_cast<int>(row);
            bestDistance = distance;
        }
    }
    return best;
}

std::vector<int> BoxLayer::rowsInside(const MapRect& rect) const {
    std::vector<int> rows;
    for (std::size_t row = 0; row < boxes_.size(); ++row)
        if (rect.contains(boxes_[row])) rows.push_back(static_cast<int>(row));
    return rows;
}

}  // namespace varn
