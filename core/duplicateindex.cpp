#include "duplicateindex.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace varn {
namespace {

// Cells are far wider than the distance that counts as the same spot, so a point needs its
// neighbour cell on an axis only when it lies that close to the border; the odd width keeps
// coordinates with few decimals off the borders. Objects of one model rarely stand closer than
// this, so a cell's chain stays short.
constexpr double kCellSize = 0.2371;
// Beyond this many cells from the origin every point shares the outermost cell on the axis.
constexpr double kCellLimit = 1e15;

bool isFinitePosition(const Placement& p) {
    return std::isfinite(p.position[0]) && std::isfinite(p.position[1]) &&
           std::isfinite(p.position[2]);
}

std::int64_t cellOf(double v) {
    return static_cast<std::int64_t>(std::clamp(std::floor(v / kCellSize), -kCellLimit, kCellLimit));
}

// The cells of one axis a point must look in: its own and, near a border, the neighbour.
int cellsToSearch(double v, std::int64_t cells[2]) {
    const std::int64_t own = cellOf(v);
    cells[0] = own;
    const double low = static_cast<double>(own) * kCellSize;
    if (std::abs(static_cast<double>(own)) >= kCellLimit) return 1;
    if (v - low <= kSamePositionDistance) {
        cells[1] = own - 1;
        return 2;
    }
    if (low + kCellSize - v <= kSamePositionDistance) {
        cells[1] = own + 1;
        return 2;
    }
    return 1;
}

std::uint64_t mix(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    return h ^ (h >> 33);
}

}  // namespace

bool isSamePlacement(const Placement& a, const Placement& b) {
    if (a.model != b.model) return false;
    double distance = 0;
    for (int k = 0; k < 3; ++k) {
        const double d = static_cast<double>(a.position[k]) - b.position[k];
        distance += d * d;
    }
    if (!(distance <= kSamePositionDistance * kSamePositionDistance)) return false;
    double same = 0;
    double opposite = 0;
    for (int k = 0; k < 4; ++k) {
        same = std::max(same, std::abs(static_cast<double>(a.rotation[k]) - b.rotation[k]));
        opposite = std::max(opposite, std::abs(static_cast<double>(a.rotation[k]) + b.rotation[k]));
    }
    return same <= kSameRotationDifference || opposite <= kSameRotationDifference;
}

DuplicateIndex::DuplicateIndex(const PlacementRows& rows) : rows_(rows) {
    // A quarter full, so that a chain rarely holds rows of another cell.
    const std::size_t slots = std::bit_ceil(std::max<std::size_t>(16, rows.count * 4));
    mask_ = slots - 1;
    heads_.assign(slots, -1);
    next_.assign(rows.count, -1);
    // The slots are computed ahead of their use, so that their memory is on its way.
    constexpr std::size_t kAhead = 16;
    std::size_t pending[kAhead];
    auto slotOfRow = [&](std::size_t row) {
        const Placement p = rows.at(row);
        const std::size_t slot = isFinitePosition(p) ? ownSlot(p) : slots;
        if (slot < slots) __builtin_prefetch(&heads_[slot], 1);
        return slot;
    };
    for (std::size_t row = 0; row < std::min(kAhead, rows.count); ++row)
        pending[row] = slotOfRow(row);
    for (std::size_t row = 0; row < rows.count; ++row) {
        const std::size_t slot = pending[row % kAhead];
        if (row + kAhead < rows.count) pending[row % kAhead] = slotOfRow(row + kAhead);
        if (slot >= slots) continue;
        next_[row] = heads_[slot];
        heads_[slot] = static_cast<std::int32_t>(row);
    }
}

std::size_t DuplicateIndex::ownSlot(const Placement& p) const {
    return slotOf(p.model, cellOf(p.position[0]), cellOf(p.position[1]), cellOf(p.position[2]));
}

void DuplicateIndex::prefetch(std::int64_t row) const {
    const Placement p = rows_.at(static_cast<std::size_t>(row));
    if (isFinitePosition(p)) __builtin_prefetch(&heads_[ownSlot(p)]);
}

std::size_t DuplicateIndex::slotOf(std::uint32_t model, std::int64_t cx, std::int64_t cy,
                                   std::int64_t cz) const {
    std::uint64_t h = mix(model ^ (static_cast<std::uint64_t>(cx) * 0x9E3779B97F4A7C15ULL));
    h = mix(h ^ (static_cast<std::uint64_t>(cy) * 0xC2B2AE3D27D4EB4FULL));
    h = mix(h ^ (static_cast<std::uint64_t>(cz) * 0x165667B19E3779F9ULL));
    return static_cast<std::size_t>(h) & mask_;
}

template <typename Visit>
void DuplicateIndex::forEachCandidate(const Placement& p, Visit&& visit) const {
    if (!isFinitePosition(p)) return;
    std::int64_t xs[2], ys[2], zs[2];
    const int nx = cellsToSearch(p.position[0], xs);
    const int ny = cellsToSearch(p.position[1], ys);
    const int nz = cellsToSearch(p.position[2], zs);
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j)
            for (int k = 0; k < nz; ++k)
                for (std::int32_t row = heads_[slotOf(p.model, xs[i], ys[j], zs[k])]; row >= 0;
                     row = next_[row])
                    visit(row);
}

std::int64_t DuplicateIndex::firstTwin(std::int64_t row) const {
    const Placement p = rows_.at(static_cast<std::size_t>(row));
    std::int64_t first = -1;
    forEachCandidate(p, [&](std::int64_t other) {
        if (other != row && (first < 0 || other < first) &&
            isSamePlacement(p, rows_.at(static_cast<std::size_t>(other))))
            first = other;
    });
    return first;
}

std::vector<std::int64_t> DuplicateIndex::twins(std::int64_t row) const {
    const Placement p = rows_.at(static_cast<std::size_t>(row));
    std::vector<std::int64_t> found;
    forEachCandidate(p, [&](std::int64_t other) {
        if (other != row && isSamePlacement(p, rows_.at(static_cast<std::size_t>(other))))
            found.push_back(other);
    });
    // Two searched cells may share a slot, which lists its rows twice.
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

}  // namespace varn
