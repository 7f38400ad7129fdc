#pragma once

// What the map picture shows besides the rows: the coordinate grid with its numbers, the scale
// bar and the legend.

#include "mapgeometry.h"
#include "mappalette.h"

#include <QRect>
#include <QString>

#include <vector>

class QPainter;

namespace varn {

// The step of 1, 2 or 5 times a power of ten nearest above rough.
[[nodiscard]] double niceStep(double rough);
// A coordinate as the tables write numbers: the run's separator, as many decimals as step needs.
[[nodiscard]] QString coordinateText(double value, double step, char separator);
// The grid step of a view: about one line per 100 pixels.
[[nodiscard]] double gridStep(const MapViewport& viewport);

void drawGridLines(QPainter& painter, const MapViewport& viewport);
void drawAxisNumbers(QPainter& painter, const MapViewport& viewport, char separator);
void drawScaleBar(QPainter& painter, const MapViewport& viewport, char separator);
// The legend's size, the corners it may take (top left, top right, bottom left), and the
// legend drawn in one of them.
[[nodiscard]] QSize legendSize(const std::vector<LegendEntry>& entries);
[[nodiscard]] std::vector<QRect> legendPlaces(const MapViewport& viewport, const QSize& size);
void drawLegend(QPainter& painter, const std::vector<LegendEntry>& entries, const QRect& frame);

}  // namespace varn
