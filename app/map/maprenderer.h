#pragma once

#include "mapgeometry.h"
#include "mappalette.h"
#include "mapraster.h"
#include "turnmath.h"

#include <QImage>

#include <array>

namespace varn {

class MapScene;

// How the picture looks, as the panel's controls set it.
struct MapLook {
    MapColouring colouring = MapColouring::ByLod;
    bool legend = true;
    // How the orientations that the heading ticks show are stored.
    OrientationStorage orientations = OrientationStorage::AsStored;
};

// Draws the map picture: grid, box outlines, points, selection marks, numbers, scale bar and
// legend. Keeps its scratch counts between pictures so that a pan step allocates nothing.
class MapRenderer {
public:
    // Draws into image, made the viewport's size when it is not.
    void render(MapScene& scene, const MapViewport& viewport, const MapLook& look, QImage& image);
    [[nodiscard]] std::size_t scratchBytes() const;

private:
    void drawBoxes(MapScene& scene, const MapViewport& viewport, const PixelFrame& frame);
    void drawPoints(MapScene& scene, const MapViewport& viewport, MapColouring colouring,
                    const PixelFrame& frame);
    void drawSelection(MapScene& scene, const MapViewport& viewport, const PixelFrame& frame);

    enum Outline { kPlainOutline, kDimmedOutline, kSelectedOutline, kOutlineKinds };
    std::array<OutlineRaster, kOutlineKinds> outlines_;
    DotRaster dots_;
    std::vector<int> selectedPoints_;
    std::vector<LegendEntry> legend_;
    quint64 legendRevision_ = 0;
    MapColouring legendColouring_ =
        MapColouring::ByLod;  // in view, marked after every point is drawn
};

}  // namespace varn
