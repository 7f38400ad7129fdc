#include "pointgrid.h"

#include <cmath>

namespace varn {
namespace {

constexpr double kRowsPerCell = 4;  // small cells cost offsets, big ones cost tests
constexpr int kMaxCellsPerSide = 4096;

int cellIndex(double offset, double perUnit, int count) {
    const double cell = offset * perUnit;
    if (!(cell >= 0)) return 0;  // also NaN
    return cell >= count - 1 ? count - 1 : static_cast<int>(cell);
}

}  // namespace

int PointGrid::columnOf(double x) const {
    return cellIndex(x - bounds_.minX, columnsPerUnit_, columns_);
}

int PointGrid::rowOf(double y) const {
    return cellIndex(y - bounds_.minY, rowsPerUnit_, rows_);
}

void PointGrid::invalidate() {
    built_ = false;
    bounds_ = {};
    columns_ = rows_ = 0;
    cellStart_ = {};
    cellRows_ = {};
    aside_ = {};
    asideBits_ = {};
    builtCount_ = 0;
}

void PointGrid::build(std::span<const MapPoint> points) {
    invalidate();
    std::size_t placed = 0;
    for (const MapPoint& p : points) {
        if (!hasPosition(p)) continue;
        bounds_.include(p.x, p.y);
        ++placed;
    }
    builtCount_ = points.size();
    built_ = true;
    if (placed == 0) return;

    // Cells about as wide as tall, about kRowsPerCell rows each on even ground.
    const double width = std::max(bounds_.width(), 1e-9);
    const double height = std::max(bounds_.height(), 1e-9);
    const double cells = std::max(1.0, static_cast<double>(placed) / kRowsPerCell);
    columns_ = std::clamp(static_cast<int>(std::sqrt(cells * width / height)), 1, kMaxCellsPerSide);
    rows_ = std::clamp(static_cast<int>(cells / columns_), 1, kMaxCellsPerSide);
    columnsPerUnit_ = columns_ / width;
    rowsPerUnit_ = rows_ / height;

    // A counting sort of the rows by cell.
    cellStart_.assign(static_cast<std::size_t>(columns_) * rows_ + 1, 0);
    const auto cellOf = [this](const MapPoint& p) {
        return static_cast<std::size_t>(rowOf(p.y)) * columns_ + columnOf(p.x);
    };
    for (const MapPoint& p : points)
        if (hasPosition(p)) ++cellStart_[cellOf(p) + 1];
    for (std::size_t i = 1; i < cellStart_.size(); ++i)
        cellStart_[i] += cellStart_[i - 1];
    cellRows_.resize(placed);
    std::vector<std::uint32_t> next(cellStart_.begin(), cellStart_.end() - 1);
    for (std::size_t row = 0; row < points.size(); ++row)
        if (hasPosition(points[row]))
            cellRows_[next[cellOf(points[row])]++] = static_cast<std::uint32_t>(row);
}

bool PointGrid::needsRebuild(std::size_t rowCount) const {
    if (!built_) return true;
    const std::size_t searchedAside = aside_.size() + (rowCount - std::min(rowCount, builtCount_));
    return searchedAside > std::max<std::size_t>(4096, builtCount_ / 64);
}

void PointGrid::moved(int row) {
    const auto r = static_cast<std::uint32_t>(row);
    if (!built_ || r >= builtCount_ || isAside(r)) return;
    if (asideBits_.empty()) asideBits_.assign((builtCount_ + 63) / 64, 0);
    asideBits_[r >> 6] |= std::uint64_t{1} << (r & 63);
    aside_.push_back(r);
}

std::size_t PointGrid::memoryBytes() const {
    return (cellStart_.capacity() + cellRows_.capacity() + aside_.capacity()) *
               sizeof(std::uint32_t) +
           asideBits_.capacity() * sizeof(std::uint64_t);
}

}  // namespace varn
