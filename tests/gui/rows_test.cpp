// Several rows at once, through a filter: the rows named are the right ones, in one step each.

#include "deleterowscommand.h"
#include "editrowcommand.h"
#include "guitestsupport.h"
#include "rowcommands.h"

#include <QTableView>
#include <QUndoStack>
#include <QtTest>

using namespace varn;
using namespace varn::test;

namespace {

// Section 10 rows whose first cell is their number: "0.0", "1.0", ...
void numberedRows(MainWindow& w, int count) {
    addRows(w, 10, count);
    for (int row = 0; row < count; ++row)
        w.document().table(10).setCellText(row, 0, QString::number(row) + QStringLiteral(".0"));
}

QStringList firstCells(MainWindow& w) {
    QStringList texts;
    const SectionTable& table = w.document().table(10);
    for (int row = 0; row < table.rowCount(); ++row)
        texts << table.cellText(row, 0);
    return texts;
}

// What the view shows in its row-number column.
QStringList shownNumbers(const SectionPage& page) {
    QStringList numbers;
    for (int row = 0; row < page.filter->rowCount(); ++row)
        numbers << page.filter->index(row, 0).data().toString();
    return numbers;
}

// Keeps the rows whose first cell's number is even.
RowFilterModel::RowTest evenFirstCell(MainWindow& w) {
    return [&w](int row) {
        return static_cast<int>(w.document().table(10).cellText(row, 0).toFloat()) % 2 == 0;
    };
}

std::vector<int> passing(MainWindow& w, const RowFilterModel::RowTest& test) {
    std::vector<int> rows;
    for (int row = 0; row < w.document().table(10).rowCount(); ++row)
        if (test(row)) rows.push_back(row);
    return rows;
}

}  // namespace

class RowsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder_.copyShipped();
        prompts_ = {};
        window_ = startWindow(folder_, prompts_);
        numberedRows(*window_, 30);
    }
    void cleanup() { window_.reset(); }

    void filteredDeleteRemovesTheRightRows();
    void manyScatteredRowsGoAndComeBackInOneStep();
    void filterFollowsEditsAndNewRows();
    void duplicateAndGoToRow();

private:
    ProgramFolder folder_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
};

void RowsTest::filteredDeleteRemovesTheRightRows() {
    MainWindow& w = *window_;
    SectionPage& page = w.pages().page(10);
    const auto test = evenFirstCell(w);
    page.filter->setFilter(passing(w, test), test);
    QCOMPARE(page.filter->rowCount(), 15);
    QCOMPARE(shownNumbers(page).mid(0, 3), QStringList({"0", "2", "4"}));  // file positions
    // Shown rows 1 and 2 are rows 2 and 4 of the section.
    page.view->selectionModel()->select(
        QItemSelection(page.filter->index(1, 0), page.filter->index(2, 0)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QCOMPARE(page.selectedRows(), std::vector<int>({2, 4}));
    const QStringList before = firstCells(w);
    w.rowCommands().deleteSelectedRows(10);
    QStringList expected = before;
    expected.removeAt(4);
    expected.removeAt(2);
    QCOMPARE(firstCells(w), expected);
    QCOMPARE(page.filter->rowCount(), 13);
    QCOMPARE(shownNumbers(page).mid(0, 3), QStringList({"0", "4", "6"}));  // renumbered
    QCOMPARE(w.placementDocument().undoStack().undoText(),
             QStringLiteral("Delete 2 Rows of Section 10"));
    w.placementDocument().undoStack().undo();
    QCOMPARE(firstCells(w), before);
    QCOMPARE(page.filter->rowCount(), 15);
}

// More scattered rows than the views are told of one by one: the filter still follows.
void RowsTest::manyScatteredRowsGoAndComeBackInOneStep() {
    MainWindow& w = *window_;
    SectionPage& page = w.pages().page(10);
    const auto test = evenFirstCell(w);
    page.filter->setFilter(passing(w, test), test);
    const QStringList before = firstCells(w);
    std::vector<int> everyThird;
    for (int row = 0; row < 30; row += 3)
        everyThird.push_back(row);
    w.placementDocument().push(new DeleteRowsCommand(w.placementDocument(), 10, everyThird));
    QCOMPARE(w.document().table(10).rowCount(), 20);
    QCOMPARE(page.filter->rowCount(), static_cast<int>(passing(w, test).size()));
    for (int row = 0; row < page.filter->rowCount(); ++row)
        QVERIFY(test(page.filter->sourceRow(row)));
    w.placementDocument().undoStack().undo();
    QCOMPARE(firstCells(w), before);
    QCOMPARE(page.filter->rowCount(), 15);
    QCOMPARE(shownNumbers(page).last(), QStringLiteral("28"));
}

void RowsTest::filterFollowsEditsAndNewRows() {
    MainWindow& w = *window_;
    SectionPage& page = w.pages().page(10);
    const auto test = evenFirstCell(w);
    page.filter->setFilter(passing(w, test), test);
    PlacementDocument& document = w.placementDocument();
    document.push(new EditRowCommand(document, 10, 3, {{0, QStringLiteral("8.0")}}));
    QCOMPARE(page.filter->rowOf(3), 2);  // joins between rows 2 and 4
    document.push(new EditRowCommand(document, 10, 4, {{0, QStringLiteral("7.0")}}));
    QCOMPARE(page.filter->rowOf(4), -1);  // leaves
    QCOMPARE(page.filter->rowCount(), 15);
    addRows(w, 10);  // "0.0" passes
    QCOMPARE(page.filter->rowOf(30), 15);
    // Selecting a row the filter hides shows every row again.
    page.selectRow(5);
    QVERIFY(!page.filter->isFiltering());
    QCOMPARE(page.selectedRow(), 5);
}

void RowsTest::duplicateAndGoToRow() {
    MainWindow& w = *window_;
    SectionPage& page = w.pages().page(10);
    page.selectRows({1, 3});
    w.rowCommands().duplicateSelectedRows(10);
    QCOMPARE(w.document().table(10).rowCount(), 32);
    QCOMPARE(firstCells(w).mid(3, 3), QStringList({"3.0", "1.0", "3.0"}));
    QCOMPARE(page.selectedRows(), std::vector<int>({4, 5}));
    QCOMPARE(w.placementDocument().undoStack().undoText(),
             QStringLiteral("Duplicate 2 Rows of Section 10"));
    w.placementDocument().undoStack().undo();
    QCOMPARE(w.document().table(10).rowCount(), 30);

    prompts_.rowNumber = 17;
    w.rowCommands().goToRow(10);
    QCOMPARE(prompts_.rowAskedUpTo, 29);
    QCOMPARE(page.selectedRows(), std::vector<int>({17}));
    prompts_.rowNumber = -1;  // cancelled
    w.rowCommands().goToRow(10);
    QCOMPARE(page.selectedRow(), 17);
    prompts_.rowNumber = 999;  // past the end: refused, not cut to a row that exists
    w.rowCommands().goToRow(10);
    QCOMPARE(page.selectedRow(), 17);
    QCOMPARE(prompts_.notices.value(0),
             QStringLiteral("There is no row 999: the rows are 0 to 29."));
}

QTEST_MAIN(RowsTest)
#include "rows_test.moc"
