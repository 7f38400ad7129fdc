// Working fast in big tables: the keys, the filter bar, copy and paste of rows, and the recent
// files, on the bundled sample.

#include "filterbar.h"
#include "guitestsupport.h"
#include "wrappingtabwidget.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>

using namespace varn;
using namespace varn::test;

namespace {

QAction* item(MainWindow& w, const char* name) {
    return w.findChild<QAction*>(QLatin1String(name));
}

int lodCount(const SectionTable& table, int lod) {
    int count = 0;
    for (int row = 0; row < table.rowCount(); ++row)
        count += table.cellText(row, 9) == QString::number(lod);
    return count;
}

}  // namespace

class FindCopyTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder_.copyShipped();
        prompts_ = {};
        window_ = startWindow(folder_, prompts_, sampleFile());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void itemsCarryThePlatformKeys_data();
    void itemsCarryThePlatformKeys();
    void tableKeysActOnTheSelectedRows();
    void filterBarFindsTextsAndComparisons();
    void copiedLodCullRowsPasteWithTheirNames();
    void badPasteChangesNothing_data();
    void badPasteChangesNothing();
    void recentFilesSurviveARestart();

private:
    ProgramFolder folder_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
};

void FindCopyTest::itemsCarryThePlatformKeys_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("key");
    const std::pair<const char*, QKeySequence::StandardKey> standard[] = {
        {"New1", QKeySequence::New},       {"Open1", QKeySequence::Open},
        {"Save1", QKeySequence::Save},     {"SaveAs2", QKeySequence::SaveAs},
        {"Exit1", QKeySequence::Quit},     {"Undo1", QKeySequence::Undo},
        {"Redo1", QKeySequence::Redo},     {"Find1", QKeySequence::Find},
        {"Copy1", QKeySequence::Copy},     {"Paste1", QKeySequence::Paste},
        {"SelectAll1", QKeySequence::SelectAll}, {"DeleteRows1", QKeySequence::Delete}};
    // Where the platform names no key for a command, the item has the usual one.
    for (const auto& [name, key] : standard)
        if (!QKeySequence::keyBindings(key).isEmpty())
            QTest::newRow(name) << name << QKeySequence::keyBindings(key).first();
    if (QKeySequence::keyBindings(QKeySequence::SaveAs).isEmpty())
        QTest::newRow("SaveAs2 usual") << "SaveAs2" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    QTest::newRow("EditRow1") << "EditRow1" << QKeySequence(Qt::Key_F2);
    QTest::newRow("AddRow1") << "AddRow1" << QKeySequence(Qt::Key_Insert);
    QTest::newRow("GoToRow1") << "GoToRow1" << QKeySequence(Qt::CTRL | Qt::Key_G);
    QTest::newRow("DuplicateRows1") << "DuplicateRows1" << QKeySequence(Qt::CTRL | Qt::Key_D);
}

void FindCopyTest::itemsCarryThePlatformKeys() {
    QFETCH(QString, name);
    QFETCH(QKeySequence, key);
    QAction* action = window_->findChild<QAction*>(name);
    QVERIFY2(action, qPrintable(name));
    QCOMPARE(action->shortcut(), key);
}

void FindCopyTest::tableKeysActOnTheSelectedRows() {
    MainWindow& w = *window_;
    SectionPage& page = w.pages().page(0);
    page.view->setFocus();
    page.selectRows({3, 4, 7});
    QTest::keyClick(page.view, Qt::Key_Delete);
    QCOMPARE(w.document().table(0).rowCount(), 37);
    QCOMPARE(w.placementDocument().undoStack().undoText(),
             QStringLiteral("Delete 3 Rows of Section 0"));
    item(w, "SelectAll1")->trigger();
    QCOMPARE(page.selectedRows().size(), std::size_t{37});
    page.selectRow(2);
    QTest::keyClick(page.view, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(w.document().table(0).rowCount(), 38);
    QCOMPARE(w.document().table(0).rowTexts(3), w.document().table(0).rowTexts(2));
}

void FindCopyTest::filterBarFindsTextsAndComparisons() {
    MainWindow& w = *window_;
    SectionPage& page = w.pages().page(0);
    FilterBar* bar = page.filterBar;
    QVERIFY(!bar->isVisible());
    item(w, "Find1")->trigger();
    QVERIFY(bar->isVisible());
    auto* text = bar->findChild<QLineEdit*>(QStringLiteral("FilterText"));
    auto* column = bar->findChild<QComboBox*>(QStringLiteral("FilterColumn"));
    auto* count = bar->findChild<QLabel*>(QStringLiteral("FilterCount"));
    auto* message = bar->findChild<QLabel*>(QStringLiteral("FilterMessage"));
    QCOMPARE(column->itemText(0), QStringLiteral("All columns"));
    QVERIFY(column->findText(QStringLiteral("LOD")) > 0);
    const SectionTable& table = w.document().table(0);

    // Typing waits for a pause, then finds.
    QTest::keyClicks(text, QStringLiteral("ROAD_STRIP"));
    QTRY_VERIFY(page.filter->isFiltering());
    for (int row = 0; row < page.filter->rowCount(); ++row)
        QVERIFY(table.cellText(page.filter->sourceRow(row), 7).contains(u"road_strip"));
    QCOMPARE(count->text(), QStringLiteral("%1 of 40 rows").arg(page.filter->rowCount()));

    column->setCurrentIndex(column->findText(QStringLiteral("LOD")));
    text->setText(QStringLiteral("= -1"));
    bar->applyNow();
    QCOMPARE(page.filter->rowCount(), lodCount(table, -1));
    // Another tab keeps its own filter: none.
    QVERIFY(!w.pages().page(9).filter->isFiltering());

    text->setText(QStringLiteral("<= 1x"));
    bar->applyNow();
    QVERIFY(!message->text().isEmpty());
    QCOMPARE(page.filter->rowCount(), 40);  // a bad number shows every row

    text->setText(QStringLiteral("=-1"));
    bar->applyNow();
    QVERIFY(message->text().isEmpty());
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
    QVERIFY(!page.filter->isFiltering());
}

void FindCopyTest::copiedLodCullRowsPasteWithTheirNames() {
    MainWindow& w = *window_;
    SectionPage& page = w.pages().page(9);
    SectionTable& table = w.document().table(9);
    const QStringList first = table.rowTexts(1);
    const QStringList second = table.rowTexts(4);
    w.findChild<WrappingTabWidget*>(QStringLiteral("PageControl1"))->setCurrentWidget(page.tab);
    page.selectRows({1, 4});
    item(w, "Copy1")->trigger();
    page.selectRows({});
    item(w, "Paste1")->trigger();
    QCOMPARE(table.rowCount(), 8);
    QCOMPARE(table.rowTexts(6), first);  // every cell, the ten names and hashes too
    QCOMPARE(table.rowTexts(7), second);
    QCOMPARE(page.selectedRows(), std::vector<int>({6, 7}));
    QCOMPARE(w.placementDocument().undoStack().undoText(),
             QStringLiteral("Paste 2 Rows into Section 9"));
    // A spreadsheet's rows: captions first, no hidden cells; the hashes follow the names.
    QGuiApplication::clipboard()->setText(
        QStringLiteral("X1\tY1\tZ1\tX2\tY2\tZ2\tunkn int\t[Hashes]\t[Modelnames]\n"
                       "1.5\t2\t3\t4\t5\t6\t7\t[...]\t[...]\n"));
    page.selectRow(0);
    item(w, "Paste1")->trigger();
    QCOMPARE(table.rowCount(), 9);
    QCOMPARE(table.cellText(1, 0), QStringLiteral("1.5"));
    QCOMPARE(table.cellText(1, 6), QStringLiteral("7"));
}

void FindCopyTest::badPasteChangesNothing_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing") << QString() << QStringLiteral("no rows");
    QTest::newRow("one word") << QStringLiteral("hello") << QStringLiteral("line 1 has 1 cell");
    QTest::newRow("bad cell") << QStringLiteral("1\t2\t3\t4\t5\tabc\n")
                              << QStringLiteral("Enter an floating-point value");
}

void FindCopyTest::badPasteChangesNothing() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    MainWindow& w = *window_;
    QGuiApplication::clipboard()->setText(text);
    w.pages().showAllTabs();
    const int steps = w.placementDocument().undoStack().count();
    QCOMPARE(w.pages().page(10).model->rowCount(), 5);
    auto* tabs = w.findChild<WrappingTabWidget*>(QStringLiteral("PageControl1"));
    tabs->setCurrentWidget(w.pages().page(10).tab);
    item(w, "Paste1")->trigger();
    QCOMPARE(w.pages().page(10).model->rowCount(), 5);
    QCOMPARE(w.placementDocument().undoStack().count(), steps);
    QCOMPARE(prompts_.errors.size(), 1);
    QVERIFY2(prompts_.errors[0].contains(expected), qPrintable(prompts_.errors[0]));
}

void FindCopyTest::recentFilesSurviveARestart() {
    const QString other = folder_.path(QStringLiteral("other.wpl"));
    QVERIFY(window_->savePlacementFile(other));
    window_.reset();
    window_ = startWindow(folder_, prompts_);
    QMenu* recent = window_->findChild<QAction*>(QStringLiteral("RecentFiles1"))->menu();
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().size(), 2);
    QVERIFY(recent->actions()[0]->text().endsWith(other));  // newest first
    QVERIFY(recent->actions()[1]->text().endsWith(QFileInfo(sampleFile()).fileName()));
    recent->actions()[1]->trigger();
    QCOMPARE(window_->currentPath(), QFileInfo(sampleFile()).absoluteFilePath());
    QVERIFY(QFile::remove(other));
    emit recent->aboutToShow();
    recent->actions()[1]->trigger();  // the removed file is now second
    QCOMPARE(prompts_.notices.size(), 1);
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().size(), 1);
}

QTEST_MAIN(FindCopyTest)
#include "findcopy_test.moc"
