#include "mapdecorations.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace varn {
namespace {

constexpr int kMargin = 6;
constexpr int kLegendSwatch = 26;

QFont smallFont() {
    QFont font;
    font.setPixelSize(11);
    return font;
}

// Text on a pale ground so that it reads over the rows.
void drawLabel(QPainter& painter, const QRect& box, const QString& text) {
    painter.fillRect(box.adjusted(-2, 0, 2, 0), QColor(255, 255, 255, 200));
    painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

double niceStep(double rough) {
    if (!(rough > 0) || !std::isfinite(rough)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough * (1 - 1e-9)) return factor * power;
    return 10 * power;
}

QString coordinateText(double value, double step, char separator) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    if (std::abs(value) < step * 1e-6) value = 0;  // no "-0"
    QString text = QString::number(value, 'f', std::clamp(decimals, 0, 7));
    if (separator != '.') text.replace(u'.', QLatin1Char(separator));
    return text;
}

double gridStep(const MapViewport& viewport) {
    return niceStep(100 / viewport.scale);
}

void drawGridLines(QPainter& painter, const MapViewport& viewport) {
    const double step = gridStep(viewport);
    const MapRect shown = viewport.visibleRect();
    painter.setPen(QColor::fromRgb(mapcolour::kGrid));
    for (double x = std::ceil(shown.minX / step) * step; x <= shown.maxX; x += step) {
        const int px = static_cast<int>(std::floor(viewport.toPixelX(x)));
        painter.drawLine(px, 0, px, viewport.height);
    }
    for (double y = std::ceil(shown.minY / step) * step; y <= shown.maxY; y += step) {
        const int py = static_cast<int>(std::floor(viewport.toPixelY(y)));
        painter.drawLine(0, py, viewport.width, py);
    }
}

void drawAxisNumbers(QPainter& painter, const MapViewport& viewport, char separator) {
    const double step = gridStep(viewport);
    const MapRect shown = viewport.visibleRect();
    painter.setFont(smallFont());
    painter.setPen(QColor::fromRgb(mapcolour::kAxisText));
    const QFontMetrics metrics(painter.font());
    const int lineHeight = metrics.height();
    // X along the bottom edge, Y along the left edge, each number at its grid line.
    for (double x = std::ceil(shown.minX / step) * step; x <= shown.maxX; x += step) {
        const QString text = coordinateText(x, step, separator);
        const int width = metrics.horizontalAdvance(text);
        const int px = static_cast<int>(std::floor(viewport.toPixelX(x)));
        // Clear of the Y numbers and whole within the picture.
        if (px - width / 2 < 40 || px + width / 2 + 2 > viewport.width) continue;
        drawLabel(painter,
                  QRect(px - width / 2, viewport.height - lineHeight - 2, width, lineHeight), text);
    }
    for (double y = std::ceil(shown.minY / step) * step; y <= shown.maxY; y += step) {
        const QString text = coordinateText(y, step, separator);
        const int py = static_cast<int>(std::floor(viewport.toPixelY(y)));
        if (py - lineHeight / 2 < 0 || py + lineHeight / 2 > viewport.height - lineHeight - 4)
            continue;
        drawLabel(painter,
                  QRect(3, py - lineHeight / 2, metrics.horizontalAdvance(text), lineHeight), text);
    }
}

void drawScaleBar(QPainter& painter, const MapViewport& viewport, char separator) {
    const double length = niceStep(80 / viewport.scale);
    const int pixels = static_cast<int>(std::lround(length * viewport.scale));
    painter.setFont(smallFont());
    const QFontMetrics metrics(painter.font());
    const QString text = coordinateText(length, length, separator) +
                         QCoreApplication::translate("varn::MapDecorations", " units");
    const int right = viewport.width - kMargin - 4;
    const int baseline = viewport.height - metrics.height() - 12;
    const int left = right - pixels;
    painter.fillRect(
        QRect(left - 6, baseline - metrics.height() - 6, pixels + 12, metrics.height() + 12),
        QColor(255, 255, 255, 210));
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.drawLine(left, baseline, right, baseline);
    painter.drawLine(left, baseline - 4, left, baseline + 3);
    painter.drawLine(right, baseline - 4, right, baseline + 3);
    painter.drawText(QRect(left, baseline - metrics.height() - 3, pixels, metrics.height()),
                     Qt::AlignCenter, text);
}

QSize legendSize(const std::vector<LegendEntry>& entries) {
    const QFontMetrics metrics(smallFont());
    int width = 0;
    for (const LegendEntry& entry : entries)
        width = std::max(width, metrics.horizontalAdvance(entry.text));
    return {width + kLegendSwatch + 16,
            static_cast<int>(entries.size()) * (metrics.height() + 3) + 8};
}

std::vector<QRect> legendPlaces(const MapViewport& viewport, const QSize& size) {
    // Clear of the Y numbers on the left and of the scale bar at the bottom right.
    const int left = kMargin + 44;
    const int right = viewport.width - kMargin - size.width();
    const int bottom =
        viewport.height - 2 * kMargin - QFontMetrics(smallFont()).height() - size.height();
    return {QRect(QPoint(left, kMargin), size), QRect(QPoint(right, kMargin), size),
            QRect(QPoint(left, bottom), size)};
}

void drawLegend(QPainter& painter, const std::vector<LegendEntry>& entries, const QRect& frame) {
    if (entries.empty()) return;
    painter.setFont(smallFont());
    const QFontMetrics metrics(painter.font());
    const int line = metrics.height() + 3;
    constexpr int kSwatch = kLegendSwatch;
    const int width = frame.width() - kSwatch - 16;
    painter.setPen(QColor(190, 190, 182));
    painter.setBrush(QColor(255, 255, 255, 225));
    painter.drawRect(frame);
    int y = frame.top() + 4;
    for (const LegendEntry& entry : entries) {
        const QRect swatch(frame.left() + 6, y + (line - 10) / 2, kSwatch - 8, 10);
        const QColor colour = QColor::fromRgb(entry.colour);
        painter.setPen(Qt::NoPen);
        switch (entry.swatch) {
            case LegendEntry::Swatch::Dot:
                painter.fillRect(QRect(swatch.center().x() - 3, swatch.center().y() - 3, 6, 6),
                                 colour);
                break;
            case LegendEntry::Swatch::ModelStrip: {
                const PointColours colours = pointColours(MapColouring::ByModelName, false);
                for (int i = 0; i < 6; ++i)
                    painter.fillRect(QRect(swatch.left() + 3 * i, swatch.top() + 2, 3, 6),
                                     QColor::fromRgb(colours[i * 4 + 1]));
                break;
            }
            case LegendEntry::Swatch::Outline:
                painter.setPen(colour);
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(swatch.adjusted(0, 0, -1, -1));
                break;
            case LegendEntry::Swatch::Marker:
                painter.fillRect(QRect(swatch.center().x() - 3, swatch.center().y() - 3, 7, 7),
                                 QColor::fromRgb(mapcolour::kSelectedBorder));
                painter.fillRect(QRect(swatch.center().x() - 2, swatch.center().y() - 2, 5, 5),
                                 colour);
                break;
        }
        painter.setPen(QColor(30, 30, 30));
        painter.drawText(QRect(frame.left() + kSwatch + 4, y, width + 8, line),
                         Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        y += line;
    }
}

}  // namespace varn
