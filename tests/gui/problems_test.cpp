// The Problems dock: shown from View, it lists the open document's problems and follows every
// command as a whole check of the document would, re-checking only the rows a change touched;
// New and Open rebuild it; a double-click or Return selects the problem's row in its tab.

#include "codepage.h"
#include "deleterowscommand.h"
#include "columnchange.h"
#include "editrowcommand.h"
#include "filterbar.h"
#include "guitestsupport.h"
#include "problemfiles.h"
#include "problems.h"
#include "problemsmodel.h"
#include "problemtracker.h"
#include "rowchangecommand.h"
#include "rowcommands.h"
#include "wrappingtabwidget.h"

#include <QAction>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>

using namespace varn;
using namespace varn::test;

namespace {

QAction* item(MainWindow& w, const char* name) {
    return w.findChild<QAction*>(QLatin1String(name));
}
QTableView* problemsTable(MainWindow& w) {
    return w.findChild<QTableView*>(QStringLiteral("ProblemsTable"));
}
ProblemsModel& problemsModel(MainWindow& w) {
    return *qobject_cast<ProblemsModel*>(problemsTable(w)->model());
}
ProblemTracker& tracker(MainWindow& w) {
    return *w.findChild<ProblemTracker*>();
}
QString countText(MainWindow& w) {
    return w.findChild<QLabel*>(QStringLiteral("ProblemCount"))->text();
}

// "section:row:code" of each problem the table lists, in its order.
QStringList listed(MainWindow& w) {
    QStringList problems;
    const ProblemsModel& model = problemsModel(w);
    for (int row = 0; row < model.rowCount(); ++row) {
        const Problem& p = model.problemAt(row);
        problems << QStringLiteral("%1:%2:%3").arg(p.section).arg(p.row).arg(p.code);
    }
    return problems;
}

// 40 rows of a known model, each on a spot of its own; row 1 at no number, rows 2 and 3 on the
// same spot.
QString writeFile(MainWindow& w, const QTemporaryDir& dir) {
    const QString model = decodeWindows1252(w.dictionary().baseEntries.value(0).name);
    std::vector<PlacedRow> rows;
    for (int row = 0; row < 40; ++row)
        rows.push_back({QString::number(row * 10) + QStringLiteral(".0"),
                        QString::number(row * 7) + QStringLiteral(".0"), model});
    rows[1].x = QStringLiteral("NAN");
    rows[3] = rows[2];
    const QString path = dir.filePath(QStringLiteral("problems.wpl"));
    QString error;
    if (!writePlacementRows(path, rows, error)) qWarning() << error;
    return path;
}

void push(MainWindow& w, QUndoCommand* command) {
    w.placementDocument().push(command);
}

void setCells(MainWindow& w, const std::vector<int>& rows, int cell, const QString& text) {
    RowChange change;
    QString error;
    QVERIFY2(planColumnChange(w.document().table(0), rows, {cell, ColumnOperation::Set, text, {}},
                              change, error),
             qPrintable(error));
    push(w, new RowChangeCommand(w.placementDocument(), 0, std::move(change), QStringLiteral("Set")));
}

// Every third row from 4 to 37: twelve runs, which leave or come in one reset.
std::vector<int> scatteredRows() {
    std::vector<int> rows;
    for (int row = 4; row < 38; row += 3)
        rows.push_back(row);
    return rows;
}

}  // namespace

class ProblemsTest : public QObject {
    Q_OBJECT
private slots:
    void followsEveryCommandAsAWholeCheck();
    void rowIsShownInItsTab_data();
    void rowIsShownInItsTab();
    void sortsByAColumnAcrossChanges();
};

void ProblemsTest::followsEveryCommandAsAWholeCheck() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QTemporaryDir files;
    const QString path = writeFile(*w, files);
    QVERIFY(w->openPath(path));

    // Hidden, nothing is checked and no count is shown.
    auto* dock = w->findChild<QDockWidget*>(QStringLiteral("ProblemsDock"));
    QVERIFY(!dock->isVisibleTo(w.get()));
    QVERIFY(!item(*w, "Problems1")->isChecked());
    QVERIFY(!w->findChild<QLabel*>(QStringLiteral("ProblemCount"))->isVisibleTo(w.get()));
    QCOMPARE(problemsModel(*w).rowCount(), 0);
    QCOMPARE(readableText(item(*w, "Problems1")->text()), QStringLiteral("Problems"));

    item(*w, "Problems1")->trigger();
    QVERIFY(dock->isVisibleTo(w.get()));
    QVERIFY(w->findChild<QLabel*>(QStringLiteral("ProblemCount"))->isVisibleTo(w.get()));
    QCOMPARE(listed(*w), (QStringList{"0:1:position-not-finite", "0:2:duplicate-placement",
                                      "0:3:duplicate-placement"}));
    QCOMPARE(countText(*w), QStringLiteral("3 problems"));
    const QModelIndex first = problemsModel(*w).index(0, ProblemsModel::LevelColumn);
    QCOMPARE(first.data().toString(), QStringLiteral("Error"));
    QCOMPARE(first.siblingAtColumn(ProblemsModel::SectionColumn).data().toString(), "0");
    QCOMPARE(first.siblingAtColumn(ProblemsModel::RowColumn).data().toString(), "1");
    QVERIFY(!first.siblingAtColumn(ProblemsModel::SentenceColumn).data().toString().isEmpty());

    PlacementDocument& document = w->placementDocument();
    const HashDictionary& names = w->dictionary();
    struct Step {
        const char* what;
        std::function<void()> run;
        QStringList expected;
        qint64 rowsChecked;  // at most; -1 when the step checks the whole section
    };
    const std::vector<Step> steps = {
        {"the position given a number",
         [&] { push(*w, new EditRowCommand(document, 0, 1, {{kPosXCell, "5.0"}})); },
         {"0:2:duplicate-placement", "0:3:duplicate-placement"}, 1},
        {"one twin moved away: the other loses its problem too",
         [&] { push(*w, new EditRowCommand(document, 0, 3, {{kPosXCell, "55.5"}})); },
         {}, 2},
        {"undone", [&] { document.undoStack().undo(); },
         {"0:2:duplicate-placement", "0:3:duplicate-placement"}, 2},
        {"a bulk edit of the first and the last row checks just those two",
         [&] { setCells(*w, {0, 39}, kPosYCell, QStringLiteral("NAN")); },
         {"0:0:position-not-finite", "0:2:duplicate-placement", "0:3:duplicate-placement",
          "0:39:position-not-finite"}, 2},
        {"a row deleted: those after it move up",
         [&] { push(*w, new DeleteRowsCommand(document, 0, {0})); },
         {"0:1:duplicate-placement", "0:2:duplicate-placement", "0:38:position-not-finite"}, 2},
        {"a twin duplicated: three of a kind",
         [&] {
             w->pages().page(0).selectRow(2);
             w->rowCommands().duplicateSelectedRows(0);
         },
         {"0:1:duplicate-placement", "0:2:duplicate-placement", "0:3:duplicate-placement",
          "0:39:position-not-finite"}, 3},
        {"scattered rows deleted in one reset",
         [&] { push(*w, new DeleteRowsCommand(document, 0, scatteredRows())); },
         {"0:1:duplicate-placement", "0:2:duplicate-placement", "0:3:duplicate-placement",
          "0:27:position-not-finite"}, 0},
        {"and put back: the rows that came in are checked", [&] { document.undoStack().undo(); },
         {"0:1:duplicate-placement", "0:2:duplicate-placement", "0:3:duplicate-placement",
          "0:39:position-not-finite"}, 12},
    };
    for (const Step& step : steps) {
        const qint64 before = tracker(*w).rowsRechecked();
        step.run();
        QCOMPARE(tracker(*w).problems(), checkPlacementFile(document.document(), &names));
        QVERIFY2(listed(*w) == step.expected, qPrintable(QString::fromLatin1(step.what) + QStringLiteral(": ") +
                                                          listed(*w).join(u' ')));
        QVERIFY2(tracker(*w).rowsRechecked() - before <= step.rowsChecked, step.what);
        QCOMPARE(countText(*w), step.expected.isEmpty()
                                    ? QStringLiteral("No problems")
                                    : QStringLiteral("%1 problems").arg(step.expected.size()));
    }

    // New and Open rebuild the list.
    prompts.unsavedChoice = UserPrompts::UnsavedChoice::Discard;
    w->newDocument();
    QCOMPARE(listed(*w), QStringList{});
    QCOMPARE(countText(*w), QStringLiteral("No problems"));
    QVERIFY(w->openPath(path));
    QCOMPARE(listed(*w).size(), 3);
    // Hidden again, the list is dropped.
    item(*w, "Problems1")->trigger();
    QCOMPARE(problemsModel(*w).rowCount(), 0);
    push(*w, new EditRowCommand(document, 0, 1, {{kPosXCell, "NAN"}}));
    QCOMPARE(tracker(*w).problems().size(), std::size_t{0});
}

void ProblemsTest::rowIsShownInItsTab_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("double-click") << false;
    QTest::newRow("Return") << true;
}

// Through a filter that hides the row and a View item that hid the tab.
void ProblemsTest::rowIsShownInItsTab() {
    QFETCH(bool, byKey);
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QTemporaryDir files;
    QVERIFY(w->openPath(writeFile(*w, files)));
    item(*w, "Problems1")->trigger();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));

    SectionPage& page = w->pages().page(0);
    page.filter->setFilter({5, 6}, [](int row) { return row == 5 || row == 6; });
    page.selectRow(5);
    page.viewItem->trigger();  // the tab hidden
    QVERIFY(!page.viewItem->isChecked());

    QTableView* table = problemsTable(*w);
    const int shown = problemsModel(*w).rowOf(0, 3, QStringLiteral("duplicate-placement"));
    QVERIFY(shown >= 0);
    const QModelIndex index = problemsModel(*w).index(shown, ProblemsModel::SentenceColumn);
    if (byKey) {
        table->setFocus();
        table->setCurrentIndex(index);
        QTest::keyClick(table, Qt::Key_Return);
    } else {
        table->scrollTo(index);
        const QPoint at = table->visualRect(index).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    }
    QVERIFY(page.viewItem->isChecked());
    QCOMPARE(w->findChild<WrappingTabWidget*>(QStringLiteral("PageControl1"))->currentWidget(),
             page.tab);
    QVERIFY(page.tab->isVisible());
    QVERIFY(!page.filter->isFiltering());
    QCOMPARE(page.selectedRows(), std::vector<int>{3});
    QCOMPARE(page.selectedRow(), 3);
    QCOMPARE(QApplication::focusWidget(), page.view);
    QCOMPARE(w->placementDocument().undoStack().count(), 0);  // no editor opened
}

void ProblemsTest::sortsByAColumnAcrossChanges() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QTemporaryDir files;
    QVERIFY(w->openPath(writeFile(*w, files)));
    item(*w, "Problems1")->trigger();
    QHeaderView* header = problemsTable(*w)->horizontalHeader();
    header->setSortIndicator(ProblemsModel::RowColumn, Qt::DescendingOrder);
    QCOMPARE(listed(*w), (QStringList{"0:3:duplicate-placement", "0:2:duplicate-placement",
                                      "0:1:position-not-finite"}));
    // Worst first by level, the check's order among equals.
    header->setSortIndicator(ProblemsModel::LevelColumn, Qt::AscendingOrder);
    QCOMPARE(listed(*w).first(), QStringLiteral("0:1:position-not-finite"));
    header->setSortIndicator(ProblemsModel::LevelColumn, Qt::DescendingOrder);
    QCOMPARE(listed(*w).last(), QStringLiteral("0:1:position-not-finite"));
    push(*w, new EditRowCommand(w->placementDocument(), 0, 20, {{kPosXCell, "INF"}}));
    QCOMPARE(listed(*w), (QStringList{"0:2:duplicate-placement", "0:3:duplicate-placement",
                                      "0:1:position-not-finite", "0:20:position-not-finite"}));
    header->setSortIndicator(-1, Qt::AscendingOrder);  // the check's order again
    QCOMPARE(listed(*w), (QStringList{"0:1:position-not-finite", "0:2:duplicate-placement",
                                      "0:3:duplicate-placement", "0:20:position-not-finite"}));
}

QTEST_MAIN(ProblemsTest)
#include "problems_test.moc"
