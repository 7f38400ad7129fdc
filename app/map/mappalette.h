#pragma once

// The map's colours and the legend that explains them.

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace varn {

class MapScene;

enum class MapColouring { ByLod, ByModelName, OneColour };

namespace mapcolour {
inline constexpr QRgb kBackground = 0xfff9f9f5;
inline constexpr QRgb kGrid = 0xffe3e3dc;
inline constexpr QRgb kAxisText = 0xff55554f;
inline constexpr QRgb kBox = 0xff7a4a8c;
inline constexpr QRgb kSelected = 0xffff2d8a;
inline constexpr QRgb kSelectedBorder = 0xff1a1a1a;
inline constexpr QRgb kOnePoint = 0xff1f5fa8;
}  // namespace mapcolour

// The colour of each of the 256 colour keys of a point under a colouring, as premultiplied
// pixels; dimmed ones lie mostly in the background.
using PointColours = std::array<std::uint32_t, 256>;
[[nodiscard]] PointColours pointColours(MapColouring colouring, bool dimmed);
[[nodiscard]] QRgb dimmedColour(QRgb colour);

struct LegendEntry {
    enum class Swatch : std::uint8_t { Dot, ModelStrip, Outline, Marker };
    Swatch swatch = Swatch::Dot;
    QRgb colour = 0;
    QString text;
};

// What the picture shows now: the point colours in use, the boxes, the selection, the filter.
[[nodiscard]] std::vector<LegendEntry> legendEntries(MapScene& scene, MapColouring colouring);

}  // namespace varn
