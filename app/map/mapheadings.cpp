#include "mapheadings.h"

#include "mapcells.h"
#include "mappalette.h"
#include "mapscene.h"
#include "rowtransform.h"

#include <QCoreApplication>
#include <QLineF>
#include <QPainter>

#include <cmath>
#include <numbers>
#include <vector>

namespace varn {
namespace {

// Pixels of view per point, at least, before points get ticks: about 25 pixels apart.
constexpr double kRoomPerTick = 625;
constexpr double kTickLength = 11;

}  // namespace

QString headingText(std::optional<double> degrees, char separator) {
    if (!degrees) return QCoreApplication::translate("MapHeadings", "not a unit rotation");
    QString number = QString::number(*degrees, 'f', 1);
    number.replace(u'.', QLatin1Char(separator));
    return QCoreApplication::translate("MapHeadings", "%1\u00b0").arg(number);
}

void drawHeadingTicks(QPainter& painter, MapScene& scene, const MapViewport& viewport,
                      OrientationStorage storage) {
    const SectionTable* table = scene.table(kMapPointSection);
    PointLayer& points = scene.points();
    if (!table || points.rowCount() == 0 || table->rowCount() != points.rowCount()) return;
    const double room = static_cast<double>(viewport.width) * viewport.height;
    const auto most = static_cast<std::size_t>(room / kRoomPerTick);
    // A rough count first, so that a view of a million points is not walked for nothing.
    const MapRect shown = viewport.visibleRect();
    const MapRect all = points.bounds();
    if (all.width() > 0 && all.height() > 0) {
        const double w = std::min(shown.maxX, all.maxX) - std::max(shown.minX, all.minX);
        const double h = std::min(shown.maxY, all.maxY) - std::max(shown.minY, all.minY);
        const double fraction = std::max(w, 0.0) * std::max(h, 0.0) / (all.width() * all.height());
        if (fraction * points.rowCount() > 10.0 * static_cast<double>(most)) return;
    }
    std::vector<int> rows;
    bool crowded = false;
    points.forEachIn(shown, [&](int row) {
        if (rows.size() < most) {
            rows.push_back(row);
        } else {
            crowded = true;
        }
    });
    if (crowded || rows.empty()) return;

    const bool filtered = scene.hasRowFilter(kMapPointSection);
    const auto marks = points.marks();
    const auto positions = points.positions();
    std::vector<QLineF> plain;
    std::vector<QLineF> dimmed;
    for (int row : rows) {
        const std::optional<double> heading = rowHeading(*table, row, storage);
        if (!heading) continue;
        const double angle = *heading * std::numbers::pi / 180;
        // From the middle of the point's pixel; the picture's Y runs downwards.
        const QPointF from(std::floor(viewport.toPixelX(positions[row].x)) + 0.5,
                           std::floor(viewport.toPixelY(positions[row].y)) + 0.5);
        const QLineF tick(from, from + QPointF(std::cos(angle), -std::sin(angle)) * kTickLength);
        (filtered && (marks[row] & kRowFilteredOut) ? dimmed : plain).push_back(tick);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const auto draw = [&](const std::vector<QLineF>& ticks, QRgb colour) {
        if (ticks.empty()) return;
        painter.setPen(QPen(QColor::fromRgb(colour), 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLines(ticks.data(), static_cast<int>(ticks.size()));
    };
    draw(dimmed, dimmedColour(mapcolour::kSelectedBorder));
    draw(plain, mapcolour::kSelectedBorder);
    painter.restore();
}

}  // namespace varn
