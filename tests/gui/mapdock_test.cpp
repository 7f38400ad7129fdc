// The map in the main window: its View item and the kept shown state, picking a row into its
// table through the table's filter, following a bulk delete and its undo, and Export Map
// Picture. How the map dims the rows a filter model hides is tested with the map alone.

#include "guitestsupport.h"
#include "mapcells.h"
#include "mappanel.h"
#include "mapview.h"
#include "rowcommands.h"
#include "settingsfile.h"

#include <QAction>
#include <QDockWidget>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include <numeric>

using namespace varn;
using namespace varn::test;

namespace {

QDockWidget* mapDock(MainWindow& w) {
    return w.findChild<QDockWidget*>(QStringLiteral("MapDock"));
}
MapPanel* mapPanel(MainWindow& w) {
    return w.findChild<MapPanel*>(QStringLiteral("MapPanel"));
}
QAction* item(MainWindow& w, const char* name) {
    return w.findChild<QAction*>(QLatin1String(name));
}
bool mapShownInSettings(const ProgramFolder& folder) {
    return SettingsFile(folder.path(QStringLiteral("settings.ini")))
        .readBool(QStringLiteral("Settings"), QStringLiteral("ShowMap"), false);
}
QStringList itemTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : readableText(action->text()));
    return texts;
}
const QMenu* menuNamed(MainWindow& w, const QString& title) {
    for (const QAction* action : w.menuBar()->actions())
        if (readableText(action->text()) == title) return action->menu();
    return nullptr;
}

// The sample loaded in the shown window with the map shown and read.
std::unique_ptr<MainWindow> windowWithMap(const ProgramFolder& folder, ScriptedPrompts& prompts) {
    folder.copyShipped();
    auto w = startWindow(folder, prompts, sampleFile());
    item(*w, "Map1")->trigger();
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get())) return nullptr;
    mapPanel(*w)->view()->repaint();
    return w;
}

// Through the slot that the tab widget of the window has, whichever widget it is.
void showTab(MainWindow& w, QWidget* tab) {
    QMetaObject::invokeMethod(w.findChild<QWidget*>(QStringLiteral("PageControl1")),
                              "setCurrentWidget", Q_ARG(QWidget*, tab));
}

QPoint pixelOf(MapView* view, double x, double y) {
    return {static_cast<int>(std::floor(view->viewport().toPixelX(x))),
            static_cast<int>(std::floor(view->viewport().toPixelY(y)))};
}

}  // namespace

class MapDockTest : public QObject {
    Q_OBJECT
private slots:
    void viewItemShowsTheMapAcrossRestarts();
    void pickShowsTheRowInItsTable_data();
    void pickShowsTheRowInItsTable();
    void followsADeleteOfScatteredRowsAndItsUndo();
    void exportWritesThePictureOrNamesTheFile();
    void pictureDialogAsksForAPng();
};

void MapDockTest::viewItemShowsTheMapAcrossRestarts() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QVERIFY(!mapDock(*w)->isVisibleTo(w.get()));  // hidden unless settings.ini says otherwise
    QCOMPARE(w->dockWidgetArea(mapDock(*w)), Qt::RightDockWidgetArea);
    const QStringList view = itemTexts(menuNamed(*w, QStringLiteral("View")));
    QCOMPARE(view.first(), QStringLiteral("Show Active Sections Only"));
    QCOMPARE(view.mid(view.indexOf(QStringLiteral("Section 15")), 3),
             (QStringList{QStringLiteral("Section 15"), QStringLiteral("-"), QStringLiteral("Map")}));
    QCOMPARE(readableText(item(*w, "Map1")->text()), QStringLiteral("Map"));
    QVERIFY(!item(*w, "Map1")->isChecked());

    item(*w, "Map1")->trigger();
    QVERIFY(mapDock(*w)->isVisibleTo(w.get()));
    QVERIFY(mapShownInSettings(folder));  // written at once
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QVERIFY(w->close());
    ScriptedPrompts again;
    auto second = startWindow(folder, again);
    QVERIFY(mapDock(*second)->isVisibleTo(second.get()));
    QVERIFY(item(*second, "Map1")->isChecked());

    // A write that fails changes nothing and says why.
    QFile::remove(folder.path(QStringLiteral("settings.ini")));
    QDir(folder.path()).mkdir(QStringLiteral("settings.ini"));
    item(*second, "Map1")->trigger();
    QVERIFY(item(*second, "Map1")->isChecked());
    QVERIFY(mapDock(*second)->isVisibleTo(second.get()));
    QCOMPARE(again.errors.size(), 1);
    QVERIFY2(again.errors[0].startsWith(QStringLiteral("Unable to write to ")),
             qPrintable(again.errors[0]));
    QDir(folder.path()).rmdir(QStringLiteral("settings.ini"));
    folder.copyShipped();
    // The dock's own close button counts as the View item.
    mapDock(*second)->close();
    QVERIFY(!item(*second, "Map1")->isChecked());
    QVERIFY(!mapShownInSettings(folder));
}

void MapDockTest::pickShowsTheRowInItsTable_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("filteringAfter");
    QTest::newRow("no filter") << QString() << false;
    QTest::newRow("filter keeps the row") << QStringLiteral("keeps") << true;
    QTest::newRow("filter hides the row") << QStringLiteral("hides") << false;
}

void MapDockTest::pickShowsTheRowInItsTable() {
    QFETCH(QString, filter);
    QFETCH(bool, filteringAfter);
    ProgramFolder folder;
    ScriptedPrompts prompts;
    auto w = windowWithMap(folder, prompts);
    QVERIFY(w);
    SectionPage& boxes = w->pages().page(kMapBoxSection);
    const int sampleRows = boxes.model->rowCount();
    // Rows of zeros after the sample's, and the table scrolled down to them.
    std::vector<int> added(200);
    std::iota(added.begin(), added.end(), sampleRows);
    boxes.model->insertRows(added, boxes.model->table().zeroRows(200));
    MapView* view = mapPanel(*w)->view();
    view->repaint();
    // A sample box whose left edge the map picks.
    int row = -1;
    QPoint pixel;
    for (int r = 0; r < sampleRows && row < 0; ++r) {
        const MapBox& b = mapPanel(*w)->scene()->boxes().boxes()[r];
        pixel = pixelOf(view, b.minX, (b.minY + b.maxY) / 2);
        const double scale = view->viewport().scale;
        const MapScene::Hit hit =
            mapPanel(*w)->scene()->pick(view->viewport().toMapX(pixel.x() + 0.5),
                                        view->viewport().toMapY(pixel.y() + 0.5), 6 / scale);
        if (hit.section == kMapBoxSection && hit.row == r) row = r;
    }
    QVERIFY(row >= 0);
    if (!filter.isEmpty()) {
        const bool keep = filter == QStringLiteral("keeps");
        // The added rows stay, so that the table has rows to scroll.
        const auto test = [=](int r) { return r == row ? keep : !keep || r >= sampleRows; };
        std::vector<int> kept;
        for (int r = 0; r < boxes.model->rowCount(); ++r)
            if (test(r)) kept.push_back(r);
        boxes.filter->setFilter(kept, test);
    }
    // The table scrolled away from the row, and section 0 in front.
    const auto rowShown = [&] {
        const int shown = boxes.filter->rowOf(row);
        return shown >= 0 && boxes.view->viewport()->rect().contains(
                                 boxes.view->visualRect(boxes.filter->index(shown, 1)));
    };
    const auto scrollAway = [&] {
        showTab(*w, boxes.tab);
        boxes.view->scrollToBottom();
        showTab(*w, w->pages().page(kMapPointSection).tab);
    };
    scrollAway();
    QVERIFY(!boxes.tab->isVisibleTo(w.get()));

    QTest::mouseClick(view, Qt::LeftButton, {}, pixel);
    QVERIFY(boxes.tab->isVisibleTo(w.get()));
    QCOMPARE(boxes.filter->isFiltering(), filteringAfter);
    QCOMPARE(boxes.selectedRows(), std::vector<int>{row});
    QCOMPARE(boxes.selectedRow(), row);
    QVERIFY(rowShown());
    // Picked again while it is the table's current row, its tab hidden from the View menu:
    // the tab comes back, and the table to the row.
    scrollAway();
    boxes.viewItem->trigger();
    QVERIFY(!rowShown());
    QTest::mouseClick(view, Qt::LeftButton, {}, pixel);
    QVERIFY(boxes.viewItem->isChecked());
    QVERIFY(boxes.tab->isVisibleTo(w.get()));
    QVERIFY(rowShown());
}

// Every other row deleted in one step comes as one reset: the map follows it, Undo and Redo.
void MapDockTest::followsADeleteOfScatteredRowsAndItsUndo() {
    ProgramFolder folder;
    ScriptedPrompts prompts;
    auto w = windowWithMap(folder, prompts);
    QVERIFY(w);
    MapView* view = mapPanel(*w)->view();
    const PointLayer& layer = mapPanel(*w)->scene()->points();
    const QImage before = view->picture();
    SectionPage& points = w->pages().page(kMapPointSection);
    std::vector<int> odd;
    for (int row = 1; row < points.model->rowCount(); row += 2)
        odd.push_back(row);
    points.selectRows(odd);
    w->rowCommands().deleteSelectedRows(kMapPointSection);
    // Pictures without selection marks, which would cover dots.
    const auto picture = [&] {
        points.selectRows({});
        return view->picture();
    };
    const QImage deleted = picture();
    QCOMPARE(layer.rowCount(), static_cast<int>(odd.size()));
    QVERIFY(deleted != before);
    QUndoStack& history = w->placementDocument().undoStack();
    history.undo();
    QCOMPARE(picture(), before);
    QCOMPARE(layer.rowCount(), static_cast<int>(2 * odd.size()));
    history.redo();
    QCOMPARE(picture(), deleted);
}

void MapDockTest::exportWritesThePictureOrNamesTheFile() {
    ProgramFolder folder;
    ScriptedPrompts prompts;
    auto w = windowWithMap(folder, prompts);
    QVERIFY(w);
    const QStringList file = itemTexts(menuNamed(*w, QStringLiteral("File")));
    const qsizetype import = file.indexOf(QStringLiteral("Import CSV into Section..."));
    QCOMPARE(file.value(import + 1), QStringLiteral("Export Map Picture..."));
    QCOMPARE(file.mid(file.size() - 2), (QStringList{QStringLiteral("-"), QStringLiteral("Exit")}));
    QAction* exportItem = item(*w, "ExportMapPicture1");
    QVERIFY(exportItem->isEnabled());

    const QString good = folder.path(QStringLiteral("map.png"));
    prompts.picturePaths << good;
    exportItem->trigger();
    QVERIFY2(prompts.errors.isEmpty(), qPrintable(prompts.errors.join(u'\n')));
    const QImage written(good);
    QCOMPARE(written.size(), mapPanel(*w)->view()->size());
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32),
             mapPanel(*w)->view()->picture().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(w->statusMessage(),
             QStringLiteral("Map picture saved to %1").arg(QDir::toNativeSeparators(good)));

    const QString bad = folder.path(QStringLiteral("no such folder/map.png"));
    prompts.picturePaths << bad << QString();  // then a cancelled question
    exportItem->trigger();
    exportItem->trigger();
    QCOMPARE(prompts.errors.size(), 1);
    QVERIFY2(prompts.errors[0].contains(QDir::toNativeSeparators(bad)),
             qPrintable(prompts.errors[0]));
    QVERIFY(!QFile::exists(bad));
    QVERIFY(w->statusMessage().endsWith(QDir::toNativeSeparators(good)));

    item(*w, "Map1")->trigger();  // the picture is the map as shown: none while hidden
    QVERIFY(!exportItem->isEnabled());
}

void MapDockTest::pictureDialogAsksForAPng() {
    QTemporaryDir folder;
    DialogPrompts prompts;
    QStringList filters;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        filters = dialog->nameFilters();
        dialog->selectFile(folder.filePath(QStringLiteral("north")));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QCOMPARE(prompts.askPicturePath(nullptr), folder.filePath(QStringLiteral("north.png")));
    QCOMPARE(filters, QStringList{QStringLiteral("PNG Pictures (*.png)")});
}

QTEST_MAIN(MapDockTest)
#include "mapdock_test.moc"
