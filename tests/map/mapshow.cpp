// Shows the map panel on a placement file, for looking at it and for screenshots; not installed.
//   mapshow FILE [--colour lod|model|one] [--size WxH] [--area X1,Y1,X2,Y2]
//               [--select-band X1,Y1,X2,Y2] [--hover X,Y]
//                [--picture OUT.png] [--grab OUT.png]
// --picture writes the exported picture and --grab the whole panel, then the program ends.

#include "hashdictionary.h"
#include "mappanel.h"
#include "mapview.h"
#include "placementfile.h"
#include "sectionmodel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QComboBox>
#include <QCursor>
#include <QItemSelectionModel>
#include <QTextStream>

#include <cstdio>

using namespace varn;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("placement file"));
    parser.addOptions(
        {{QStringLiteral("colour"), QStringLiteral("lod, model or one"),
          QStringLiteral("colouring"), QStringLiteral("lod")},
         {QStringLiteral("size"), QStringLiteral("panel size"), QStringLiteral("WxH"),
          QStringLiteral("900x700")},
         {QStringLiteral("area"), QStringLiteral("map rectangle to show"),
          QStringLiteral("x1,y1,x2,y2")},
         {QStringLiteral("hover"), QStringLiteral("map position to put the pointer on"),
          QStringLiteral("x,y")},
         {QStringLiteral("select-band"), QStringLiteral("map rectangle whose rows to select"),
          QStringLiteral("x1,y1,x2,y2")},
         {QStringLiteral("picture"), QStringLiteral("write the map picture"),
          QStringLiteral("png")},
         {QStringLiteral("grab"), QStringLiteral("write a grab of the panel"),
          QStringLiteral("png")}});
    parser.process(app);
    if (parser.positionalArguments().size() != 1) parser.showHelp(2);

    HashDictionary dictionary;
    QString error;
    if (!readHashesFile(QCoreApplication::applicationDirPath() + QStringLiteral("/hashes.dat"),
                        dictionary.baseEntries, error))
        dictionary.baseEntries.clear();
    Document document;
    if (!loadPlacementFile(parser.positionalArguments()[0], {}, dictionary, document, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    SectionModel points(document, 0, nullptr);
    SectionModel boxes(document, 9, nullptr);
    QItemSelectionModel pointSelection(&points);
    QItemSelectionModel boxSelection(&boxes);
    MapPanel panel;
    panel.attachSection(&points, nullptr, &pointSelection);
    panel.attachSection(&boxes, nullptr, &boxSelection);
    const QStringList colours{QStringLiteral("lod"), QStringLiteral("model"),
                              QStringLiteral("one")};
    panel.findChild<QComboBox*>(QStringLiteral("MapColouring"))
        ->setCurrentIndex(
            std::max(0, static_cast<int>(colours.indexOf(parser.value(QStringLiteral("colour"))))));
    const QStringList size = parser.value(QStringLiteral("size")).split(u'x');
    panel.resize(size.value(0).toInt(), size.value(1).toInt());
    panel.show();
    QApplication::processEvents();
    panel.fitToRows();  // reads the rows now

    const auto rectOption = [&](const char* name) {
        const QStringList numbers = parser.value(QLatin1String(name)).split(u',');
        MapRect rect;
        if (numbers.size() == 4) {
            rect.include(numbers[0].toDouble(), numbers[1].toDouble());
            rect.include(numbers[2].toDouble(), numbers[3].toDouble());
        }
        return rect;
    };
    if (const MapRect area = rectOption("area"); !area.isEmpty()) panel.view()->showArea(area);
    if (const MapRect rect = rectOption("select-band"); !rect.isEmpty()) {
        panel.scene()->selectRows(0, panel.scene()->points().rowsIn(rect),
                                  MapScene::Selecting::Replace);
        panel.scene()->selectRows(9, panel.scene()->boxes().rowsInside(rect),
                                  MapScene::Selecting::Add);
    }
    if (const QStringList at = parser.value(QStringLiteral("hover")).split(u','); at.size() == 2) {
        const MapViewport& v = panel.view()->viewport();
        const QPoint pixel(static_cast<int>(v.toPixelX(at[0].toDouble())),
                           static_cast<int>(v.toPixelY(at[1].toDouble())));
        panel.activateWindow();  // tooltips show in the active window only
        QCursor::setPos(panel.view()->mapToGlobal(pixel));
    }
    if (parser.isSet(QStringLiteral("picture"))) {
        if (!panel.exportPicture(parser.value(QStringLiteral("picture")), error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    if (parser.isSet(QStringLiteral("grab"))) {
        QApplication::processEvents();
        panel.grab().save(parser.value(QStringLiteral("grab")));
    }
    if (parser.isSet(QStringLiteral("picture")) || parser.isSet(QStringLiteral("grab"))) return 0;
    return QApplication::exec();
}
