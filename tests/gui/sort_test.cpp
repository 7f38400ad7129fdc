// Sorting a table by a click on a column's caption: the shown order, the arrow, and every
// command acting on the rows as the file holds them, whatever the order shown.

#include "columnchange.h"
#include "editrowcommand.h"
#include "guitestsupport.h"
#include "rowchangecommand.h"
#include "rowcommands.h"

#include <QAction>
#include <QHeaderView>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>

using namespace varn;
using namespace varn::test;

namespace {

constexpr int kPosX = 0, kModel = 7;
constexpr int kPosXColumn = 1, kModelColumn = 8;

using Rows = std::vector<int>;

// Five rows: Pos X 3, -1, 2, 10, 2; model names b, A, c, a, B.
void fill(MainWindow& w) {
    addRows(w, 0, 5);
    const char* x[] = {"3.0", "-1.0", "2.0", "10.0", "2.0"};
    const char* names[] = {"b", "A", "c", "a", "B"};
    for (int row = 0; row < 5; ++row) {
        RowWrites writes{{kPosX, QString::fromLatin1(x[row])},
                         {kModel, QString::fromLatin1(names[row])}};
        QVERIFY(addNameHashWrites(*sectionLayout(0), writes));
        w.placementDocument().push(
            new EditRowCommand(w.placementDocument(), 0, row, std::move(writes)));
    }
}

// The file rows in the order the table shows them, as its row numbers say.
Rows shownRows(const SectionPage& page) {
    Rows rows;
    for (int row = 0; row < page.filter->rowCount(); ++row)
        rows.push_back(page.filter->index(row, 0).data().toInt());
    return rows;
}

QList<double> posX(MainWindow& w) {
    QList<double> values;
    for (int row = 0; row < w.document().table(0).rowCount(); ++row)
        values << w.document().table(0).cellText(row, kPosX).toDouble();
    return values;
}

// Clicks on a caption, as the user does.
void clickCaption(QTableView* view, int column) {
    QHeaderView* header = view->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class SortTest : public QObject {
    Q_OBJECT
private slots:
    void commandsActOnTheFileRows_data();
    void commandsActOnTheFileRows();
    void rowsFindTheirPlaceAsTheyChange();
    void savingKeepsTheFileOrder();
};

void SortTest::commandsActOnTheFileRows_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("command");
    QTest::addColumn<Rows>("order");           // shown, after the clicks
    QTest::addColumn<Rows>("selected");        // the file rows of the first two shown
    QTest::addColumn<QList<double>>("after");  // Pos X in file order after the command
    QTest::addColumn<Rows>("orderAfter");

    const Rows byX{1, 2, 4, 0, 3};
    QTest::newRow("Pos X, delete") << kPosXColumn << 1 << "delete" << byX << Rows{1, 2}
                                   << QList<double>{3, 10, 2} << Rows{2, 0, 1};
    QTest::newRow("Pos X descending, delete")
        << kPosXColumn << 2 << "delete" << Rows{3, 0, 2, 4, 1} << Rows{0, 3}
        << QList<double>{-1, 2, 2} << Rows{1, 2, 0};
    QTest::newRow("file order again, delete")
        << kPosXColumn << 3 << "delete" << Rows{0, 1, 2, 3, 4} << Rows{0, 1}
        << QList<double>{2, 10, 2} << Rows{0, 1, 2};
    QTest::newRow("names without case, delete")
        << kModelColumn << 1 << "delete" << Rows{1, 3, 0, 4, 2} << Rows{1, 3}
        << QList<double>{3, 2, 2} << Rows{0, 2, 1};
    // The changed rows move to their new places in the sorted view, still selected.
    QTest::newRow("Pos X, add 100") << kPosXColumn << 1 << "add" << byX << Rows{1, 2}
                                    << QList<double>{3, 99, 102, 10, 2} << Rows{4, 0, 3, 1, 2};
    QTest::newRow("Pos X, duplicate")
        << kPosXColumn << 1 << "duplicate" << byX << Rows{1, 2}
        << QList<double>{3, -1, 2, -1, 2, 10, 2} << Rows{1, 3, 2, 4, 6, 0, 5};
}

void SortTest::commandsActOnTheFileRows() {
    QFETCH(int, column);
    QFETCH(int, clicks);
    QFETCH(QString, command);
    QFETCH(Rows, order);
    QFETCH(Rows, selected);
    QFETCH(QList<double>, after);
    QFETCH(Rows, orderAfter);
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    fill(*w);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    SectionPage& page = w->pages().page(0);
    for (int i = 0; i < clicks; ++i)
        clickCaption(page.view, column);
    QCOMPARE(shownRows(page), order);
    QHeaderView* header = page.view->horizontalHeader();
    QCOMPARE(header->sortIndicatorSection(), clicks == 3 ? -1 : column);
    if (clicks < 3)
        QCOMPARE(header->sortIndicatorOrder(),
                 clicks == 1 ? Qt::AscendingOrder : Qt::DescendingOrder);
    page.view->selectionModel()->select(
        QItemSelection(page.filter->index(0, 0), page.filter->index(1, 0)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QCOMPARE(page.selectedRows(), selected);

    if (command == u"delete") {
        w->rowCommands().deleteSelectedRows(0);
    } else if (command == u"duplicate") {
        w->rowCommands().duplicateSelectedRows(0);
    } else {
        RowChange change;
        QString error;
        QVERIFY(planColumnChange(w->document().table(0), selected,
                                 {kPosX, ColumnOperation::Add, QStringLiteral("100"), {}}, change,
                                 error));
        const QString text = changeColumnText(QStringLiteral("Pos X"), change, 0);
        w->placementDocument().push(
            new RowChangeCommand(w->placementDocument(), 0, std::move(change), text));
        QCOMPARE(page.selectedRows(), selected);
    }
    QCOMPARE(posX(*w), after);
    QCOMPARE(shownRows(page), orderAfter);
    w->placementDocument().undoStack().undo();
    QCOMPARE(posX(*w), (QList<double>{3, -1, 2, 10, 2}));
    QCOMPARE(shownRows(page), order);
}

// Sorted and filtered at once: rows that come in by Add Item, or that an edit lets pass the
// filter, take their places in the order; Select All takes the kept rows only.
void SortTest::rowsFindTheirPlaceAsTheyChange() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    fill(*w);
    SectionPage& page = w->pages().page(0);
    page.filter->sort(kPosXColumn, Qt::DescendingOrder);
    const auto positive = [&w](int row) {
        return w->document().table(0).cellText(row, kPosX).toDouble() >= 0;
    };
    page.filter->setFilter({0, 2, 3, 4}, positive);
    QCOMPARE(shownRows(page), (Rows{3, 0, 2, 4}));
    addRows(*w, 0);  // Pos X 0: last
    QCOMPARE(shownRows(page), (Rows{3, 0, 2, 4, 5}));
    w->placementDocument().push(
        new EditRowCommand(w->placementDocument(), 0, 1, {{kPosX, QStringLiteral("5.0")}}));
    QCOMPARE(shownRows(page), (Rows{3, 1, 0, 2, 4, 5}));
    w->placementDocument().push(
        new EditRowCommand(w->placementDocument(), 0, 3, {{kPosX, QStringLiteral("-7.0")}}));
    QCOMPARE(shownRows(page), (Rows{1, 0, 2, 4, 5}));
    page.view->selectAll();
    QCOMPARE(page.selectedRows(), (Rows{0, 1, 2, 4, 5}));
    w->placementDocument().undoStack().undo();
    QCOMPARE(shownRows(page), (Rows{3, 1, 0, 2, 4, 5}));
    page.filter->clearFilter();
    QCOMPARE(shownRows(page), (Rows{3, 1, 0, 2, 4, 5}));
    page.filter->sort(-1);
    QCOMPARE(shownRows(page), (Rows{0, 1, 2, 3, 4, 5}));
}

void SortTest::savingKeepsTheFileOrder() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts, sampleFile());
    const QString plain = folder.path(QStringLiteral("plain.wpl"));
    const QString sorted = folder.path(QStringLiteral("sorted.wpl"));
    QVERIFY(w->savePlacementFile(plain));
    for (const SectionPage& page : w->pages().pages())
        page.filter->sort(page.model->visibleColumnCount() - 1, Qt::DescendingOrder);
    QVERIFY(w->pages().page(0).filter->sourceRow(0) != 0 ||
            w->pages().page(0).filter->sourceRow(1) != 1);
    QVERIFY(w->savePlacementFile(sorted));
    QCOMPARE(folder.read(QStringLiteral("sorted.wpl")), folder.read(QStringLiteral("plain.wpl")));
}

QTEST_MAIN(SortTest)
#include "sort_test.moc"
