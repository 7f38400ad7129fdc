#include "mappalette.h"

#include "mapcells.h"
#include "mapscene.h"

#include <QCoreApplication>

namespace varn {
namespace {

// LOD -1 (none) is grey, LOD 0 to 7 have colours of their own, the rest share one.
constexpr std::array<QRgb, 9> kLodColours = {0xff8c8c8c, 0xff1f77b4, 0xff2ca02c,
                                             0xffff7f0e, 0xffd62728, 0xff9467bd,
                                             0xff8c564b, 0xffe377c2, 0xffbcbd22};
constexpr QRgb kOtherLodColour = 0xff17becf;

QRgb lodColour(int key) {
    return key < static_cast<int>(kLodColours.size()) ? kLodColours[key] : kOtherLodColour;
}

QRgb modelColour(int key) {
    // Hues around the circle, every other one darker, so that neighbours differ.
    const int hue = key * 360 / kModelColourCount;
    return QColor::fromHsv(hue, key % 2 ? 200 : 230, key % 2 ? 165 : 225).rgb();
}

QString lodText(int key) {
    if (key >= static_cast<int>(kLodColours.size()))
        return QCoreApplication::translate("varn::MapLegend", "other LOD");
    return key == 0 ? QCoreApplication::translate("varn::MapLegend", "LOD -1 (none)")
                    : QCoreApplication::translate("varn::MapLegend", "LOD %1").arg(key - 1);
}

}  // namespace

QRgb dimmedColour(QRgb colour) {
    const auto mix = [](int c, int b) { return (c + 3 * b) / 4; };
    return qRgb(mix(qRed(colour), qRed(mapcolour::kBackground)),
                mix(qGreen(colour), qGreen(mapcolour::kBackground)),
                mix(qBlue(colour), qBlue(mapcolour::kBackground)));
}

PointColours pointColours(MapColouring colouring, bool dimmed) {
    PointColours colours{};
    for (int key = 0; key < 256; ++key) {
        QRgb c = mapcolour::kOnePoint;
        if (colouring == MapColouring::ByLod) c = lodColour(key);
        if (colouring == MapColouring::ByModelName) c = modelColour(key % kModelColourCount);
        colours[key] = dimmed ? dimmedColour(c) : c;
    }
    return colours;
}

std::vector<LegendEntry> legendEntries(MapScene& scene, MapColouring colouring) {
    using Swatch = LegendEntry::Swatch;
    std::vector<LegendEntry> entries;
    const PointLayer& points = scene.points();
    if (points.rowCount() > 0) {
        if (colouring == MapColouring::ByLod) {
            std::array<int, 256> counts{};
            for (std::uint8_t key : points.lodKeys())
                ++counts[std::min<int>(key, kLodColours.size())];
            for (int key = 0; key <= static_cast<int>(kLodColours.size()); ++key)
                if (counts[key] > 0)
                    entries.push_back(
                        {Swatch::Dot, lodColour(key),
                         QStringLiteral("%1: %2").arg(lodText(key)).arg(counts[key])});
        } else if (colouring == MapColouring::ByModelName) {
            entries.push_back({Swatch::ModelStrip, modelColour(0),
                               QCoreApplication::translate("varn::MapLegend",
                                                           "Model name: colour from its hash")});
        } else {
            entries.push_back({Swatch::Dot, mapcolour::kOnePoint,
                               QCoreApplication::translate("varn::MapLegend", "Section 0 point: %1")
                                   .arg(points.rowCount())});
        }
    }
    if (scene.boxes().rowCount() > 0)
        entries.push_back({Swatch::Outline, mapcolour::kBox,
                           QCoreApplication::translate("varn::MapLegend", "Section 9 box: %1")
                               .arg(scene.boxes().rowCount())});
    bool selected = false;
    for (MapLayer* layer :
         {static_cast<MapLayer*>(&scene.points()), static_cast<MapLayer*>(&scene.boxes())})
        for (std::uint8_t mark : layer->marks())
            if (mark & kRowSelected) {
                selected = true;
                break;
            }
    if (selected)
        entries.push_back({Swatch::Marker, mapcolour::kSelected,
                           QCoreApplication::translate("varn::MapLegend", "Selected")});
    if (scene.hasRowFilter(kMapPointSection) || scene.hasRowFilter(kMapBoxSection))
        entries.push_back(
            {Swatch::Dot, dimmedColour(mapcolour::kOnePoint),
             QCoreApplication::translate("varn::MapLegend", "Left out by the filter")});
    return entries;
}

}  // namespace varn
