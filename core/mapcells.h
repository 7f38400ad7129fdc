#pragma once

// The cells the map reads: the one place that names them. Section 0 rows are points at
// (Pos X, Pos Y) coloured by LOD or model name; section 9 rows are the boxes between
// (X1, Y1) and (X2, Y2).

#include "sectiontable.h"

#include <cstdint>

namespace varn {

inline constexpr int kMapPointSection = 0;
inline constexpr int kMapBoxSection = 9;

struct MapPointCells {
    int x = -1;
    int y = -1;
    int lod = -1;
    int modelName = -1;  // shown as a name, read as its hash
};

struct MapBoxCells {
    int x1 = -1;
    int y1 = -1;
    int x2 = -1;
    int y2 = -1;
    int modelName = -1;  // the first of the box's model names
};

[[nodiscard]] const MapPointCells& mapPointCells();
[[nodiscard]] const MapBoxCells& mapBoxCells();

// The number behind a cell; NaN when its text does not convert.
[[nodiscard]] double mapNumber(const SectionTable& table, int row, int cell);

// Colour keys kept per point: the LOD as a small number, and the model name's hash spread over
// kModelColourCount keys so that one name always gets one colour.
inline constexpr std::uint8_t kOtherLodKey = 255;
inline constexpr int kModelColourCount = 24;
// LOD -1 is key 0, LOD n is key n + 1, up to LOD 126; anything else is kOtherLodKey.
[[nodiscard]] std::uint8_t lodKey(double lod);
[[nodiscard]] std::uint8_t modelColourKey(double hash);

}  // namespace varn
