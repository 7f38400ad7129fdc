#include "maprenderer.h"

#include "mapcells.h"
#include "mapdecorations.h"
#include "mapheadings.h"
#include "mapscene.h"

#include <QPainter>

namespace varn {
namespace {

// Pixel of a position known to lie within 64 pixels of the picture: a floor without a call.
int pixelOf(double position) {
    return static_cast<int>(position + 64.0) - 64;
}

// Dots shrink as more rows share the view, so that a crowd still shows its colours.
int dotSize(const PointLayer& layer, const MapRect& shown) {
    const MapRect all = layer.bounds();
    const double area = all.width() * all.height();
    double fraction = 1;
    if (area > 0) {
        const double w = std::min(shown.maxX, all.maxX) - std::max(shown.minX, all.minX);
        const double h = std::min(shown.maxY, all.maxY) - std::max(shown.minY, all.minY);
        fraction = std::clamp(std::max(w, 0.0) * std::max(h, 0.0) / area, 0.0, 1.0);
    }
    const double rows = fraction * layer.rowCount();
    return rows > 100000 ? 2 : rows > 5000 ? 3 : rows > 500 ? 4 : 5;
}

// The few colours of a picture's dots, each under a slot number of the dot raster.
class DotColours {
public:
    // The slot of each colour key, plain and dimmed.
    std::array<std::uint8_t, 256> plain{};
    std::array<std::uint8_t, 256> dimmed{};
    std::uint32_t colours[256] = {};

    explicit DotColours(MapColouring colouring) {
        const PointColours plainColours = pointColours(colouring, false);
        const PointColours dimmedColours = pointColours(colouring, true);
        for (int key = 0; key < 256; ++key) {
            plain[key] = slotOf(plainColours[key]);
            dimmed[key] = slotOf(dimmedColours[key]);
        }
    }

private:
    std::uint8_t slotOf(std::uint32_t colour) {
        for (int slot = 1; slot < used_; ++slot)
            if (colours[slot] == colour) return static_cast<std::uint8_t>(slot);
        if (used_ == 256) return 255;  // the palettes are far smaller
        colours[used_] = colour;
        return static_cast<std::uint8_t>(used_++);
    }
    int used_ = 1;
};

// Of the corners the legend may take, the one over the fewest points.
QRect legendPlace(MapScene& scene, const MapViewport& viewport, const QSize& size) {
    QRect best;
    int fewest = -1;
    for (const QRect& place : legendPlaces(viewport, size)) {
        int covered = 0;
        scene.points().forEachIn(
            viewport.rectBetween(place.left(), place.top(), place.right() + 1, place.bottom() + 1),
            [&](int) { ++covered; });
        if (fewest < 0 || covered < fewest) {
            best = place;
            fewest = covered;
        }
    }
    return best;
}

}  // namespace

void MapRenderer::render(MapScene& scene, const MapViewport& viewport, const MapLook& look,
                         QImage& image) {
    const QSize size(std::max(viewport.width, 1), std::max(viewport.height, 1));
    if (image.size() != size || image.format() != QImage::Format_ARGB32_Premultiplied)
        image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(mapcolour::kBackground);
    {
        QPainter painter(&image);
        drawGridLines(painter, viewport);
    }
    const PixelFrame frame{reinterpret_cast<std::uint32_t*>(image.bits()), size.width(),
                           size.height(), image.bytesPerLine() / 4};
    // Scratch lists name rows of this picture's scene only: the rows of the last one may be gone.
    selectedPoints_.clear();
    drawBoxes(scene, viewport, frame);
    drawPoints(scene, viewport, look.colouring, frame);
    drawSelection(scene, viewport, frame);
    QPainter painter(&image);
    drawHeadingTicks(painter, scene, viewport, look.orientations);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const char separator = scene.decimalSeparator();
    drawAxisNumbers(painter, viewport, separator);
    drawScaleBar(painter, viewport, separator);
    if (look.legend) {
        // Counted again only when the rows or the colours changed, not for each pan step.
        if (legendRevision_ != scene.revision() || legendColouring_ != look.colouring ||
            legend_.empty()) {
            legend_ = legendEntries(scene, look.colouring);
            legendRevision_ = scene.revision();
            legendColouring_ = look.colouring;
        }
        drawLegend(painter, legend_, legendPlace(scene, viewport, legendSize(legend_)));
    }
}

void MapRenderer::drawBoxes(MapScene& scene, const MapViewport& viewport, const PixelFrame& frame) {
    for (OutlineRaster& outline : outlines_)
        outline.reset(frame.width, frame.height);
    const BoxLayer& layer = scene.boxes();
    const auto boxes = layer.boxes();
    const auto marks = layer.marks();
    const bool filtered = scene.hasRowFilter(kMapBoxSection);
    const double s = viewport.scale;
    const double ox = viewport.width / 2.0 - viewport.centreX * s;
    const double oy = viewport.height / 2.0 + viewport.centreY * s;
    for (std::size_t row = 0; row < boxes.size(); ++row) {
        const MapBox& b = boxes[row];
        if (!hasPosition(b)) continue;
        const std::uint8_t mark = marks[row];
        const Outline kind = (mark & kRowSelected)                  ? kSelectedOutline
                             : filtered && (mark & kRowFilteredOut) ? kDimmedOutline
                                                                    : kPlainOutline;
        outlines_[kind].addBox(b.minX * s + ox, oy - b.maxY * s, b.maxX * s + ox, oy - b.minY * s,
                               kind == kSelectedOutline ? 2 : 1);
    }
    outlines_[kDimmedOutline].paint(frame, dimmedColour(mapcolour::kBox));
    outlines_[kPlainOutline].paint(frame, mapcolour::kBox);
}

void MapRenderer::drawPoints(MapScene& scene, const MapViewport& viewport, MapColouring colouring,
                             const PixelFrame& frame) {
    PointLayer& layer = scene.points();
    if (layer.rowCount() == 0) return;
    const auto positions = layer.positions();
    const auto marks = layer.marks();
    const auto keys = colouring == MapColouring::ByModelName ? layer.modelKeys() : layer.lodKeys();
    const DotColours colours(colouring);
    const bool filtered = scene.hasRowFilter(kMapPointSection);

    MapRect shown = viewport.visibleRect();
    const int size = dotSize(layer, shown);
    // A position just beyond an edge still shows part of its dot or mark.
    const double reach = 8 / viewport.scale;
    shown = {shown.minX - reach, shown.minY - reach, shown.maxX + reach, shown.maxY + reach};
    const double s = viewport.scale;
    const double ox = viewport.width / 2.0 - viewport.centreX * s;
    const double oy = viewport.height / 2.0 + viewport.centreY * s;

    dots_.reset(frame.width, frame.height);
    // With a filter on, the rows it leaves out go first so that the kept ones lie on top.
    const auto pass = [&](bool leftOut) {
        layer.forEachIn(shown, [&](int row) {
            const std::uint8_t mark = marks[row];
            if (filtered && ((mark & kRowFilteredOut) != 0) != leftOut) return;
            const MapPoint& p = positions[row];
            dots_.putDot(pixelOf(p.x * s + ox), pixelOf(oy - p.y * s), size,
                         (leftOut ? colours.dimmed : colours.plain)[keys[row]]);
            if (mark & kRowSelected) selectedPoints_.push_back(row);
        });
    };
    if (filtered) pass(true);
    pass(false);
    dots_.paint(frame, colours.colours);
}

// The selection lies over everything: its box outlines, then its point marks.
void MapRenderer::drawSelection(MapScene& scene, const MapViewport& viewport,
                                const PixelFrame& frame) {
    outlines_[kSelectedOutline].paint(frame, mapcolour::kSelected, true);
    const auto positions = scene.points().positions();
    for (int row : selectedPoints_)
        putMarker(frame, pixelOf(viewport.toPixelX(positions[row].x)),
                  pixelOf(viewport.toPixelY(positions[row].y)), mapcolour::kSelected,
                  mapcolour::kSelectedBorder);
}

std::size_t MapRenderer::scratchBytes() const {
    std::size_t bytes = 0;
    for (const OutlineRaster& outline : outlines_)
        bytes += outline.memoryBytes();
    return bytes + dots_.memoryBytes();
}

}  // namespace varn
