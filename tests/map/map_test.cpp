// The map panel over section models of its own: picking, the rubber band, following edits,
// rows without a position, the filter hook and the picture export.

#include "mapfixture.h"
#include "mappalette.h"

#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <limits>

using namespace varn;
using namespace varn::test;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

}  // namespace

class MapTest : public QObject {
    Q_OBJECT
private slots:
    void pickAfterZoomAndPan_data();
    void pickAfterZoomAndPan();
    void rubberBandSelectsExactlyTheRowsInside_data();
    void rubberBandSelectsExactlyTheRowsInside();
    void followsEditsAddsAndDeletes();
    void rowsWithoutPositionAreCountedAndNotDrawn();
    void filterDimsTheRowsItLeavesOut();
    void tableSelectionIsHighlighted();
    void nothingIsReadWhileHidden();
    void manyRowsAreReadAfterTheFirstPaint();
    void coloursFollowTheChoice();
    void statusAndTooltipTellWhatIsUnderThePointer();
    void ctrlClickTogglesARow();
    void filterIsAskedAgainForChangedRows();
    void exportWritesThePictureOrNamesTheFile();
};

void MapTest::pickAfterZoomAndPan_data() {
    QTest::addColumn<int>("notches");
    QTest::addColumn<QPoint>("pan");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("row");
    QTest::addColumn<QPointF>("target");  // map position clicked
    QTest::newRow("fitted") << 0 << QPoint() << 0 << 34 << QPointF(40, 30);
    QTest::newRow("zoomed in, panned") << 3 << QPoint(-120, 70) << 0 << 77 << QPointF(70, 70);
    QTest::newRow("zoomed out, panned") << -2 << QPoint(40, -30) << 0 << 9 << QPointF(90, 0);
    QTest::newRow("box outline") << 2 << QPoint(60, 20) << 9 << 1 << QPointF(55, 78);
    QTest::newRow("box edge beside") << 1 << QPoint() << 9 << 0 << QPointF(22, 33);
}

void MapTest::pickAfterZoomAndPan() {
    QFETCH(int, notches);
    QFETCH(QPoint, pan);
    QFETCH(int, section);
    QFETCH(int, row);
    QFETCH(QPointF, target);
    MapFixture map(gridPoints(), kBoxes);
    const QPoint pointer(300, 200);
    const double xUnder = map.view()->viewport().toMapX(pointer.x());
    map.wheel(pointer, notches);
    // Zooming keeps the map position under the pointer.
    QCOMPARE(map.view()->viewport().toMapX(pointer.x()), xUnder);
    if (!pan.isNull()) map.drag({320, 240}, QPoint(320, 240) + pan);
    QVERIFY(map.rowsOf(map.pointSelection).isEmpty());  // a drag pans, it picks nothing

    QSignalSpy picked(&map.panel, &MapPanel::rowsPicked);
    QTest::mouseClick(map.view(), Qt::LeftButton, {}, map.pixelOf(target.x(), target.y()));
    QCOMPARE(picked.count(), 1);
    QCOMPARE(picked[0][0].toInt(), section);
    QCOMPARE(picked[0][1].value<QList<int>>(), QList<int>{row});
    const bool onPoints = section == kMapPointSection;
    QCOMPARE(map.rowsOf(map.pointSelection), onPoints ? QList<int>{row} : QList<int>{});
    QCOMPARE(map.rowsOf(map.boxSelection), onPoints ? QList<int>{} : QList<int>{row});
}

void MapTest::rubberBandSelectsExactlyTheRowsInside_data() {
    QTest::addColumn<QRectF>("band");  // map units, edges between the grid's points
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QList<int>>("points");
    QTest::addColumn<QList<int>>("boxes");
    QTest::newRow("block") << QRectF(15, 15, 30, 30) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                           << QList<int>{22, 23, 24, 32, 33, 34, 42, 43, 44} << QList<int>{0};
    // Each edge a unit (about 6 pixels) from the points left out, then from those taken.
    QTest::newRow("tight") << QRectF(21, 21, 28, 28) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                           << QList<int>{33, 34, 43, 44} << QList<int>{0};
    QTest::newRow("snug") << QRectF(29, 29, 12, 12) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                          << QList<int>{33, 34, 43, 44} << QList<int>{};
    QTest::newRow("cuts the tall box")
        << QRectF(45, 5, 20, 60) << Qt::KeyboardModifiers(Qt::ShiftModifier)
        << QList<int>{15, 16, 25, 26, 35, 36, 45, 46, 55, 56, 65, 66} << QList<int>{};
    // Ctrl adds to the row picked before the band.
    QTest::newRow("added") << QRectF(-3, 85, 16, 7)
                           << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier)
                           << QList<int>{0, 90, 91} << QList<int>{};
    QTest::newRow("nothing inside")
        << QRectF(1, 1, 7, 7) << Qt::KeyboardModifiers(Qt::ShiftModifier) << QList<int>{}
        << QList<int>{};
}

void MapTest::rubberBandSelectsExactlyTheRowsInside() {
    QFETCH(QRectF, band);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QList<int>, points);
    QFETCH(QList<int>, boxes);
    MapFixture map(gridPoints(), kBoxes);
    QTest::mouseClick(map.view(), Qt::LeftButton, {}, map.pixelOf(0, 0));
    QCOMPARE(map.rowsOf(map.pointSelection), QList<int>{0});
    map.drag(map.pixelOf(band.left(), band.top()), map.pixelOf(band.right(), band.bottom()),
             modifiers);
    QCOMPARE(map.rowsOf(map.pointSelection), points);
    QCOMPARE(map.rowsOf(map.boxSelection), boxes);
}

void MapTest::followsEditsAddsAndDeletes() {
    MapFixture map(gridPoints());
    map.panel.findChild<QComboBox*>(QStringLiteral("MapColouring"))->setCurrentIndex(2);
    const auto pickedAt = [&](double x, double y) {
        QSignalSpy picked(&map.panel, &MapPanel::rowsPicked);
        QTest::mouseClick(map.view(), Qt::LeftButton, {}, map.pixelOf(x, y));
        return picked.isEmpty() ? -1 : picked[0][1].value<QList<int>>().value(0);
    };
    const int dotPixels = map.pixelsOf(mapcolour::kOnePoint);
    QVERIFY(dotPixels > 0);
    QCOMPARE(pickedAt(33, 55), -1);

    // Pos X of row 57 (70, 50) edited to 33: the point moves, the picture follows.
    (void)map.points.applyWrites(57, {{mapPointCells().x, QStringLiteral("33")}});
    QCOMPARE(map.view()->picture().pixel(map.pixelOf(33, 50)), mapcolour::kOnePoint);
    QVERIFY(map.view()->picture().pixel(map.pixelOf(70, 50)) != mapcolour::kOnePoint);
    QCOMPARE(pickedAt(33, 50), 57);
    QCOMPARE(pickedAt(70, 50), -1);

    // A row removed renumbers the ones after it; an added row stands at 0, 0.
    (void)map.points.takeRows({0});
    QCOMPARE(pickedAt(33, 50), 56);
    QCOMPARE(pickedAt(10, 0), 0);
    const int added = appendDefaultRow(map.points);
    QCOMPARE(pickedAt(0, 0), added);
    map.pointSelection.clearSelection();  // the selection marks cover their dots
    QCOMPARE(map.pixelsOf(mapcolour::kOnePoint), dotPixels);

    // New: nothing is left to draw.
    map.points.beginDocumentChange();
    map.document.clearRows();
    map.points.endDocumentChange();
    QCOMPARE(map.pixelsOf(mapcolour::kOnePoint), 0);
}

void MapTest::rowsWithoutPositionAreCountedAndNotDrawn() {
    std::vector<MapPoint> points = gridPoints();
    points[5] = {kNaN, 3};
    points[6] = {1, std::numeric_limits<float>::infinity()};
    std::vector<MapBox> boxes = kBoxes;
    boxes.push_back({-std::numeric_limits<float>::infinity(), 0, 50, 50});
    MapFixture map(points, boxes);
    // An edited text that does not convert leaves the row without a position too.
    (void)map.points.applyWrites(7, {{mapPointCells().y, QStringLiteral("east")}});
    auto* status = map.panel.findChild<QLabel*>(QStringLiteral("MapStatus"));
    QCOMPARE(status->text(), QStringLiteral("4 rows without a position"));

    // The picture is the one of the same rows without them: nothing drawn, Fit unmoved.
    map.panel.fitToRows();
    const QImage withThem = map.view()->picture();
    for (int row : {7, 6, 5})
        (void)map.points.takeRows({row});
    (void)map.boxes.takeRows({2});
    map.panel.fitToRows();
    QCOMPARE(map.view()->picture(), withThem);
    QCOMPARE(status->text(), QString());
}

void MapTest::filterDimsTheRowsItLeavesOut() {
    MapFixture map(gridPoints());
    map.panel.findChild<QComboBox*>(QStringLiteral("MapColouring"))->setCurrentIndex(2);
    const int all = map.pixelsOf(mapcolour::kOnePoint);
    map.panel.setRowFilter(kMapPointSection, [](int row) { return row < 30; });
    const int kept = map.pixelsOf(mapcolour::kOnePoint);
    QCOMPARE(kept, all * 30 / 100);
    QCOMPARE(map.pixelsOf(dimmedColour(mapcolour::kOnePoint)), all - kept);
    map.panel.setRowFilter(kMapPointSection, nullptr);
    QCOMPARE(map.pixelsOf(mapcolour::kOnePoint), all);
}

void MapTest::tableSelectionIsHighlighted() {
    MapFixture map(gridPoints(), kBoxes);
    QCOMPARE(map.pixelsOf(mapcolour::kSelected), 0);
    map.pointSelection.select(map.points.index(44, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QImage picture = map.view()->picture();
    QCOMPARE(picture.pixel(map.pixelOf(40, 40)), mapcolour::kSelected);
    QCOMPARE(map.pixelsOf(mapcolour::kSelected), 25);  // one mark
    map.boxSelection.select(map.boxes.index(1, 0),
                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QVERIFY(map.pixelsOf(mapcolour::kSelected) > 25 + 100);
    map.pointSelection.clearSelection();
    map.boxSelection.clearSelection();
    QCOMPARE(map.pixelsOf(mapcolour::kSelected), 0);
}

void MapTest::nothingIsReadWhileHidden() {
    MapFixture map(gridPoints());
    map.panel.hide();
    map.points.beginDocumentChange();
    map.points.endDocumentChange();
    QCoreApplication::processEvents();
    QVERIFY(map.panel.scene()->isStale());
    map.panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&map.panel));
    map.view()->repaint();
    QVERIFY(!map.panel.scene()->isStale());
}

void MapTest::manyRowsAreReadAfterTheFirstPaint() {
    std::vector<MapPoint> many;
    for (int i = 0; i < 30000; ++i)
        many.push_back({static_cast<float>(i % 200), static_cast<float>(i / 200)});
    MapFixture map(many);
    map.points.beginDocumentChange();  // as a load does
    map.points.endDocumentChange();
    map.view()->repaint();
    QVERIFY(map.panel.scene()->isStale());  // the first paint shows a note, reads nothing
    QCoreApplication::processEvents();
    QVERIFY(!map.panel.scene()->isStale());
    QCOMPARE(map.panel.scene()->points().rowCount(), 30000);
}

void MapTest::coloursFollowTheChoice() {
    MapFixture map(gridPoints());
    const SectionTable& table = map.document.table(kMapPointSection);
    const int hashCell = table.layout().hashCellOf(mapPointCells().modelName);
    const struct {
        int row;
        const char* lod;
        const char* hash;
    } rows[] = {{34, "2", "111"}, {35, "0", "111"}, {36, "2", "222"}};
    for (const auto& r : rows) {
        (void)map.points.applyWrites(r.row, {{mapPointCells().lod, QString::fromLatin1(r.lod)},
                                             {hashCell, QString::fromLatin1(r.hash)}});
    }
    auto* choice = map.panel.findChild<QComboBox*>(QStringLiteral("MapColouring"));
    for (int index = 0; index < 3; ++index) {
        choice->setCurrentIndex(index);
        const auto colouring = static_cast<MapColouring>(index);
        const PointColours colours = pointColours(colouring, false);
        const QImage picture = map.view()->picture();
        for (const auto& r : rows) {
            const std::uint8_t key = colouring == MapColouring::ByModelName
                                         ? modelColourKey(QByteArray(r.hash).toDouble())
                                         : lodKey(QByteArray(r.lod).toDouble());
            QCOMPARE(picture.pixel(map.pixelOf(10 * (r.row % 10), 10 * (r.row / 10))),
                     colours[key]);
        }
    }
    // The rows' LODs differ in colour, so the LOD picture is not the one-colour one.
    QVERIFY(pointColours(MapColouring::ByLod, false)[lodKey(2)] !=
            pointColours(MapColouring::ByLod, false)[lodKey(0)]);
}

void MapTest::statusAndTooltipTellWhatIsUnderThePointer() {
    std::vector<MapPoint> points = gridPoints();
    points[99] = {kNaN, 0};
    MapFixture map(points, kBoxes);
    auto* status = map.panel.findChild<QLabel*>(QStringLiteral("MapStatus"));
    QCOMPARE(status->text(), QStringLiteral("1 row without a position"));
    const QPoint at = map.pixelOf(40, 30);
    QMouseEvent move(QEvent::MouseMove, at, map.view()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(map.view(), &move);
    QVERIFY2(QRegularExpression(QStringLiteral("^X (39\\.9|40\\.[0-2]), Y (29\\.9|30\\.[0-2])  "
                                               "\u00b7  1 row without a position$"))
                 .match(status->text())
                 .hasMatch(),
             qPrintable(status->text()));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(map.view(), &leave);
    QCOMPARE(status->text(), QStringLiteral("1 row without a position"));

    const auto tipAt = [&](double x, double y) {
        const QPoint pixel = map.pixelOf(x, y);
        QHelpEvent help(QEvent::ToolTip, pixel, map.view()->mapToGlobal(pixel));
        QApplication::sendEvent(map.view(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    const QString model =
        map.document.table(kMapPointSection).cellText(34, mapPointCells().modelName);
    // Its orientation is all zeros: no rotation, and no heading.
    QCOMPARE(tipAt(40, 30), QStringLiteral("Section 0, row 34\nModel: %1\nX 40.0, Y 30.0\n"
                                           "Heading: not a unit rotation")
                                .arg(model));
    QVERIFY(tipAt(55, 78).startsWith(QStringLiteral("Section 9, row 1\nModel: ")));
    QVERIFY(tipAt(55, 78).endsWith(QStringLiteral("\nX1 52.0, Y1 12.0\nX2 58.0, Y2 78.0")));
    tipAt(45, 45);  // nothing there: the tip goes
    QTRY_VERIFY(!QToolTip::isVisible());
}

void MapTest::ctrlClickTogglesARow() {
    MapFixture map(gridPoints());
    const auto click = [&](double x, double y, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(map.view(), Qt::LeftButton, modifiers, map.pixelOf(x, y));
        return map.rowsOf(map.pointSelection);
    };
    QCOMPARE(click(40, 30, {}), QList<int>{34});
    QCOMPARE(click(50, 40, Qt::ControlModifier), (QList<int>{34, 45}));
    QCOMPARE(click(40, 30, Qt::ControlModifier), QList<int>{45});
    QCOMPARE(click(0, 90, {}), QList<int>{90});
}

void MapTest::filterIsAskedAgainForChangedRows() {
    MapFixture map(gridPoints());
    map.panel.findChild<QComboBox*>(QStringLiteral("MapColouring"))->setCurrentIndex(2);
    const SectionTable& table = map.document.table(kMapPointSection);
    map.panel.setRowFilter(kMapPointSection, [&table](int row) {
        return mapNumber(table, row, mapPointCells().x) < 50;
    });
    const QRgb dimmed = dimmedColour(mapcolour::kOnePoint);
    QCOMPARE(map.view()->picture().pixel(map.pixelOf(70, 20)), dimmed);
    (void)map.points.applyWrites(27, {{mapPointCells().x, QStringLiteral("33")}});
    QCOMPARE(map.view()->picture().pixel(map.pixelOf(33, 20)), mapcolour::kOnePoint);
    appendDefaultRow(map.points);  // at 0, 0 with row 0: both kept
    QCOMPARE(map.view()->picture().pixel(map.pixelOf(0, 0)), mapcolour::kOnePoint);
}

void MapTest::exportWritesThePictureOrNamesTheFile() {
    MapFixture map(gridPoints(), kBoxes);
    QTemporaryDir folder;
    const QString good = folder.filePath(QStringLiteral("map.png"));
    QString error;
    QVERIFY2(map.panel.exportPicture(good, error), qPrintable(error));
    QCOMPARE(QImage(good).convertToFormat(QImage::Format_ARGB32_Premultiplied),
             map.view()->picture());

    const QString bad = folder.filePath(QStringLiteral("no such folder/map.png"));
    QVERIFY(!map.panel.exportPicture(bad, error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(bad)), qPrintable(error));
    QVERIFY(!QFile::exists(bad));
}

QTEST_MAIN(MapTest)
#include "map_test.moc"
