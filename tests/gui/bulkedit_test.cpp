// Edits of many rows at once in the window: Change Column and Move and Rotate driven through
// their dialogs, Cut, and a drag of the selected points on the map, each one step of the
// history; the map's heading ticks and tooltips.

#include "bulkeditmessages.h"
#include "cellvalues.h"
#include "editrowcommand.h"
#include "readabletext.h"
#include "guitestsupport.h"
#include "mapcells.h"
#include "mappanel.h"
#include "mapview.h"
#include "settingsfile.h"
#include "turnmath.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <QUndoStack>
#include <QtTest>

#include <functional>

using namespace varn;
using namespace varn::test;

namespace {

constexpr int kPosX = 0, kPosY = 1, kPosZ = 2, kRotZ = 5, kRotW = 6;

// Runs act inside the next modal dialog; the flag tells whether one opened.
std::shared_ptr<bool> whenDialogOpens(std::function<void(QDialog*)> act) {
    auto opened = std::make_shared<bool>(false);
    QTimer::singleShot(0, [act, opened] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        *opened = true;
        act(dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    return opened;
}

template <typename Widget>
Widget* part(QDialog* dialog, const char* name) {
    return dialog->findChild<Widget*>(QLatin1String(name));
}
void choose(QDialog* dialog, const char* box, const QString& text) {
    QComboBox* combo = part<QComboBox>(dialog, box);
    QVERIFY2(combo->findText(text) >= 0, qPrintable(text));
    combo->setCurrentIndex(combo->findText(text));
}
void type(QDialog* dialog, const char* field, const QString& text) {
    QLineEdit* edit = part<QLineEdit>(dialog, field);
    edit->clear();
    QTest::keyClicks(edit, text);
}
QString shown(QDialog* dialog, const char* label) {
    return part<QLabel>(dialog, label)->text();
}
QAction* item(MainWindow& w, const char* name) {
    return w.findChild<QAction*>(QLatin1String(name));
}
// The value a cell holds, exactly.
double number(MainWindow& w, int section, int row, int cell) {
    double value = std::nan("");
    (void)cellNumber(w.document().table(section), row, cell, value);
    return value;
}
// What a value becomes once stored in a float field.
double stored(double value) {
    return static_cast<float>(value);
}
void bringTab(MainWindow& w, int section) {
    SectionPage& page = w.pages().page(section);
    if (!page.viewItem->isChecked()) page.viewItem->trigger();
    QMetaObject::invokeMethod(w.findChild<QWidget*>(QStringLiteral("PageControl1")),
                              "setCurrentWidget", Q_ARG(QWidget*, page.tab));
}
// Rows given cell texts as an editor's OK does, one step each.
void edit(MainWindow& w, int section, int row, RowWrites writes) {
    QVERIFY(addNameHashWrites(*sectionLayout(section), writes));
    w.placementDocument().push(
        new EditRowCommand(w.placementDocument(), section, row, std::move(writes)));
}
MapPanel* mapPanel(MainWindow& w) {
    return w.findChild<MapPanel*>(QStringLiteral("MapPanel"));
}
QPoint pixelOf(MapView* view, double x, double y) {
    return {static_cast<int>(std::floor(view->viewport().toPixelX(x))),
            static_cast<int>(std::floor(view->viewport().toPixelY(y)))};
}

}  // namespace

class BulkEditTest : public QObject {
    Q_OBJECT
private slots:
    void changeColumnCountsRefusesAndIsOneStep();
    void moveAndRotateTurnsAndKeepsTheOrientationChoice();
    void boxesMoveButDoNotTurn();
    void cutCopiesAndDeletesInOneStep();
    void dragOfSelectedPointsMovesTheirRows();
    void ticksAndTooltipShowTheHeading();
};

void BulkEditTest::changeColumnCountsRefusesAndIsOneStep() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts, sampleFile());
    SectionPage& page = w->pages().page(0);
    const QStringList before = {w->document().table(0).cellText(1, kPosZ),
                                w->document().table(0).cellText(2, kPosZ),
                                w->document().table(0).cellText(3, kPosZ)};
    const double exact[] = {number(*w, 0, 1, kPosZ), number(*w, 0, 2, kPosZ),
                            number(*w, 0, 3, kPosZ)};
    const double rowZero = number(*w, 0, 0, kPosZ);
    page.selectRows({1, 2, 3});
    QStringList counts;
    QStringList messages;
    bool stayedOpen = false;
    const auto opened = whenDialogOpens([&](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("ChangeColumnDialog"));
        choose(dialog, "ChangeColumnColumn", QStringLiteral("Model name hash"));
        choose(dialog, "ChangeColumnOperation", QStringLiteral("Replace a name"));
        QVERIFY(part<QLineEdit>(dialog, "ChangeColumnReplaced")->isVisible());
        choose(dialog, "ChangeColumnColumn", QStringLiteral("Pos Z"));
        choose(dialog, "ChangeColumnOperation", QStringLiteral("Add"));
        QCOMPARE(dialog->focusWidget(), part<QLineEdit>(dialog, "ChangeColumnValue"));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Backtab);
        QCOMPARE(dialog->focusWidget(), part<QComboBox>(dialog, "ChangeColumnOperation"));
        QVERIFY(!part<QLineEdit>(dialog, "ChangeColumnReplaced")->isVisible());
        type(dialog, "ChangeColumnValue", QStringLiteral("1e39"));
        counts << shown(dialog, "ChangeColumnCount");
        messages << shown(dialog, "ChangeColumnMessage");
        QVERIFY(!part<QPushButton>(dialog, "ChangeColumnOk")->isEnabled());
        dialog->accept();  // refused: the dialog stays
        stayedOpen = dialog->isVisible();
        type(dialog, "ChangeColumnValue", QStringLiteral("0.5"));
        counts << shown(dialog, "ChangeColumnCount");
        messages << shown(dialog, "ChangeColumnMessage");
        part<QPushButton>(dialog, "ChangeColumnOk")->click();
    });
    item(*w, "ChangeColumn1")->trigger();
    QVERIFY(*opened);
    QVERIFY(stayedOpen);
    QCOMPARE(counts, (QStringList{QString(), QStringLiteral("3 rows will change")}));
    QVERIFY2(messages[0].startsWith(QStringLiteral("Row 1: Pos Z would become")) &&
                 messages[0].contains(QStringLiteral("beyond the range of a float")),
             qPrintable(messages[0]));
    QCOMPARE(messages[1], QString());
    for (int row = 1; row <= 3; ++row)
        QCOMPARE(number(*w, 0, row, kPosZ), stored(exact[row - 1] + 0.5));
    QCOMPARE(number(*w, 0, 0, kPosZ), rowZero);
    QCOMPARE(readableText(item(*w, "Undo1")->text()), QStringLiteral("Undo Change Pos Z of 3 Rows of Section 0"));
    QCOMPARE(tabState(*w, 0), 2);
    QCOMPARE(w->statusMessage(), QStringLiteral("3 rows changed."));
    w->placementDocument().undoStack().undo();
    for (int row = 1; row <= 3; ++row)
        QCOMPARE(w->document().table(0).cellText(row, kPosZ), before[row - 1]);
    QCOMPARE(tabState(*w, 0), 1);
    w->placementDocument().undoStack().redo();
    QCOMPARE(number(*w, 0, 2, kPosZ), stored(exact[1] + 0.5));
}

// Two rows on the axes, the second facing north: a quarter turn about the origin with the
// orientations read as the inverse rotation. The choice is kept in settings.ini.
void BulkEditTest::moveAndRotateTurnsAndKeepsTheOrientationChoice() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    addRows(*w, 0, 2);
    edit(*w, 0, 0, {{kPosX, QStringLiteral("10.0")}});
    edit(*w, 0, 1,
         {{kPosY, QStringLiteral("10.0")},
          {kRotZ, QStringLiteral("0.7071068")},
          {kRotW, QStringLiteral("0.7071068")}});
    w->pages().page(0).selectRows({0, 1});  // row 1 current
    QStringList headings;
    const auto opened = whenDialogOpens([&](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("MoveRotateDialog"));
        // Tab goes down the fields.
        QCOMPARE(dialog->focusWidget(), part<QLineEdit>(dialog, "MoveRotateOffsetX"));
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QCOMPARE(dialog->focusWidget(), part<QComboBox>(dialog, "MoveRotatePivot"));
        headings << shown(dialog, "MoveRotateHeading");
        choose(dialog, "MoveRotateOrientations", QStringLiteral("inverse"));
        headings << shown(dialog, "MoveRotateHeading");
        type(dialog, "MoveRotateDegrees", QStringLiteral("90"));
        choose(dialog, "MoveRotatePivot", QStringLiteral("a point"));
        type(dialog, "MoveRotatePointX", QStringLiteral("0"));
        type(dialog, "MoveRotatePointY", QStringLiteral("zero"));
        dialog->accept();
        headings << shown(dialog, "MoveRotateMessage");
        type(dialog, "MoveRotatePointY", QStringLiteral("0"));
        part<QPushButton>(dialog, "MoveRotateOk")->click();
    });
    item(*w, "MoveRotate1")->trigger();
    QVERIFY(*opened);
    QCOMPARE(headings, (QStringList{QStringLiteral("Heading of row 1: 90.0\u00b0"),
                                    QStringLiteral("Heading of row 1: 270.0\u00b0"),
                                    QStringLiteral("Point Y: \"zero\" is not a number.")}));
    QVERIFY(
        SettingsFile(folder.path(QStringLiteral("settings.ini")))
            .readBool(QStringLiteral("Settings"), QStringLiteral("InverseOrientations"), false));
    // (10, 0) → (0, 10), (0, 10) → (-10, 0); the stored inverse turns back to no rotation.
    QCOMPARE(number(*w, 0, 0, kPosX), 0.0);
    QCOMPARE(number(*w, 0, 0, kPosY), 10.0);
    QCOMPARE(number(*w, 0, 1, kPosX), -10.0);
    QCOMPARE(number(*w, 0, 1, kPosY), 0.0);
    QVERIFY(std::abs(number(*w, 0, 1, kRotZ)) < 1e-6);
    QVERIFY(std::abs(number(*w, 0, 1, kRotW) - 1) < 1e-6);
    QCOMPARE(readableText(item(*w, "Undo1")->text()), QStringLiteral("Undo Rotate 2 Rows of Section 0"));
    w->placementDocument().undoStack().undo();
    QCOMPARE(number(*w, 0, 1, kPosY), 10.0);
    QCOMPARE(w->document().table(0).cellText(1, kRotZ), QStringLiteral("0.7071068"));

    // A window started again reads the choice back.
    ScriptedPrompts again;
    auto second = startWindow(folder, again);
    addRows(*second, 0);
    second->pages().page(0).selectRows({0});
    QString storage;
    QString heading;
    whenDialogOpens([&](QDialog* dialog) {
        storage = part<QComboBox>(dialog, "MoveRotateOrientations")->currentText();
        heading = shown(dialog, "MoveRotateHeading");
    });
    item(*second, "MoveRotate1")->trigger();
    QCOMPARE(storage, QStringLiteral("inverse"));
    QCOMPARE(heading, QStringLiteral("Heading of row 0: not a unit rotation"));
}

void BulkEditTest::boxesMoveButDoNotTurn() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    addRows(*w, 9);
    addRows(*w, 2);
    w->pages().page(9).selectRows({0});
    QString refusal;
    const auto opened = whenDialogOpens([&](QDialog* dialog) {
        QVERIFY(!part<QComboBox>(dialog, "MoveRotateOrientations")->isEnabled());
        QVERIFY(!part<QLabel>(dialog, "MoveRotateHeading")->isVisible());
        type(dialog, "MoveRotateDegrees", QStringLiteral("30"));
        dialog->accept();
        refusal = shown(dialog, "MoveRotateMessage");
        type(dialog, "MoveRotateDegrees", QStringLiteral("0"));
        type(dialog, "MoveRotateOffsetX", QStringLiteral("5"));
        part<QPushButton>(dialog, "MoveRotateOk")->click();
    });
    bringTab(*w, 9);
    item(*w, "MoveRotate1")->trigger();
    QVERIFY(*opened);
    QCOMPARE(refusal, messages::boxesNotTurned());
    QCOMPARE(number(*w, 9, 0, 0), 5.0);  // both corners
    QCOMPARE(number(*w, 9, 0, 3), 5.0);
    QCOMPARE(readableText(item(*w, "Undo1")->text()), QStringLiteral("Undo Move Row 0 of Section 9"));
    // Other sections have nothing to move.
    w->pages().page(2).selectRows({0});
    bringTab(*w, 2);
    item(*w, "MoveRotate1")->trigger();
    QCOMPARE(prompts.errors, QStringList{messages::notMovableSection(2)});
}

void BulkEditTest::cutCopiesAndDeletesInOneStep() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts, sampleFile());
    SectionPage& page = w->pages().page(0);
    const int rows = page.model->rowCount();
    const QString fourth = w->document().table(0).cellText(4, kPosX);
    page.selectRows({2, 3});
    item(*w, "Copy1")->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    QGuiApplication::clipboard()->clear();
    item(*w, "Cut1")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(page.model->rowCount(), rows - 2);
    QCOMPARE(w->document().table(0).cellText(2, kPosX), fourth);
    QCOMPARE(page.selectedRows(), std::vector<int>{2});
    QCOMPARE(w->statusMessage(), QStringLiteral("2 rows cut."));
    QCOMPARE(readableText(item(*w, "Undo1")->text()), QStringLiteral("Undo Cut 2 Rows of Section 0"));
    QCOMPARE(
        item(*w, "Cut1")->shortcuts().value(0),
        QKeySequence::keyBindings(QKeySequence::Cut).value(0, QKeySequence(Qt::CTRL | Qt::Key_X)));
    const QList<QAction*> edit = qobject_cast<QMenu*>(item(*w, "Copy1")->parent())->actions();
    QCOMPARE(edit.value(edit.indexOf(item(*w, "Copy1")) - 1), item(*w, "Cut1"));
    w->placementDocument().undoStack().undo();
    QCOMPARE(page.model->rowCount(), rows);
    QCOMPARE(w->document().table(0).cellText(4, kPosX), fourth);
}

// The sample's points on the map: a drag from a selected point moves every selected row in X
// and Y as one step; Esc during a drag puts them back; a drag elsewhere pans.
void BulkEditTest::dragOfSelectedPointsMovesTheirRows() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts, sampleFile());
    item(*w, "Map1")->trigger();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    MapView* view = mapPanel(*w)->view();
    view->repaint();
    MapScene& scene = *mapPanel(*w)->scene();
    SectionPage& page = w->pages().page(0);
    // A point the map picks at its own pixel, and a second one to go along.
    int row = -1;
    QPoint pixel;
    const auto positions = scene.points().positions();
    for (int r = 0; r < page.model->rowCount() && row < 0; ++r) {
        pixel = pixelOf(view, positions[r].x, positions[r].y);
        const MapScene::Hit hit =
            scene.pick(view->viewport().toMapX(pixel.x() + 0.5),
                       view->viewport().toMapY(pixel.y() + 0.5), 6 / view->viewport().scale);
        if (hit.section == 0 && hit.row == r && view->rect().contains(pixel)) row = r;
    }
    QVERIFY(row >= 0);
    const int other = row == 0 ? 1 : 0;
    page.selectRows({std::min(row, other), std::max(row, other)});
    const auto cells = [&](int r) {
        return QList<double>{number(*w, 0, r, kPosX), number(*w, 0, r, kPosY),
                             number(*w, 0, r, kPosZ)};
    };
    const QList<double> rowBefore = cells(row);
    const QList<double> otherBefore = cells(other);
    const MapPoint shownBefore = positions[other];
    QUndoStack& history = w->placementDocument().undoStack();
    const double scale = view->viewport().scale;
    const QPoint way(30, -20);

    // Esc on the way, wherever the focus is (the table has an Esc of its own): the points go
    // back and nothing changes.
    QTest::mousePress(view, Qt::LeftButton, {}, pixel);
    QTest::mouseMove(view, pixel + way);
    QCOMPARE(scene.points().positions()[other].x, static_cast<float>(shownBefore.x + 30 / scale));
    QCOMPARE(cells(other), otherBefore);  // the table follows only at the release
    QTest::keyClick(page.view, Qt::Key_Escape);
    QTest::mouseRelease(view, Qt::LeftButton, {}, pixel + way);
    QCOMPARE(history.count(), 0);
    QCOMPARE(scene.points().positions()[other].x, shownBefore.x);
    QCOMPARE(scene.points().positions()[other].y, shownBefore.y);

    QTest::mousePress(view, Qt::LeftButton, {}, pixel);
    QTest::mouseMove(view, pixel + QPoint(10, 0));
    QTest::mouseMove(view, pixel + way);
    QTest::mouseRelease(view, Qt::LeftButton, {}, pixel + way);
    QCOMPARE(history.count(), 1);
    QCOMPARE(readableText(item(*w, "Undo1")->text()), QStringLiteral("Undo Move 2 Rows of Section 0"));
    for (const auto& [r, before] : {std::pair{row, rowBefore}, std::pair{other, otherBefore}}) {
        QCOMPARE(number(*w, 0, r, kPosX), stored(before[0] + 30 / scale));
        QCOMPARE(number(*w, 0, r, kPosY), stored(before[1] + 20 / scale));
        QCOMPARE(number(*w, 0, r, kPosZ), before[2]);
    }
    QCOMPARE(scene.points().positions()[other].x, static_cast<float>(number(*w, 0, other, kPosX)));
    history.undo();
    QCOMPARE(cells(row), rowBefore);
    QCOMPARE(cells(other), otherBefore);
    QCOMPARE(scene.points().positions()[other].x, shownBefore.x);

    // Away from every point a drag pans, as ever.
    const QPoint empty(2, 2);
    QVERIFY(!scene.pick(view->viewport().toMapX(2.5), view->viewport().toMapY(2.5), 6 / scale)
                 .isValid());
    const double centre = view->viewport().centreX;
    QTest::mousePress(view, Qt::LeftButton, {}, empty);
    QTest::mouseMove(view, empty + way);
    QTest::mouseRelease(view, Qt::LeftButton, {}, empty + way);
    QCOMPARE(view->viewport().centreX, centre - 30 / scale);
    QCOMPARE(history.count(), 1);
}

// A point facing north shows its tick above it, as stored; as the inverse, below it. The
// tooltip gives the heading.
void BulkEditTest::ticksAndTooltipShowTheHeading() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    addRows(*w, 0, 2);
    edit(*w, 0, 0, {{kRotZ, QStringLiteral("0.7071068")}, {kRotW, QStringLiteral("0.7071068")}});
    edit(*w, 0, 1, {{kPosX, QStringLiteral("100.0")}, {kRotW, QStringLiteral("1.0")}});
    item(*w, "Map1")->trigger();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    MapPanel* map = mapPanel(*w);
    MapView* view = map->view();
    view->fitToRows();
    const QPoint at = pixelOf(view, 0, 0);
    const auto darkAt = [&](const QImage& picture, QPoint offset) {
        return qGray(picture.pixel(at + offset)) < 100;
    };
    QImage picture = view->picture();
    QVERIFY(darkAt(picture, {0, -8}));
    QVERIFY(!darkAt(picture, {0, 8}));
    map->setOrientationStorage(OrientationStorage::Inverse);
    picture = view->picture();
    QVERIFY(!darkAt(picture, {0, -8}));
    QVERIFY(darkAt(picture, {0, 8}));

    map->setOrientationStorage(OrientationStorage::AsStored);
    QHelpEvent help(QEvent::ToolTip, at, view->mapToGlobal(at));
    QApplication::sendEvent(view, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY2(QToolTip::text().endsWith(QStringLiteral("Heading: 90.0\u00b0")),
             qPrintable(QToolTip::text()));
}

QTEST_MAIN(BulkEditTest)
#include "bulkedit_test.moc"
