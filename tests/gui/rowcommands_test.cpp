#include "guitestsupport.h"
#include "itemeditor.h"
#include "namehash.h"
#include "rowcommands.h"
#include "sectionpages.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include "wrappingtabwidget.h"
#include <QTableView>
#include <QtTest>
#include <QUndoStack>

#include <functional>

using namespace varn;
using namespace varn::test;

namespace {

// Runs what the test wants inside the modal editor the next command opens, then closes it
// with the button. The flag tells the test whether an editor was there to act on.
std::shared_ptr<bool> whenEditorOpens(std::function<void(QDialog*)> act,
                                      const char* button = "Button2") {
    auto opened = std::make_shared<bool>(false);
    QTimer::singleShot(0, [act, button, opened] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        *opened = true;
        act(dialog);
        if (dialog->isVisible()) dialog->findChild<QPushButton*>(QLatin1String(button))->click();
    });
    return opened;
}

QString cell(MainWindow& w, int section, int row, int cell) {
    return w.document().table(section).cellText(row, cell);
}

QString shownNumber(MainWindow& w, int section, int row) {
    return w.pages()
        .page(section)
        .model->data(w.pages().page(section).model->index(row, 0), Qt::DisplayRole)
        .toString();
}

QString tabText(MainWindow& w, int section) {
    auto* tabs = w.findChild<WrappingTabWidget*>(QStringLiteral("PageControl1"));
    return tabs->tabText(tabs->indexOf(w.pages().page(section).tab));
}

}  // namespace

class RowCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() {
        QCoreApplication::processEvents();  // a timer whose editor never opened goes here
        window_.reset();
    }
    void addThenCancelLeavesNoTrace();
    void addInSection0OpensTheEditorOnTheNewRow();
    void addInSection9FillsTheSideCells();
    void editCommitsAndMarksTheTab();
    void deleteRenumbersAndUndoRestoresTheRow();
    void deletingTheLastRowEmptiesTheTab();
    void contextMenuFollowsTheSelection();
    void doubleClickOpensTheEditor();

private:
    ProgramFolder folder_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
};

void RowCommandsTest::init() {
    folder_.copyShipped();
    window_ = startWindow(folder_, prompts_);
}

// The editor shows the new row while it is open; Cancel takes it out again and the history
// holds nothing of it.
void RowCommandsTest::addThenCancelLeavesNoTrace() {
    ProgramFolder commaFolder;
    commaFolder.write(QStringLiteral("settings.ini"),
                      "[Settings]\nsep=1\n[Section10]\nsect10cap=Section 10\n");
    ScriptedPrompts prompts;
    auto w = startWindow(commaFolder, prompts);
    QStringList cellsWhileOpen;
    QString captionWhileOpen;
    const auto opened = whenEditorOpens([&](QDialog*) {
        for (int c = 0; c < 6; ++c)
            cellsWhileOpen << cell(*w, 10, 0, c);
        captionWhileOpen = tabText(*w, 10);
    });
    w->rowCommands().addDefaultRow(10);
    QVERIFY(*opened);
    QCOMPARE(cellsWhileOpen, QStringList(6, QStringLiteral("0,0")));
    QCOMPARE(captionWhileOpen, QStringLiteral("[1] Section 10"));
    QCOMPARE(w->document().table(10).rowCount(), 0);
    QCOMPARE(w->placementDocument().undoStack().count(), 0);
    QCOMPARE(tabText(*w, 10), QStringLiteral("Section 10"));
    QCOMPARE(tabState(*w, 10), 0);
    QVERIFY(!w->placementDocument().hasChanges());
}

void RowCommandsTest::addInSection0OpensTheEditorOnTheNewRow() {
    MainWindow& w = *window_;
    addRows(w, 0, 5);
    QString shownIndex;
    int selectedWhileOpen = -1;
    const auto opened = whenEditorOpens([&](QDialog* dialog) {
        shownIndex = dialog->findChild<QLineEdit*>(QStringLiteral("LabeledEdit1"))->text();
        selectedWhileOpen = w.pages().page(0).selectedRow();
    }, "Button1");
    w.rowCommands().addDefaultRow(0);
    QVERIFY(*opened);
    QCOMPARE(shownIndex, QStringLiteral("5"));
    QCOMPARE(selectedWhileOpen, 5);
    QCOMPARE(shownNumber(w, 0, 5), QStringLiteral("5"));
    QCOMPARE(cell(w, 0, 5, 7), QStringLiteral("modelname"));
    QCOMPARE(cell(w, 0, 5, 12), QString::number(nameHash(u"modelname")));
    QCOMPARE(w.pages().page(0).selectedRow(), 5);  // still selected after the dialog
}

void RowCommandsTest::addInSection9FillsTheSideCells() {
    MainWindow& w = *window_;
    QStringList labels;
    const auto opened = whenEditorOpens([&](QDialog* dialog) {
        for (int j = 9; j <= 18; ++j)
            labels
                << dialog->findChild<QLabel*>(QStringLiteral("LabeledEdit%1Label").arg(j))->text();
    }, "Button1");
    w.rowCommands().addDefaultRow(9);
    QVERIFY(*opened);
    for (int k = 0; k < 10; ++k) {
        const QString name = QStringLiteral("modelname%1").arg(k + 1);
        QCOMPARE(cell(w, 9, 0, 9 + k), QString::number(nameHash(name)));
        QCOMPARE(cell(w, 9, 0, 19 + k), name);
        QCOMPARE(labels.value(k), QString::number(nameHash(name)));
    }
    QCOMPARE(cell(w, 9, 0, 7), QStringLiteral("[...]"));
}

void RowCommandsTest::editCommitsAndMarksTheTab() {
    MainWindow& w = *window_;
    QVERIFY(w.loadPlacementFile(sampleFile()));
    QCOMPARE(tabState(w, 4), 1);
    w.pages().page(4).selectRow(2);
    const auto opened = whenEditorOpens(
        [](QDialog* dialog) {
            auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("LabeledEdit2"));
            field->setText(QStringLiteral("7"));
        },
        "Button1");
    w.rowCommands().openRowEditor(4);
    QVERIFY(*opened);
    QCOMPARE(cell(w, 4, 2, 0), QStringLiteral("7.0"));
    QCOMPARE(tabState(w, 4), 2);
    QCOMPARE(w.pages()
                 .page(4)
                 .model->data(w.pages().page(4).model->index(2, 1), Qt::DisplayRole)
                 .toString(),
             QStringLiteral("7.0"));
    // A cancelled edit changes nothing.
    w.pages().page(2).selectRow(0);
    const auto opened1 = whenEditorOpens([](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("LabeledEdit2"))
            ->setText(QStringLiteral("99"));
    });
    w.rowCommands().openRowEditor(2);
    QVERIFY(*opened1);
    QCOMPARE(tabState(w, 2), 1);
    // OK without a change is no command either.
    const int commands = w.placementDocument().undoStack().count();
    const auto opened2 = whenEditorOpens([](QDialog*) {}, "Button1");
    w.rowCommands().openRowEditor(2);
    QVERIFY(*opened2);
    QCOMPARE(w.placementDocument().undoStack().count(), commands);
    QCOMPARE(tabState(w, 2), 1);
}

void RowCommandsTest::deleteRenumbersAndUndoRestoresTheRow() {
    MainWindow& w = *window_;
    addRows(w, 9, 10);
    for (int i = 0; i < 10; ++i)
        w.document().table(9).setCellText(i, 19, QStringLiteral("name_%1").arg(i));
    const QStringList third = w.document().table(9).rowTexts(3);
    w.pages().page(9).selectRow(3);
    w.rowCommands().deleteSelectedRows(9);
    QCOMPARE(w.document().table(9).rowCount(), 9);
    for (int row = 0; row < 9; ++row) {
        QCOMPARE(shownNumber(w, 9, row), QString::number(row));
        QCOMPARE(cell(w, 9, row, 19), QStringLiteral("name_%1").arg(row < 3 ? row : row + 1));
    }
    QCOMPARE(tabText(w, 9), QStringLiteral("[9] Section 9 (lodcull_*)"));
    QCOMPARE(tabState(w, 9), 2);
    QUndoStack& history = w.placementDocument().undoStack();
    QCOMPARE(history.undoText(), QStringLiteral("Delete Row 3 of Section 9"));
    history.undo();
    QCOMPARE(w.document().table(9).rowCount(), 10);
    QCOMPARE(w.document().table(9).rowTexts(3), third);
    for (int row = 0; row < 10; ++row)
        QCOMPARE(shownNumber(w, 9, row), QString::number(row));
    QCOMPARE(tabText(w, 9), QStringLiteral("[10] Section 9 (lodcull_*)"));
}

void RowCommandsTest::deletingTheLastRowEmptiesTheTab() {
    MainWindow& w = *window_;
    addRows(w, 15);
    w.pages().page(15).selectRow(0);
    w.rowCommands().deleteSelectedRows(15);
    QCOMPARE(tabText(w, 15), QStringLiteral("Section 15"));
    QCOMPARE(tabState(w, 15), 0);
    auto* tabs = w.findChild<WrappingTabWidget*>(QStringLiteral("PageControl1"));
    w.pages().showAllTabs();
    QVERIFY(tabs->isTabVisible(tabs->indexOf(w.pages().page(15).tab)));
    // Without a selected row, Delete does nothing at all.
    const int steps = w.placementDocument().undoStack().count();
    w.rowCommands().deleteSelectedRows(15);
    QCOMPARE(w.placementDocument().undoStack().count(), steps);
}

void RowCommandsTest::contextMenuFollowsTheSelection() {
    MainWindow& w = *window_;
    QMenu* menu = w.rowCommands().contextMenu(8);
    QCOMPARE(menu->objectName(), QStringLiteral("PopupMenu5"));
    const QList<QAction*> items = menu->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[0]->text(), QStringLiteral("Edit Item"));
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2]->text(), QStringLiteral("Add Item"));
    QCOMPARE(items[3]->text(), QStringLiteral("Delete Item"));
    QCOMPARE(items[0]->objectName(), QStringLiteral("EditItem4"));
    QCOMPARE(items[3]->objectName(), QStringLiteral("DeleteItem4"));
    QVERIFY(!items[0]->icon().isNull());

    QCursor::setPos(200, 150);
    w.rowCommands().showContextMenu(8);
    QVERIFY(!items[0]->isEnabled());
    QVERIFY(items[2]->isEnabled());
    QVERIFY(!items[3]->isEnabled());
    menu->hide();

    addRows(w, 8);
    w.pages().page(8).selectRow(0);
    w.rowCommands().showContextMenu(8);
    QVERIFY(items[0]->isEnabled());
    QVERIFY(items[3]->isEnabled());
    QCOMPARE(menu->pos(), QCursor::pos() + QPoint(15, 0));
    menu->hide();
}

void RowCommandsTest::doubleClickOpensTheEditor() {
    MainWindow& w = *window_;
    w.show();
    addRows(w, 2, 2);
    QTableView* view = w.pages().page(2).view;
    auto* tabs = w.findChild<WrappingTabWidget*>(QStringLiteral("PageControl1"));
    w.pages().showAllTabs();
    tabs->setCurrentWidget(w.pages().page(2).tab);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QString shownIndex;
    const auto opened = whenEditorOpens([&](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("TForm3"));
        shownIndex = dialog->findChild<QLineEdit*>(QStringLiteral("LabeledEdit1"))->text();
    });
    const QPoint second = view->visualRect(view->model()->index(1, 1)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, second);
    QVERIFY(*opened);
    QCOMPARE(shownIndex, QStringLiteral("1"));
    // A double-click that misses every row still edits the selected one.
    shownIndex.clear();
    const auto openedBelow = whenEditorOpens([&](QDialog* dialog) {
        shownIndex = dialog->findChild<QLineEdit*>(QStringLiteral("LabeledEdit1"))->text();
    });
    const QPoint below(second.x(), view->visualRect(view->model()->index(1, 1)).bottom() + 40);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, below);
    QVERIFY(*openedBelow);
    QCOMPARE(shownIndex, QStringLiteral("1"));
}

QTEST_MAIN(RowCommandsTest)
#include "rowcommands_test.moc"
