#include "painting.h"
#include "pictures.h"

#include <QLinearGradient>

namespace varn::artwork {

namespace {
constexpr int statusSize = 21;
constexpr QPointF statusCentre(10.5, 10.5);
}  // namespace

// The valid and invalid marks differ in shape as well as colour, so they stay apart for
// readers who do not tell green from red.
QImage drawStatusOk() {
    QImage image = newCanvas(statusSize, statusSize);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(QPen(palette::greenDark, 1));
    painter.setBrush(palette::green);
    painter.drawPath(circle(statusCentre, 9.2));
    painter.setPen(roundPen(palette::paper, 2.4));
    painter.drawPath(tickLine({6.1, 10.9}, {9.2, 14.0}, {15.0, 7.4}));
    return image;
}

QImage drawStatusInvalid() {
    QImage image = newCanvas(statusSize, statusSize);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(QPen(palette::redDark, 1));
    painter.setBrush(palette::red);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 18, 18), 4.5, 4.5);
    painter.setPen(roundPen(palette::paper, 2.3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(questionHook({10.5, 7.6}, 3.0, 11.6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::paper);
    painter.drawPath(circle({10.5, 15.3}, 1.35));
    return image;
}

QImage drawWarning() {
    QImage image = newCanvas(16, 16);
    QPainter painter(&image);
    prepare(painter);
    QPainterPath triangle(QPointF(8, 1.6));
    triangle.lineTo(14.9, 14.2);
    triangle.lineTo(1.1, 14.2);
    triangle.closeSubpath();
    painter.setPen(roundPen(palette::yellowEdge, 1.2));
    painter.setBrush(palette::yellow);
    painter.drawPath(triangle);

    painter.setPen(roundPen(palette::ink, 1.9));
    painter.drawLine(QPointF(8, 6.0), QPointF(8, 9.4));
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::ink);
    painter.drawPath(circle({8, 12.0}, 1.1));
    return image;
}

QImage drawDialogBackground() {
    constexpr int width = 900, height = 500;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    prepare(painter);
    QLinearGradient wash(0, 0, width * 0.35, height);
    wash.setColorAt(0, QColor(0xFB, 0xFC, 0xFF));
    wash.setColorAt(1, QColor(0xEA, 0xF0, 0xFB));
    painter.fillRect(image.rect(), wash);

    // A faint dot grid, like squared map paper, that never competes with the field texts.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2F, 0x6F, 0xC0, 22));
    for (int y = 12; y < height; y += 24) {
        for (int x = 12; x < width; x += 24)
            painter.drawEllipse(QPointF(x, y), 1.0, 1.0);
    }

    // Contour lines towards the lower right, where the fields leave most room.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x2F, 0x6F, 0xC0, 26), 1.2));
    for (int ring = 0; ring < 9; ++ring)
        painter.drawPath(contourRing({760, 430}, 50.0 + 34.0 * ring, 0.07, ring));
    painter.end();
    // Opaque pictures are stored without an alpha channel.
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage drawDialogStrip() {
    constexpr int width = 125, height = 390;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    prepare(painter);
    QLinearGradient depth(0, 0, width * 0.3, height);
    depth.setColorAt(0, QColor(0x34, 0x6C, 0xB8));
    depth.setColorAt(1, QColor(0x16, 0x3B, 0x70));
    painter.fillRect(image.rect(), depth);

    painter.setPen(QPen(QColor(255, 255, 255, 20), 1));
    for (int x = 25; x < width; x += 25)
        painter.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, height));
    for (int y = 25; y < height; y += 25)
        painter.drawLine(QPointF(0, y + 0.5), QPointF(width, y + 0.5));

    painter.setPen(QPen(QColor(255, 255, 255, 38), 1.2));
    for (int ring = 0; ring < 7; ++ring)
        painter.drawPath(contourRing({78, 290}, 14.0 + 17.0 * ring, 0.09, ring + 3));
    for (int ring = 0; ring < 4; ++ring)
        painter.drawPath(contourRing({20, 70}, 12.0 + 16.0 * ring, 0.1, ring + 11));

    // A light edge where the strip meets the dialog's background.
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
    painter.drawLine(QPointF(width - 0.5, 0), QPointF(width - 0.5, height));
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace varn::artwork
