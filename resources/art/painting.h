#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>

namespace varn::artwork {

// One palette for every picture, so that tool bar, tabs, menus and dialogs read as one family
// on a light grey window.
namespace palette {
inline constexpr QColor ink{0x36, 0x40, 0x4D};  // glyph strokes and outlines
inline constexpr QColor paper{0xFF, 0xFF, 0xFF};
inline constexpr QColor paperEdge{0x6B, 0x78, 0x89};  // outline of white shapes
inline constexpr QColor blue{0x2F, 0x6F, 0xC0};
inline constexpr QColor blueDark{0x1E, 0x4C, 0x8A};
inline constexpr QColor blueLight{0xD4, 0xE3, 0xF7};
inline constexpr QColor green{0x2E, 0x9E, 0x57};
inline constexpr QColor greenDark{0x1F, 0x7A, 0x41};
inline constexpr QColor orange{0xF0, 0x8A, 0x24};
inline constexpr QColor orangeDark{0xC4, 0x66, 0x10};
inline constexpr QColor red{0xD6, 0x45, 0x45};
inline constexpr QColor redDark{0xA8, 0x2F, 0x2F};
inline constexpr QColor amber{0xF5, 0xBC, 0x45};
inline constexpr QColor amberDark{0xD6, 0x93, 0x29};
inline constexpr QColor amberEdge{0xB0, 0x74, 0x16};
inline constexpr QColor yellow{0xF7, 0xC6, 0x2F};
inline constexpr QColor yellowEdge{0xC9, 0x8E, 0x0C};
inline constexpr QColor grey{0x94, 0x9D, 0xA8};
inline constexpr QColor metal{0xDD, 0xE4, 0xEC};
}  // namespace palette

// A fully transparent canvas; every picture starts from one so that no stray pixel decides
// what shows through.
[[nodiscard]] QImage newCanvas(int width, int height);

// Antialiased painting, as every picture is built from vector shapes.
void prepare(QPainter& painter);

[[nodiscard]] QPen roundPen(const QColor& colour, qreal width);

// Glyph centre lines, stroked by the caller with a round pen; drawing them as shapes keeps the
// pictures independent of whatever fonts a machine has installed.
[[nodiscard]] QPainterPath tickLine(QPointF start, QPointF corner, QPointF end);
// The hook of a question mark whose bowl has the given centre and radius; the caller adds the dot.
[[nodiscard]] QPainterPath questionHook(QPointF bowlCentre, qreal radius, qreal stemBottom);
// A comma hanging from a dot at the given centre.
[[nodiscard]] QPainterPath commaTail(QPointF dotCentre, qreal dotRadius);

[[nodiscard]] QPainterPath circle(QPointF centre, qreal radius);

// A map pin: a disc of the given radius above a tip; returns the outline only.
[[nodiscard]] QPainterPath pinOutline(QPointF discCentre, qreal radius, QPointF tip);

// A closed, gently wobbling ring like a contour line of a map; the same arguments always give
// the same ring, so the pictures stay reproducible.
[[nodiscard]] QPainterPath contourRing(QPointF centre, qreal radius, qreal wobble, int seed);

}  // namespace varn::artwork
