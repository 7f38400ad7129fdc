#include "artwork.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

struct Expected {
    const char* name;
    int width;
    int height;
};

// The sizes the windows lay their pictures out for; a picture of another size would be
// stretched or cut.
constexpr Expected expectedPictures[] = {
    {"toolbar-new", 24, 24},       {"toolbar-open", 24, 24}, {"toolbar-save", 24, 24},
    {"toolbar-separator", 24, 24}, {"tab-empty", 16, 16},    {"tab-loaded", 16, 16},
    {"tab-changed", 16, 16},       {"menu-add", 16, 16},     {"menu-delete", 16, 16},
    {"menu-edit", 16, 16},         {"status-ok", 21, 21},    {"status-invalid", 21, 21},
    {"warning", 16, 16},           {"fon", 900, 500},        {"leftimg", 125, 390},
    {"program-icon", 64, 64},
};

// The program's icon in the desktop's hicolor theme.
constexpr int themeIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Runs the generator into folder; empty on success, else what went wrong.
QString runGenerator(const QString& folder) {
    QProcess generator;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    generator.setProcessEnvironment(environment);
    generator.start(QStringLiteral(VARN_ART_GENERATOR), {folder});
    if (!generator.waitForFinished(60000)) return QStringLiteral("the generator did not finish");
    if (generator.exitStatus() != QProcess::NormalExit || generator.exitCode() != 0)
        return QString::fromLocal8Bit(generator.readAllStandardError());
    return {};
}

QString resourcePath(const QString& name) {
    return QStringLiteral(":/art/%1.png").arg(name);
}

QImage loadPicture(const QString& name) {
    return QImage(resourcePath(name)).convertToFormat(QImage::Format_ARGB32);
}

// Relative luminance of an sRGB colour, as used for text contrast.
double luminance(QRgb pixel) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) +
           0.0722 * channel(qBlue(pixel));
}

double contrast(double lighter, double darker) {
    return (lighter + 0.05) / (darker + 0.05);
}

struct Tally {
    int opaque = 0;
    int greenish = 0;
    int reddish = 0;
    int whitish = 0;
};

Tally tally(const QImage& image) {
    Tally result;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 200) continue;
            ++result.opaque;
            if (qGreen(pixel) > qRed(pixel) + 50) ++result.greenish;
            if (qRed(pixel) > qGreen(pixel) + 50) ++result.reddish;
            if (qRed(pixel) > 230 && qGreen(pixel) > 230 && qBlue(pixel) > 230) ++result.whitish;
        }
    }
    return result;
}

}  // namespace

class ArtworkTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureIsEmbeddedWithItsSize_data();
    void everyPictureIsEmbeddedWithItsSize();
    void publishedPathsAreExactlyTheEmbeddedPictures();
    void iconsHaveClearCorners_data();
    void iconsHaveClearCorners();
    void solidIconsHaveOpaqueCentres_data();
    void solidIconsHaveOpaqueCentres();
    void statusIconsAreGreenAndRed();
    void picturesOfOneSetDiffer();
    void dialogBackgroundKeepsTextReadable();
    void generatorRedrawsTheEmbeddedPictures();
    void themeIconsHaveEverySize();
};

void ArtworkTest::everyPictureIsEmbeddedWithItsSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (const Expected& picture : expectedPictures)
        QTest::newRow(picture.name)
            << QString::fromLatin1(picture.name) << QSize(picture.width, picture.height);
}

void ArtworkTest::everyPictureIsEmbeddedWithItsSize() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage image(resourcePath(name));
    QVERIFY2(!image.isNull(), qPrintable(resourcePath(name)));
    QCOMPARE(image.size(), size);
}

void ArtworkTest::publishedPathsAreExactlyTheEmbeddedPictures() {
    QStringList expected;
    for (const Expected& picture : expectedPictures)
        expected << resourcePath(QString::fromLatin1(picture.name));
    QStringList published = varn::art::allPictures();
    QStringList embedded;
    for (const QString& file : QDir(QStringLiteral(":/art")).entryList(QDir::Files))
        embedded << QStringLiteral(":/art/") + file;
    expected.sort();
    published.sort();
    embedded.sort();
    QCOMPARE(published, expected);
    QCOMPARE(embedded, expected);
}

void ArtworkTest::iconsHaveClearCorners_data() {
    QTest::addColumn<QString>("name");
    for (const Expected& picture : expectedPictures) {
        const QString name = QString::fromLatin1(picture.name);
        if (name != QLatin1String("fon") && name != QLatin1String("leftimg"))
            QTest::newRow(picture.name) << name;
    }
}

// Icons sit on tool bars, tabs, menus and the dialogs' gradient: a filled corner would show as
// a box around them.
void ArtworkTest::iconsHaveClearCorners() {
    QFETCH(QString, name);
    const QImage image = loadPicture(name);
    QVERIFY(image.hasAlphaChannel());
    const int right = image.width() - 1, bottom = image.height() - 1;
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        QVERIFY2(qAlpha(image.pixel(corner)) == 0,
                 qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
    }
}

void ArtworkTest::solidIconsHaveOpaqueCentres_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"status-ok", "status-invalid", "warning", "program-icon", "tab-loaded",
                             "tab-changed", "menu-add", "menu-delete", "menu-edit"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void ArtworkTest::solidIconsHaveOpaqueCentres() {
    QFETCH(QString, name);
    const QImage image = loadPicture(name);
    // For an even size the centre is the middle 2 x 2 block.
    const int left = (image.width() - 1) / 2, top = (image.height() - 1) / 2;
    for (int y = top; y <= image.height() / 2; ++y) {
        for (int x = left; x <= image.width() / 2; ++x)
            QVERIFY2(qAlpha(image.pixel(x, y)) >= 250,
                     qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
    }
}

void ArtworkTest::statusIconsAreGreenAndRed() {
    const Tally valid = tally(loadPicture(QStringLiteral("status-ok")));
    const Tally invalid = tally(loadPicture(QStringLiteral("status-invalid")));
    QVERIFY(valid.opaque > 150);
    QVERIFY(invalid.opaque > 150);
    QVERIFY2(valid.greenish > valid.opaque / 2, "the valid mark is mostly green");
    QCOMPARE(valid.reddish, 0);
    QVERIFY2(invalid.reddish > invalid.opaque / 2, "the invalid mark is mostly red");
    QCOMPARE(invalid.greenish, 0);
    // Both carry a white sign (tick, question mark) that must not be lost to antialiasing.
    QVERIFY(valid.whitish >= 15);
    QVERIFY(invalid.whitish >= 15);
}

// Each state must be told from the others at a glance; identical files would mean a copy slip.
void ArtworkTest::picturesOfOneSetDiffer() {
    const QStringList sets[] = {
        {QStringLiteral("tab-empty"), QStringLiteral("tab-loaded"), QStringLiteral("tab-changed")},
        {QStringLiteral("menu-add"), QStringLiteral("menu-delete"), QStringLiteral("menu-edit")},
        {QStringLiteral("toolbar-new"), QStringLiteral("toolbar-open"),
         QStringLiteral("toolbar-save"), QStringLiteral("toolbar-separator")},
    };
    for (const QStringList& names : sets) {
        for (int first = 0; first < names.size(); ++first) {
            for (int second = first + 1; second < names.size(); ++second) {
                QVERIFY2(loadPicture(names[first]) != loadPicture(names[second]),
                         qPrintable(names[first] + QStringLiteral(" = ") + names[second]));
            }
        }
    }
}

// Field texts are black and labels bold in a highlight blue; the background must stay light
// everywhere, not only on average, and the left strip must be clearly darker than it.
void ArtworkTest::dialogBackgroundKeepsTextReadable() {
    const QImage background = loadPicture(QStringLiteral("fon"));
    double sum = 0, darkest = 1;
    for (int y = 0; y < background.height(); ++y) {
        for (int x = 0; x < background.width(); ++x) {
            const QRgb pixel = background.pixel(x, y);
            QCOMPARE(qAlpha(pixel), 255);
            const double value = luminance(pixel);
            sum += value;
            darkest = std::min(darkest, value);
        }
    }
    const double mean = sum / (background.width() * background.height());
    QVERIFY2(mean > 0.85, qPrintable(QString::number(mean)));
    QVERIFY2(contrast(darkest, 0.0) >= 12, qPrintable(QString::number(darkest)));
    const double labelBlue = luminance(qRgb(0x00, 0x78, 0xD7));
    QVERIFY2(contrast(darkest, labelBlue) >= 3.0, qPrintable(QString::number(darkest)));

    const QImage strip = loadPicture(QStringLiteral("leftimg"));
    double stripSum = 0;
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x)
            stripSum += luminance(strip.pixel(x, y));
    }
    const double stripMean = stripSum / (strip.width() * strip.height());
    QVERIFY2(stripMean < mean / 3, qPrintable(QString::number(stripMean)));
}

// The build embeds what the generator wrote; drawing again must give the same bytes, or the
// pictures would change from build to build.
void ArtworkTest::generatorRedrawsTheEmbeddedPictures() {
    QTemporaryDir output;
    QVERIFY(output.isValid());
    const QString problem = runGenerator(output.path());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    for (const Expected& picture : expectedPictures) {
        const QString name = QString::fromLatin1(picture.name);
        QFile drawn(QDir(output.path()).filePath(name + QStringLiteral(".png")));
        QFile embedded(resourcePath(name));
        QVERIFY2(drawn.open(QIODevice::ReadOnly), qPrintable(drawn.fileName()));
        QVERIFY(embedded.open(QIODevice::ReadOnly));
        QVERIFY2(drawn.readAll() == embedded.readAll(), picture.name);
    }
}

// Every size is the same picture: square, clear corners, a solid middle; at 64 it is the About
// box's picture itself.
void ArtworkTest::themeIconsHaveEverySize() {
    QTemporaryDir output;
    QVERIFY(output.isValid());
    const QString problem = runGenerator(output.path());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    for (const int size : themeIconSizes) {
        const QString path = output.filePath(
            QStringLiteral("hicolor/%1x%1/apps/varn-placement-editor.png").arg(size));
        const QImage icon = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!icon.isNull(), qPrintable(path));
        QCOMPARE(icon.size(), QSize(size, size));
        const int last = size - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QVERIFY2(qAlpha(icon.pixel(corner)) == 0, qPrintable(path));
        QVERIFY2(qAlpha(icon.pixel(size / 2, size / 2)) >= 250, qPrintable(path));
        if (size == 64) QCOMPARE(icon, loadPicture(QStringLiteral("program-icon")));
    }
}

QTEST_MAIN(ArtworkTest)
#include "artwork_test.moc"
