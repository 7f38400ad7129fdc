#include "mapcells.h"

#include "cellvalues.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace varn {
namespace {

int cellByCaption(const SectionLayout& layout, const std::string& caption) {
    for (int cell = 0; cell < layout.cellCount(); ++cell)
        if (layout.cells[cell].caption == caption) return cell;
    throw std::logic_error("the layout of section " + std::to_string(layout.number) +
                           " has no cell \"" + caption + "\"");
}

}  // namespace

const MapPointCells& mapPointCells() {
    static const MapPointCells cells = [] {
        const SectionLayout& layout = *sectionLayout(kMapPointSection);
        return MapPointCells{.x = cellByCaption(layout, "Pos X"),
                             .y = cellByCaption(layout, "Pos Y"),
                             .lod = cellByCaption(layout, "LOD"),
                             .modelName = layout.modelName().nameCell};
    }();
    return cells;
}

const MapBoxCells& mapBoxCells() {
    static const MapBoxCells cells = [] {
        const SectionLayout& layout = *sectionLayout(kMapBoxSection);
        return MapBoxCells{.x1 = cellByCaption(layout, "X1"),
                           .y1 = cellByCaption(layout, "Y1"),
                           .x2 = cellByCaption(layout, "X2"),
                           .y2 = cellByCaption(layout, "Y2"),
                           .modelName = cellByCaption(layout, "model1")};
    }();
    return cells;
}

double mapNumber(const SectionTable& table, int row, int cell) {
    double value = 0;
    return cellNumber(table, row, cell, value) ? value : std::numeric_limits<double>::quiet_NaN();
}

std::uint8_t lodKey(double lod) {
    if (!(lod >= -1 && lod <= 126) || lod != std::floor(lod)) return kOtherLodKey;
    return static_cast<std::uint8_t>(lod + 1);
}

std::uint8_t modelColourKey(double hash) {
    if (!std::isfinite(hash)) return 0;
    // Neighbouring hashes of similar names should not get neighbouring colours: mix first.
    auto h = static_cast<std::uint32_t>(static_cast<std::int64_t>(hash));
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return static_cast<std::uint8_t>(h % kModelColourCount);
}

}  // namespace varn
