// The document's history: every change of rows is a step that can be undone, and whether the
// document differs from the file follows from the steps, emptied sections included.

#include "deleterowscommand.h"
#include "editrowcommand.h"
#include "guitestsupport.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>
#include <QtTest>

#include <numeric>

using namespace varn;
using namespace varn::test;

namespace {

void deleteRows(MainWindow& w, int section, std::vector<int> rows) {
    w.placementDocument().push(
        new DeleteRowsCommand(w.placementDocument(), section, std::move(rows)));
}

void deleteAllRows(MainWindow& w, int section) {
    std::vector<int> rows(static_cast<std::size_t>(w.document().table(section).rowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    deleteRows(w, section, rows);
}

QStringList allTexts(const Document& d) {
    QStringList texts;
    for (const SectionTable& t : d.tables())
        for (int row = 0; row < t.rowCount(); ++row)
            texts << t.rowTexts(row);
    return texts;
}

QAction* editItem(MainWindow& w, int position) {
    QMenu* edit = w.menuBar()->actions().at(1)->menu();
    return edit->actions().at(position);
}

}  // namespace

class HistoryTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder_.copyShipped();
        prompts_ = {};
        window_ = startWindow(folder_, prompts_, sampleFile());
    }
    void cleanup() { window_.reset(); }

    void emptiedSectionStillAsksBeforeNew();
    void undoBackToTheSavedStateIsClean();
    void newStepAfterUndoingPastTheSaveStaysChanged();
    void undoItemsNameTheStepAndLoadsClearTheHistory();
    void xplWrittenByTheWindowReadsBackEqual();

private:
    ProgramFolder folder_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
};

void HistoryTest::emptiedSectionStillAsksBeforeNew() {
    MainWindow& w = *window_;
    QVERIFY(w.document().table(2).rowCount() > 0);
    deleteAllRows(w, 2);
    QCOMPARE(tabState(w, 2), 0);
    QVERIFY(w.placementDocument().isSectionChanged(2));
    prompts_.unsavedChoice = UserPrompts::UnsavedChoice::Cancel;
    w.newDocument();
    QCOMPARE(prompts_.unsavedQuestions, 1);
    QVERIFY(!w.placementDocument().undoStack().isClean());  // Cancel keeps everything
    QVERIFY(!w.close());
    QCOMPARE(prompts_.unsavedQuestions, 2);
}

void HistoryTest::undoBackToTheSavedStateIsClean() {
    MainWindow& w = *window_;
    PlacementDocument& document = w.placementDocument();
    const QStringList loaded = allTexts(w.document());
    document.push(new EditRowCommand(document, 4, 1, {{0, QStringLiteral("7.0")}}));
    deleteRows(w, 0, {0, 2});
    QCOMPARE(tabState(w, 4), 2);
    QCOMPARE(tabState(w, 0), 2);
    QCOMPARE(tabState(w, 2), 1);
    document.undoStack().undo();
    document.undoStack().undo();
    QCOMPARE(allTexts(w.document()), loaded);
    QCOMPARE(tabState(w, 4), 1);
    QCOMPARE(tabState(w, 0), 1);
    QVERIFY(!document.hasChanges());
    QVERIFY(w.close());
    QCOMPARE(prompts_.unsavedQuestions, 0);

    // Saving keeps the history: undoing past the save makes the document differ again.
    document.undoStack().redo();
    QVERIFY(w.savePlacementFile(folder_.path(QStringLiteral("saved.wpl"))));
    QCOMPARE(tabState(w, 4), 1);
    QVERIFY(document.undoStack().canUndo());
    document.undoStack().undo();
    QCOMPARE(tabState(w, 4), 2);
    document.undoStack().redo();
    QVERIFY(!document.hasChanges());
}

// Saved, undone past the save, then a new step: the undone step can no longer be redone, so
// its section differs from the file even once the new step is undone too.
void HistoryTest::newStepAfterUndoingPastTheSaveStaysChanged() {
    MainWindow& w = *window_;
    PlacementDocument& document = w.placementDocument();
    deleteRows(w, 3, {0});
    QVERIFY(w.savePlacementFile(folder_.path(QStringLiteral("saved.wpl"))));
    document.undoStack().undo();
    deleteRows(w, 4, {0});
    document.undoStack().undo();
    QVERIFY(document.isSectionChanged(3));
    QVERIFY(!document.isSectionChanged(4));
    QCOMPARE(tabState(w, 3), 2);
    QVERIFY(w.savePlacementFile(folder_.path(QStringLiteral("saved.wpl"))));
    QVERIFY(!document.hasChanges());
}

void HistoryTest::undoItemsNameTheStepAndLoadsClearTheHistory() {
    MainWindow& w = *window_;
    QAction* undo = editItem(w, 0);
    QAction* redo = editItem(w, 1);
    QCOMPARE(undo->objectName(), QStringLiteral("Undo1"));
    QCOMPARE(redo->objectName(), QStringLiteral("Redo1"));
    QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    QCOMPARE(redo->shortcuts().first(), QKeySequence::keyBindings(QKeySequence::Redo).first());
    QVERIFY(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    // The menu's own items stay last, in their order.
    const QList<QAction*> items = w.menuBar()->actions().at(1)->menu()->actions();
    QCOMPARE(readableText(items.at(items.size() - 2)->text()), QStringLiteral("Settings"));
    QCOMPARE(readableText(items.last()->text()),
             QStringLiteral("Associate .wpl files with this program"));

    deleteRows(w, 0, {17});
    QCOMPARE(readableText(undo->text()), QStringLiteral("Undo Delete Row 17 of Section 0"));
    undo->trigger();
    QCOMPARE(readableText(redo->text()), QStringLiteral("Redo Delete Row 17 of Section 0"));
    QVERIFY(!undo->isEnabled());
    redo->trigger();
    deleteRows(w, 9, {0, 1});
    QCOMPARE(readableText(undo->text()), QStringLiteral("Undo Delete 2 Rows of Section 9"));

    // A failed load leaves the history; a successful one and New clear it.
    folder_.write(QStringLiteral("bad.wpl"), QByteArray(10, '\0'));
    QVERIFY(!w.loadPlacementFile(folder_.path(QStringLiteral("bad.wpl"))));
    QCOMPARE(w.placementDocument().undoStack().count(), 2);
    QVERIFY(w.loadPlacementFile(sampleFile()));
    QCOMPARE(w.placementDocument().undoStack().count(), 0);
    QVERIFY(!undo->isEnabled());
    deleteRows(w, 0, {0});
    prompts_.unsavedChoice = UserPrompts::UnsavedChoice::Discard;
    w.newDocument();
    QCOMPARE(w.placementDocument().undoStack().count(), 0);
}

void HistoryTest::xplWrittenByTheWindowReadsBackEqual() {
    MainWindow& w = *window_;
    const QStringList sample = allTexts(w.document());
    const QString big = folder_.path(QStringLiteral("map.XPL"));
    QVERIFY(w.savePlacementFile(big));
    QCOMPARE(w.statusMessage(), QStringLiteral("Xenon Placement File saved successfully!"));
    QVERIFY(w.loadPlacementFile(big));
    QCOMPARE(w.statusMessage(), QStringLiteral("Xenon Placement File opened successfully!"));
    QCOMPARE(allTexts(w.document()), sample);
    const QString little = folder_.path(QStringLiteral("map.wpl"));
    QVERIFY(w.savePlacementFile(little));
    QVERIFY(w.loadPlacementFile(little));
    QCOMPARE(allTexts(w.document()), sample);
    QVERIFY(folder_.read(QStringLiteral("map.wpl")) != folder_.read(QStringLiteral("map.XPL")));
    QCOMPARE(folder_.read(QStringLiteral("map.wpl")).left(4), QByteArray("\3\0\0\0", 4));
}

QTEST_MAIN(HistoryTest)
#include "history_test.moc"
