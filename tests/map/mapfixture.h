#pragma once

// The map panel over section models of its own, shown, with helpers to click, drag and count
// pixels. The tables show their sections directly, or through filter models as the window's do.

#include "mapcells.h"
#include "mappanel.h"
#include "mapview.h"
#include "rowfiltermodel.h"
#include "sectionmodel.h"

#include <QApplication>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QtTest>

#include <cmath>
#include <cstring>

namespace varn::test {

// A document with the given points and boxes, its two section models, their filter models and
// selection models, and the map panel over them, shown.
struct MapFixture {
    // Whether the selection models count the rows of the filter models or of the sections.
    enum class Tables { Plain, Filtered };

    MapFixture(const std::vector<MapPoint>& positions, const std::vector<MapBox>& boxList = {},
               Tables tables = Tables::Plain)
        : filtered(tables == Tables::Filtered),
          pointSelection(filtered ? static_cast<QAbstractItemModel*>(&pointRows) : &points),
          boxSelection(filtered ? static_cast<QAbstractItemModel*>(&boxRows) : &boxes) {
        fill(document.table(kMapPointSection), positions.size(), [&](char* record, std::size_t i) {
            std::memcpy(record + 0, &positions[i].x, 4);
            std::memcpy(record + 4, &positions[i].y, 4);
        });
        fill(document.table(kMapBoxSection), boxList.size(), [&](char* record, std::size_t i) {
            const float corners[] = {boxList[i].minX, boxList[i].minY, 0, boxList[i].maxX,
                                     boxList[i].maxY};
            std::memcpy(record, corners, sizeof corners);
        });
        panel.attachSection(&points, filtered ? &pointRows : nullptr, &pointSelection);
        panel.attachSection(&boxes, filtered ? &boxRows : nullptr, &boxSelection);
        panel.findChild<QCheckBox*>(QStringLiteral("MapLegend"))->setChecked(false);
        // Taller than wide: the fitted rows keep clear of the numbers and the scale bar.
        panel.resize(600, 760);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        view()->repaint();
    }
    template <typename Write>
    static void fill(SectionTable& table, std::size_t count, Write write) {
        char* records = table.resetRecords(static_cast<int>(count));
        for (std::size_t i = 0; i < count; ++i)
            write(records + i * table.layout().recordSize, i);
    }
    MapView* view() { return panel.findChild<MapView*>(QStringLiteral("MapView")); }
    QPoint pixelOf(double x, double y) {
        const MapViewport& v = view()->viewport();
        return {static_cast<int>(std::floor(v.toPixelX(x))),
                static_cast<int>(std::floor(v.toPixelY(y)))};
    }
    // The section rows selected in the table.
    QList<int> rowsOf(const QItemSelectionModel& selection) const {
        const RowFilterModel& shown = &selection == &pointSelection ? pointRows : boxRows;
        QList<int> rows;
        for (const QModelIndex& index : selection.selectedRows())
            rows << (filtered ? shown.sourceRow(index.row()) : index.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    void wheel(const QPoint& at, int notches) {
        QWheelEvent event(at, view()->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view(), &event);
    }
    void drag(const QPoint& from, const QPoint& to, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mousePress(view(), Qt::LeftButton, modifiers, from);
        QTest::mouseMove(view(), (from + to) / 2);
        QTest::mouseMove(view(), to);
        QTest::mouseRelease(view(), Qt::LeftButton, modifiers, to);
    }
    // Pixels of exactly this colour in the map's picture.
    int pixelsOf(QRgb colour) {
        const QImage picture = view()->picture();
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                count += picture.pixel(x, y) == colour;
        return count;
    }

    Document document;
    SectionModel points{document, kMapPointSection, nullptr};
    SectionModel boxes{document, kMapBoxSection, nullptr};
    RowFilterModel pointRows{points, nullptr};
    RowFilterModel boxRows{boxes, nullptr};
    bool filtered;
    QItemSelectionModel pointSelection;
    QItemSelectionModel boxSelection;
    MapPanel panel;
};

// Points on a 10 x 10 grid 10 units apart, row = 10 * j + i at (10 i, 10 j).
inline std::vector<MapPoint> gridPoints() {
    std::vector<MapPoint> points;
    for (int j = 0; j < 10; ++j)
        for (int i = 0; i < 10; ++i)
            points.push_back({10.0f * i, 10.0f * j});
    return points;
}

inline const std::vector<MapBox> kBoxes = {{22, 22, 38, 38}, {52, 12, 58, 78}};

// A row of default texts at the end, as Add Item puts it in.
inline int appendDefaultRow(SectionModel& model) {
    const int row = model.rowCount();
    model.insertRows({row}, model.table().zeroRows(1));
    (void)model.applyWrites(row, defaultRowWrites(model.table().layout(), '.'));
    return row;
}

}  // namespace varn::test
