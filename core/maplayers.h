#pragma once

// What the map keeps of sections 0 and 9: per row its shape, read from the table's numbers, and
// a byte of marks. Nothing else is copied: names and texts are read from the table when shown.

#include "mapgeometry.h"
#include "pointgrid.h"
#include "sectiontable.h"

#include <cstdint>
#include <span>
#include <vector>

namespace varn {

enum MapRowMark : std::uint8_t {
    kRowSelected = 1,
    kRowFilteredOut = 2,  // a row filter is on and does not keep the row
};

// The rows of one section on the map, in the table's order.
class MapLayer {
public:
    virtual ~MapLayer() = default;

    [[nodiscard]] int rowCount() const { return static_cast<int>(marks_.size()); }
    [[nodiscard]] std::span<const std::uint8_t> marks() const { return marks_; }
    void setMark(int first, int last, std::uint8_t mark, bool on);
    void clearMark(std::uint8_t mark);

    // Following the table: all rows anew, rows first..last changed, inserted or removed.
    void readAll(const SectionTable& table);
    void readRows(const SectionTable& table, int first, int last);
    void insertRows(const SectionTable& table, int first, int last);
    void removeRows(int first, int last);

    [[nodiscard]] virtual bool hasPosition(int row) const = 0;
    [[nodiscard]] int rowsWithoutPosition() const;
    // The rectangle around every row with a position; empty when there is none.
    [[nodiscard]] virtual MapRect bounds() const = 0;
    [[nodiscard]] virtual std::size_t memoryBytes() const;

protected:
    virtual void resizeShapes(std::size_t count) = 0;
    virtual void insertShapes(int first, int count) = 0;
    virtual void eraseShapes(int first, int count) = 0;
    virtual void readShapes(const SectionTable& table, int first, int last) = 0;

private:
    std::vector<std::uint8_t> marks_;
};

// Section 0: a point per row with two colour keys.
class PointLayer final : public MapLayer {
public:
    [[nodiscard]] std::span<const MapPoint> positions() const { return positions_; }
    [[nodiscard]] std::span<const std::uint8_t> lodKeys() const { return lodKeys_; }
    [[nodiscard]] std::span<const std::uint8_t> modelKeys() const { return modelKeys_; }

    bool hasPosition(int row) const override { return varn::hasPosition(positions_[row]); }
    MapRect bounds() const override;
    std::size_t memoryBytes() const override;

    // Calls visit(row) for every row in rect: through the grid when rect shows a small part of
    // the rows, else by running over all of them.
    template <typename Visit>
    void forEachIn(const MapRect& rect, Visit&& visit);
    // The row nearest to (x, y) no farther than radius, or -1.
    [[nodiscard]] int nearest(double x, double y, double radius);
    [[nodiscard]] std::vector<int> rowsIn(const MapRect& rect);
    // Puts rows at positions other than their table's, as a drag shows them on the way; reading
    // the rows again puts them back. The bounds then hold at least every row.
    void placeRows(std::span<const int> rows, std::span<const MapPoint> positions);

protected:
    void resizeShapes(std::size_t count) override;
    void insertShapes(int first, int count) override;
    void eraseShapes(int first, int count) override;
    void readShapes(const SectionTable& table, int first, int last) override;

private:
    void prepareGrid();
    void shapesChanged() { boundsKnown_ = false; }

    std::vector<MapPoint> positions_;
    std::vector<std::uint8_t> lodKeys_;
    std::vector<std::uint8_t> modelKeys_;
    PointGrid grid_;
    mutable MapRect bounds_;
    mutable bool boundsKnown_ = false;
};

// Section 9: a box per row. A hundred thousand boxes are few enough to search one by one.
class BoxLayer final : public MapLayer {
public:
    [[nodiscard]] std::span<const MapBox> boxes() const { return boxes_; }

    bool hasPosition(int row) const override { return varn::hasPosition(boxes_[row]); }
    MapRect bounds() const override;
    std::size_t memoryBytes() const override;

    // The row whose outline passes nearest to (x, y) no farther than radius, or -1.
    [[nodiscard]] int nearestOutline(double x, double y, double radius) const;
    // The rows whose box lies wholly in rect.
    [[nodiscard]] std::vector<int> rowsInside(const MapRect& rect) const;

protected:
    void resizeShapes(std::size_t count) override;
    void insertShapes(int first, int count) override;
    void eraseShapes(int first, int count) override;
    void readShapes(const SectionTable& table, int first, int last) override;

private:
    std::vector<MapBox> boxes_;
};

template <typename Visit>
void PointLayer::forEachIn(const MapRect& rect, Visit&& visit) {
    prepareGrid();
    const MapRect all = bounds();
    const double shown =
        std::max(0.0, std::min(rect.maxX, all.maxX) - std::max(rect.minX, all.minX)) *
        std::max(0.0, std::min(rect.maxY, all.maxY) - std::max(rect.minY, all.minY));
    // Above a third of the ground the grid's scattered reads lose against one straight run.
    if (shown * 3 > all.width() * all.height()) {
        for (std::size_t row = 0; row < positions_.size(); ++row) {
            const MapPoint& p = positions_[row];
            if (rect.contains(p.x, p.y)) visit(static_cast<int>(row));
        }
        return;
    }
    grid_.forEachIn(rect, positions_, visit);
}

}  // namespace varn
