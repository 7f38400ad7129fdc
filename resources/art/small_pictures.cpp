#include "painting.h"
#include "pictures.h"

namespace varn::artwork {

namespace {
constexpr int smallSize = 16;
constexpr QPointF smallCentre(8, 8);
// Edges on half pixels keep the rims of the state discs one sharp pixel wide.
constexpr qreal stateRadius = 5.5;

// The three tab states share one disc so that only colour and mark change between them.
QImage stateDisc(const QColor& fill, const QColor& edge) {
    QImage image = newCanvas(smallSize, smallSize);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(fill);
    painter.drawPath(circle(smallCentre, stateRadius));
    return image;
}
}  // namespace

QImage drawTabEmpty() {
    QImage image = newCanvas(smallSize, smallSize);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(QPen(palette::grey, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(circle(smallCentre, stateRadius - 0.5));
    return image;
}

QImage drawTabLoaded() {
    QImage image = stateDisc(palette::green, palette::greenDark);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(roundPen(palette::paper, 1.6));
    painter.drawPath(tickLine({5.2, 8.3}, {7.2, 10.3}, {10.9, 6.0}));
    return image;
}

QImage drawTabChanged() {
    QImage image = stateDisc(palette::orange, palette::orangeDark);
    QPainter painter(&image);
    prepare(painter);
    // A small white pencil stroke across the disc: written to since the file was read.
    painter.translate(smallCentre);
    painter.rotate(-45);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::paper);
    QPainterPath pencil(QPointF(-4.2, 0));
    pencil.lineTo(-2.2, -1.25);
    pencil.lineTo(3.6, -1.25);
    pencil.quadTo(4.4, -1.25, 4.4, 0);
    pencil.quadTo(4.4, 1.25, 3.6, 1.25);
    pencil.lineTo(-2.2, 1.25);
    pencil.closeSubpath();
    painter.drawPath(pencil);
    return image;
}

QImage drawMenuAdd() {
    QImage image = newCanvas(smallSize, smallSize);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(roundPen(palette::green, 2.6));
    painter.drawLine(QPointF(8, 3), QPointF(8, 13));
    painter.drawLine(QPointF(3, 8), QPointF(13, 8));
    return image;
}

QImage drawMenuDelete() {
    QImage image = newCanvas(smallSize, smallSize);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(roundPen(palette::red, 2.6));
    painter.drawLine(QPointF(4.2, 4.2), QPointF(11.8, 11.8));
    painter.drawLine(QPointF(11.8, 4.2), QPointF(4.2, 11.8));
    return image;
}

QImage drawMenuEdit() {
    QImage image = newCanvas(smallSize, smallSize);
    QPainter painter(&image);
    prepare(painter);
    // Drawn lying along the x axis, then turned so the point is at the lower left.
    painter.translate(smallCentre);
    painter.rotate(-45);
    const qreal half = 2.5;
    painter.setPen(Qt::NoPen);

    // One silhouette first and the details on top of it, so that no seam of two antialiased
    // edges lets the background show through the pencil.
    QPainterPath silhouette(QPointF(-7.6, 0));
    silhouette.lineTo(-3.6, -half);
    silhouette.lineTo(6.6, -half);
    silhouette.quadTo(7.6, -half, 7.6, -half + 1);
    silhouette.lineTo(7.6, half - 1);
    silhouette.quadTo(7.6, half, 6.6, half);
    silhouette.lineTo(-3.6, half);
    silhouette.closeSubpath();
    painter.setBrush(QColor(0xE9, 0xC6, 0x8C));
    painter.drawPath(silhouette);

    painter.save();
    painter.setClipPath(silhouette);
    painter.setBrush(palette::red);
    painter.drawRect(QRectF(4.6, -half, 3.0, 2 * half));
    painter.setBrush(palette::metal);
    painter.drawRect(QRectF(3.6, -half, 1.4, 2 * half));
    painter.setBrush(palette::amber);
    painter.drawRect(QRectF(-3.6, -half, 7.2, 2 * half));
    painter.setBrush(palette::amberDark);
    painter.drawRect(QRectF(-3.6, 0, 7.2, half));
    painter.restore();

    QPainterPath lead(QPointF(-5.9, -1.05));
    lead.lineTo(-7.6, 0);
    lead.lineTo(-5.9, 1.05);
    lead.closeSubpath();
    painter.setBrush(palette::ink);
    painter.drawPath(lead);
    return image;
}

}  // namespace varn::artwork
