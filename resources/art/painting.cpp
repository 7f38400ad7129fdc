#include "painting.h"

#include <QtMath>

#include <cmath>

namespace varn::artwork {

QImage newCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPen roundPen(const QColor& colour, qreal width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPainterPath tickLine(QPointF start, QPointF corner, QPointF end) {
    QPainterPath path(start);
    path.lineTo(corner);
    path.lineTo(end);
    return path;
}

QPainterPath questionHook(QPointF bowlCentre, qreal radius, qreal stemBottom) {
    const QRectF bowl(bowlCentre.x() - radius, bowlCentre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path;
    // From the left of the bowl over the top to its lower right, then down into the stem.
    path.arcMoveTo(bowl, 165);
    path.arcTo(bowl, 165, -215);
    const QPointF stemTop(bowlCentre.x(), bowlCentre.y() + radius * 1.2);
    path.quadTo(QPointF(bowlCentre.x(), bowlCentre.y() + radius * 0.75), stemTop);
    path.lineTo(bowlCentre.x(), stemBottom);
    return path;
}

QPainterPath commaTail(QPointF dotCentre, qreal dotRadius) {
    QPainterPath path(QPointF(dotCentre.x() + dotRadius * 0.55, dotCentre.y()));
    path.quadTo(QPointF(dotCentre.x() + dotRadius * 0.7, dotCentre.y() + dotRadius * 2.4),
                QPointF(dotCentre.x() - dotRadius * 1.1, dotCentre.y() + dotRadius * 3.0));
    return path;
}

QPainterPath circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath pinOutline(QPointF discCentre, qreal radius, QPointF tip) {
    // The two straight sides touch the disc where the tangents from the tip meet it.
    const qreal distance = std::hypot(tip.x() - discCentre.x(), tip.y() - discCentre.y());
    const qreal spread = qRadiansToDegrees(std::acos(radius / distance));
    const QRectF disc(discCentre.x() - radius, discCentre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path(tip);
    path.arcTo(disc, 270 - spread, 0);
    path.arcTo(disc, 270 - spread, -(360 - 2 * spread));
    path.closeSubpath();
    return path;
}

QPainterPath contourRing(QPointF centre, qreal radius, qreal wobble, int seed) {
    constexpr int steps = 240;
    const qreal phaseA = 0.9 * seed;
    const qreal phaseB = 1.7 * seed + 0.4;
    QPainterPath path;
    for (int step = 0; step <= steps; ++step) {
        const qreal angle = 2 * M_PI * step / steps;
        const qreal scale =
            1 + wobble * (0.6 * std::sin(3 * angle + phaseA) + 0.4 * std::cos(5 * angle - phaseB));
        const QPointF point(centre.x() + radius * scale * std::cos(angle),
                            centre.y() + radius * scale * std::sin(angle));
        if (step == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

}  // namespace varn::artwork
