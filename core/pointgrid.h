#pragma once

#include "mapgeometry.h"

#include <cstdint>
#include <span>
#include <vector>

namespace varn {

// A uniform grid over the rows' positions for a zoomed-in view, for picking and for the rubber
// band: each cell lists its rows, the cells of one grid row lie one after another. A row that
// moves after the grid was built, or is appended, is searched aside until so many have gathered
// that rebuilding pays.
class PointGrid {
public:
    // Lists every row with a position; rows without one are left out.
    void build(std::span<const MapPoint> points);
    // Nothing is listed until the next build.
    void invalidate();
    [[nodiscard]] bool isBuilt() const { return built_; }
    // True when the rows searched aside have grown past what a rebuild costs.
    [[nodiscard]] bool needsRebuild(std::size_t rowCount) const;

    // The row's position changed since the grid was built.
    void moved(int row);

    // Calls visit(row) for every row whose position lies in rect (edges included).
    template <typename Visit>
    void forEachIn(const MapRect& rect, std::span<const MapPoint> points, Visit&& visit) const;

    [[nodiscard]] std::size_t memoryBytes() const;

private:
    [[nodiscard]] int columnOf(double x) const;
    [[nodiscard]] int rowOf(double y) const;
    [[nodiscard]] bool isAside(std::uint32_t row) const {
        return !asideBits_.empty() && (asideBits_[row >> 6] >> (row & 63) & 1) != 0;
    }

    bool built_ = false;
    MapRect bounds_;
    int columns_ = 0;
    int rows_ = 0;
    double columnsPerUnit_ = 0;
    double rowsPerUnit_ = 0;
    std::vector<std::uint32_t> cellStart_;  // columns * rows + 1 offsets into cellRows_
    std::vector<std::uint32_t> cellRows_;
    std::size_t builtCount_ = 0;            // rows at build; later ones are searched aside
    std::vector<std::uint32_t> aside_;      // moved rows below builtCount_
    std::vector<std::uint64_t> asideBits_;  // which rows are aside, once one is
};

template <typename Visit>
void PointGrid::forEachIn(const MapRect& rect, std::span<const MapPoint> points,
                          Visit&& visit) const {
    if (rect.isEmpty()) return;
    const auto test = [&](std::uint32_t row) {
        const MapPoint& p = points[row];
        if (rect.contains(p.x, p.y)) visit(static_cast<int>(row));
    };
    const bool overlaps = !bounds_.isEmpty() && rect.maxX >= bounds_.minX &&
                          rect.minX <= bounds_.maxX && rect.maxY >= bounds_.minY &&
                          rect.minY <= bounds_.maxY;
    if (built_ && overlaps) {
        const int c0 = columnOf(rect.minX);
        const int c1 = columnOf(rect.maxX);
        for (int r = rowOf(rect.minY), r1 = rowOf(rect.maxY); r <= r1; ++r) {
            const std::size_t base = static_cast<std::size_t>(r) * columns_;
            for (std::uint32_t i = cellStart_[base + c0], end = cellStart_[base + c1 + 1]; i < end;
                 ++i) {
                const std::uint32_t row = cellRows_[i];
                if (!isAside(row)) test(row);
            }
        }
    }
    for (std::uint32_t row : aside_)
        if (row < points.size()) test(row);
    for (std::size_t row = built_ ? builtCount_ : 0; row < points.size(); ++row)
        test(static_cast<std::uint32_t>(row));
}

}  // namespace varn
