#pragma once

// Section 0 rows that place the same model twice on the same spot, found through a hash grid
// over the positions rather than by comparing every pair.

#include "largebuffer.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace varn {

// What makes two section 0 rows the same placement.
struct Placement {
    float position[3] = {};
    float rotation[4] = {};  // quaternion x, y, z, w
    std::uint32_t model = 0;
};

// The placements of a table's rows where they lie: records that begin with a Placement's fields,
// stride bytes apart (a section 0 record, or a Placement array).
struct PlacementRows {
    const char* data = nullptr;
    std::size_t stride = sizeof(Placement);
    std::size_t count = 0;

    [[nodiscard]] Placement at(std::size_t row) const {
        Placement p;
        std::memcpy(&p, data + row * stride, sizeof p);
        return p;
    }
};

inline constexpr double kSamePositionDistance = 0.001;
inline constexpr double kSameRotationDifference = 1e-4;

// Same model, positions at most kSamePositionDistance apart and every quaternion component
// within kSameRotationDifference (q and -q being the same rotation).
[[nodiscard]] bool isSamePlacement(const Placement& a, const Placement& b);

class DuplicateIndex {
public:
    // Indexes every placement with a finite position; the rows must outlive the index.
    explicit DuplicateIndex(const PlacementRows& rows);

    // The lowest row other than row whose placement is the same as row's, or -1.
    [[nodiscard]] std::int64_t firstTwin(std::int64_t row) const;
    // Every row other than row with the same placement, ascending.
    [[nodiscard]] std::vector<std::int64_t> twins(std::int64_t row) const;
    // Tells the memory system that row will be asked about soon.
    void prefetch(std::int64_t row) const;

private:
    template <typename Visit>
    void forEachCandidate(const Placement& p, Visit&& visit) const;
    [[nodiscard]] std::size_t ownSlot(const Placement& p) const;
    [[nodiscard]] std::size_t slotOf(std::uint32_t model, std::int64_t cx, std::int64_t cy,
                                     std::int64_t cz) const;

    PlacementRows rows_;
    // First row of each slot's chain and the next row of the same slot; -1 ends a chain.
    std::vector<std::int32_t, LargePageAllocator<std::int32_t>> heads_;
    std::vector<std::int32_t, LargePageAllocator<std::int32_t>> next_;
    std::size_t mask_ = 0;
};

}  // namespace varn
