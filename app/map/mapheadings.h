#pragma once

// Which way the section 0 objects face on the map: a short tick from each point in the
// direction of its heading, once the view is zoomed in far enough that the points stand apart,
// and the heading as a text for the point's tooltip and the Move and Rotate dialog.

#include "turnmath.h"

#include <QString>

#include <optional>

class QPainter;

namespace varn {

class MapScene;
struct MapViewport;

// "90.0°" with the run's decimal separator; "not a unit rotation" when there is no heading.
[[nodiscard]] QString headingText(std::optional<double> degrees, char separator);

// The ticks of the section 0 points in view; none while the points crowd.
void drawHeadingTicks(QPainter& painter, MapScene& scene, const MapViewport& viewport,
                      OrientationStorage storage);

}  // namespace varn
