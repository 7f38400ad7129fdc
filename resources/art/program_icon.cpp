#include "painting.h"
#include "pictures.h"

namespace varn::artwork {

namespace {
constexpr QRectF tile(4.5, 4.5, 55, 55);
constexpr qreal tileRadius = 10;

QPainterPath landShape() {
    QPainterPath land(QPointF(4, 40));
    land.cubicTo(14, 30, 22, 44, 32, 36);
    land.cubicTo(40, 30, 46, 40, 60, 30);
    land.lineTo(60, 60);
    land.lineTo(4, 60);
    land.closeSubpath();
    QPainterPath island(QPointF(10, 10));
    island.cubicTo(20, 6, 28, 14, 24, 20);
    island.cubicTo(20, 26, 8, 24, 10, 10);
    return land.united(island);
}
}  // namespace

// A map tile with water, land and a grid, and a placement pin standing on it: what the
// program does, put object placements on a map. Drawn on a 64 x 64 design grid, scaled to size.
QImage drawProgramIcon(int size) {
    QImage image = newCanvas(size, size);
    QPainter painter(&image);
    prepare(painter);
    painter.scale(size / 64.0, size / 64.0);

    QPainterPath tileShape;
    tileShape.addRoundedRect(tile, tileRadius, tileRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC9, 0xE2, 0xF6));
    painter.drawPath(tileShape);

    painter.save();
    painter.setClipPath(tileShape);
    painter.setBrush(QColor(0xB5, 0xDB, 0x9C));
    painter.drawPath(landShape());
    painter.setPen(roundPen(QColor(0xF7, 0xF1, 0xDC), 2.2));
    painter.setBrush(Qt::NoBrush);
    QPainterPath road(QPointF(4, 54));
    road.cubicTo(20, 50, 26, 44, 40, 50);
    road.cubicTo(48, 53, 54, 48, 60, 44);
    painter.drawPath(road);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
    for (int line = 1; line < 4; ++line) {
        const qreal at = tile.left() + line * tile.width() / 4;
        painter.drawLine(QPointF(at, 0), QPointF(at, 64));
        painter.drawLine(QPointF(0, at), QPointF(64, at));
    }
    painter.restore();

    painter.setPen(QPen(palette::blueDark, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tileShape);

    const QPointF tip(38, 46);
    const QPointF disc(38, 25);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1E, 0x2A, 0x3A, 70));
    painter.drawEllipse(tip, 6, 2.2);
    painter.setPen(QPen(palette::redDark, 1.2));
    painter.setBrush(palette::red);
    painter.drawPath(pinOutline(disc, 11, tip));
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::paper);
    painter.drawPath(circle(disc, 4.4));
    return image;
}

QImage drawProgramIcon() {
    return drawProgramIcon(64);
}

}  // namespace varn::artwork
