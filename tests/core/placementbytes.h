#pragma once

// Placement files of section 0 and section 9 rows, built byte by byte for the tests of the
// problems check and of the search over files.

#include "bytes.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace varn::test {

struct InstanceBytes {
    std::array<float, 3> position{1, 2, 3};
    std::array<float, 4> rotation{0, 0, 0, 1};
    std::uint32_t hash = 0;
};

struct LodCullBytes {
    std::array<float, 6> corners{0, 0, 0, 10, 10, 10};
    // (name, hash) of the first slots; the others stay empty with hash 0.
    std::vector<std::pair<QByteArray, std::uint32_t>> names;
};

using TableBytes = std::vector<std::pair<QByteArray, std::uint32_t>>;

inline QByteArray placementBytes(const std::vector<InstanceBytes>& instances,
                                 const std::vector<LodCullBytes>& lodCulls = {},
                                 const std::optional<TableBytes>& table = std::nullopt,
                                 bool bigEndian = false) {
    Bytes b(bigEndian);
    b.header(counts({{0, static_cast<int>(instances.size())},
                     {9, static_cast<int>(lodCulls.size())}}));
    for (const InstanceBytes& r : instances) {
        for (float v : r.position)
            b.f32(v);
        for (float v : r.rotation)
            b.f32(v);
        b.u32(r.hash).u32(384).i32(-1).i32(0).f32(-1);
    }
    for (const LodCullBytes& r : lodCulls) {
        for (float v : r.corners)
            b.f32(v);
        b.i32(0);
        for (std::size_t k = 0; k < 10; ++k)
            b.u32(k < r.names.size() ? r.names[k].second : 0);
        for (std::size_t k = 0; k < 10; ++k)
            b.text(k < r.names.size() ? r.names[k].first : QByteArray(), 32);
    }
    if (table) b.table(*table);
    return b.data;
}

}  // namespace varn::test
