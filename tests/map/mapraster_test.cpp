// The map's pixel work: box outlines as counts, dots as colour slots, each raster empty again
// once painted so that the next picture starts clean.

#include "mapraster.h"

#include <QRectF>
#include <QtTest>

#include <vector>

using namespace varn;

namespace {

constexpr std::uint32_t kGround = 0xff000000;
constexpr std::uint32_t kInk = 0xffffffff;

struct Frame {
    Frame(int width, int height) : pixels(static_cast<std::size_t>(width) * height, kGround) {
        frame = {pixels.data(), width, height, width};
    }
    [[nodiscard]] int inked() const {
        return static_cast<int>(std::count_if(pixels.begin(), pixels.end(),
                                              [](std::uint32_t p) { return p != kGround; }));
    }
    std::vector<std::uint32_t> pixels;
    PixelFrame frame;
};

}  // namespace

class MapRasterTest : public QObject {
    Q_OBJECT
private slots:
    void outlinePixels_data();
    void outlinePixels();
    void crossingOutlinesAreDarker();
    void dotsTakeTheirSlotsColourAndClip();
};

void MapRasterTest::outlinePixels_data() {
    QTest::addColumn<QList<QRectF>>("boxes");  // left, top, right, bottom in pixels
    QTest::addColumn<int>("thickness");
    QTest::addColumn<int>("inked");
    QTest::newRow("inside") << QList<QRectF>{{QPointF(10, 10), QPointF(20, 15)}} << 1 << 30;
    QTest::newRow("two wide") << QList<QRectF>{{QPointF(10, 10), QPointF(20, 15)}} << 2 << 52;
    QTest::newRow("over the left edge")
        << QList<QRectF>{{QPointF(-5, 5), QPointF(10.5, 8)}} << 1 << 24;
    QTest::newRow("around the frame")
        << QList<QRectF>{{QPointF(-100, -100), QPointF(100, 100)}} << 1 << 0;
    QTest::newRow("beyond it") << QList<QRectF>{{QPointF(41, 0), QPointF(50, 10)}} << 1 << 0;
    QTest::newRow("one pixel") << QList<QRectF>{{QPointF(3.2, 4.7), QPointF(3.9, 4.9)}} << 1 << 1;
    QTest::newRow("same box twice")
        << QList<QRectF>{{QPointF(10, 10), QPointF(20, 15)}, {QPointF(10, 10), QPointF(20, 15)}}
        << 1 << 30;
}

void MapRasterTest::outlinePixels() {
    QFETCH(QList<QRectF>, boxes);
    QFETCH(int, thickness);
    QFETCH(int, inked);
    OutlineRaster raster;
    Frame frame(40, 30);
    raster.reset(40, 30);
    for (const QRectF& box : boxes)
        raster.addBox(box.left(), box.top(), box.right(), box.bottom(), thickness);
    raster.paint(frame.frame, kInk, true);
    QCOMPARE(frame.inked(), inked);
    // The next picture shows its own box alone: painting left no counts behind.
    Frame next(40, 30);
    raster.reset(40, 30);
    raster.addBox(30, 20, 35, 25, 1);
    raster.paint(next.frame, kInk, true);
    QCOMPARE(next.inked(), 20);
}

void MapRasterTest::crossingOutlinesAreDarker() {
    OutlineRaster raster;
    Frame frame(20, 20);
    raster.reset(20, 20);
    raster.addBox(2, 2, 10, 10, 1);
    raster.addBox(2, 2, 15, 15, 1);  // shares the top-left corner's edges
    raster.paint(frame.frame, kInk);
    const auto at = [&](int x, int y) { return frame.pixels[y * 20 + x] & 0xff; };
    QVERIFY(at(5, 2) > at(12, 2));  // two outlines over one
    QVERIFY(at(12, 2) > 0);
    QVERIFY(at(12, 2) < 0xff);  // one outline lets the ground show
    QCOMPARE(at(5, 5), 0u);
}

void MapRasterTest::dotsTakeTheirSlotsColourAndClip() {
    DotRaster dots;
    std::uint32_t colours[256] = {};
    colours[1] = 0xff112233;
    colours[2] = 0xff445566;
    Frame frame(10, 10);
    dots.reset(10, 10);
    dots.putDot(0, 0, 4, 1);  // cut to its bottom-right 2 x 2
    dots.putDot(6, 6, 3, 1);
    dots.putDot(6, 6, 1, 2);  // the last dot wins its pixel
    dots.paint(frame.frame, colours);
    QCOMPARE(frame.inked(), 4 + 9);
    QCOMPARE(frame.pixels[6 * 10 + 6], colours[2]);
    QCOMPARE(frame.pixels[5 * 10 + 5], colours[1]);
    // The next picture shows its own dot alone.
    Frame next(10, 10);
    dots.reset(10, 10);
    dots.putDot(9, 0, 2, 2);
    dots.paint(next.frame, colours);
    QCOMPARE(next.inked(), 2);
}

QTEST_APPLESS_MAIN(MapRasterTest)
#include "mapraster_test.moc"
