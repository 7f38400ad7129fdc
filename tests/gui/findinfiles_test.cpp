// File > Find in Files...: the dialog searches a folder's placement files (an .xpl among them,
// a malformed one skipped and named), fills its table as files are done, and opens a chosen hit
// in the window (after the unsaved-changes question) with the row selected and on the map; a
// search cut short by Cancel or by closing the dialog tells nothing afterwards.

#include "codepage.h"
#include "findinfilesdialog.h"
#include "findresultsmodel.h"
#include "guitestsupport.h"
#include "mappanel.h"
#include "mapview.h"
#include "namehash.h"
#include "problemfiles.h"

#include <QAction>
#include <QLabel>
#include <QCompleter>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace varn;
using namespace varn::test;

namespace {

const QString kModel = QStringLiteral("tower_find_test");
const QString kOther = QStringLiteral("bench_find_test");

QAction* item(MainWindow& w, const char* name) {
    return w.findChild<QAction*>(QLatin1String(name));
}
FindInFilesDialog* openDialog(MainWindow& w) {
    item(w, "FindInFiles1")->trigger();
    return w.findChild<FindInFilesDialog*>(QStringLiteral("FindInFilesDialog"));
}
template <typename T>
T* part(FindInFilesDialog* dialog, const char* name) {
    return dialog->findChild<T*>(QLatin1String(name));
}

// The folder: a.wpl places the model at rows 1 and 3, sub/B.XPL at row 0 (far away), c.wpl
// only the other model, broken.wpl is too short to be a placement file.
void writeFolder(const QTemporaryDir& dir) {
    QString error;
    QVERIFY2(writePlacementRows(dir.filePath(QStringLiteral("a.wpl")),
                                {{"1.0", "2.0", kOther}, {"10.0", "20.0", kModel},
                                 {"3.0", "4.0", kOther}, {"-30.0", "40.0", kModel, "7.5"}},
                                error),
             qPrintable(error));
    QVERIFY2(writePlacementRows(dir.filePath(QStringLiteral("sub/B.XPL")),
                                {{"900.0", "900.0", kModel}}, error),
             qPrintable(error));
    QVERIFY2(writePlacementRows(dir.filePath(QStringLiteral("c.wpl")), {{"5.0", "5.0", kOther}},
                                error),
             qPrintable(error));
    QFile broken(dir.filePath(QStringLiteral("broken.wpl")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a placement file");
}

QStringList hitTexts(FindInFilesDialog* dialog) {
    QStringList texts;
    const FindResultsModel& results = dialog->results();
    for (int row = 0; row < results.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < FindResultsModel::ColumnCount; ++column)
            cells << results.index(row, column).data().toString();
        texts << cells.join(u' ');
    }
    return texts;
}

bool search(FindInFilesDialog* dialog, const QString& folder, const QString& model,
            const QStringList& near = {}) {
    part<QLineEdit>(dialog, "FindFolder")->setText(QDir::toNativeSeparators(folder));
    part<QLineEdit>(dialog, "FindModel")->setText(model);
    const char* fields[] = {"FindX", "FindY", "FindRadius"};
    for (int i = 0; i < 3; ++i)
        part<QLineEdit>(dialog, fields[i])->setText(near.value(i));
    QTest::mouseClick(part<QPushButton>(dialog, "FindStart"), Qt::LeftButton);
    return QTest::qWaitFor([dialog] { return !dialog->isSearching(); }, 10000);
}

void chooseHit(FindInFilesDialog* dialog, int row, bool byKey) {
    auto* view = part<QTableView>(dialog, "FindResults");
    const QModelIndex index = dialog->results().index(row, FindResultsModel::ModelColumn);
    if (byKey) {
        view->setFocus();
        view->setCurrentIndex(index);
        QTest::keyClick(view, Qt::Key_Return);
    } else {
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QPoint at = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
}

}  // namespace

class FindInFilesTest : public QObject {
    Q_OBJECT
private slots:
    void findsTheModelInEveryReadableFile();
    void fieldsThatDoNotReadStartNothing_data();
    void fieldsThatDoNotReadStartNothing();
    void hitOpensItsFileWithTheRowSelected_data();
    void hitOpensItsFileWithTheRowSelected();
    void closingStopsTheSearch();
};

void FindInFilesTest::findsTheModelInEveryReadableFile() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QTemporaryDir dir;
    writeFolder(dir);
    FindInFilesDialog* dialog = openDialog(*w);
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Find in Files"));

    QVERIFY(search(dialog, dir.path(), kModel.toUpper()));  // a name matches in any case
    const QString sub = QDir::toNativeSeparators(QStringLiteral("sub/B.XPL"));
    // Neither the dictionary nor the files' tables name the model: its hash text stands.
    const QString model = hashText(nameHash(kModel));
    QCOMPARE(hitTexts(dialog),
             (QStringList{"a.wpl 0 1 " + model + " 10.0 20.0 0.0",
                          "a.wpl 0 3 " + model + " -30.0 40.0 7.5",
                          sub + " 0 0 " + model + " 900.0 900.0 0.0"}));
    auto* problems = part<QLabel>(dialog, "FindProblems");
    QVERIFY(problems->isVisibleTo(dialog));
    QVERIFY2(problems->text().startsWith(QStringLiteral("1 file was skipped:")),
             qPrintable(problems->text()));
    QVERIFY(problems->text().contains(QStringLiteral("broken.wpl")));
    QCOMPARE(part<QLabel>(dialog, "FindStatus")->text(), QStringLiteral("3 hits in 4 files."));
    QCOMPARE(part<QProgressBar>(dialog, "FindProgress")->value(), 4);
    QVERIFY(!part<QPushButton>(dialog, "FindCancel")->isEnabled());

    // By hash, near a point: only the hit within the radius; the skipped file is named anew.
    QVERIFY(search(dialog, dir.path(), hashText(nameHash(kModel)), {"-29", "41,0", "2.5"}));
    QCOMPARE(hitTexts(dialog), (QStringList{"a.wpl 0 3 " + model + " -30.0 40.0 7.5"}));
    QCOMPARE(problems->text().count(QStringLiteral("broken.wpl")), 1);
    QVERIFY(search(dialog, dir.path(), QString::number(nameHash(kModel))));
    QCOMPARE(dialog->results().rowCount(), 3);
    QVERIFY(search(dialog, dir.path(), QStringLiteral("no_such_model_here")));
    QCOMPARE(dialog->results().rowCount(), 0);
    QCOMPARE(part<QLabel>(dialog, "FindStatus")->text(), QStringLiteral("No hits in 4 files."));

    // Every control has a name for assistive technology.
    for (const char* name : {"FindFolder", "FindModel", "FindX", "FindY", "FindRadius",
                             "FindBrowse", "FindResults", "FindProgress"})
        QVERIFY2(!dialog->findChild<QWidget*>(QLatin1String(name))->accessibleName().isEmpty(),
                 name);
    // The names of the dictionary are offered as the model is typed.
    QCompleter* completer = part<QLineEdit>(dialog, "FindModel")->completer();
    QVERIFY(completer);
    const QString known = decodeWindows1252(w->dictionary().baseEntries.value(0).name);
    QVERIFY(completer->model()->match(completer->model()->index(0, 0), Qt::DisplayRole, known, 1,
                                      Qt::MatchExactly).size() == 1);
}

void FindInFilesTest::fieldsThatDoNotReadStartNothing_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("near");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    const QString nearMessage = QStringLiteral(
        "Give X, Y and a radius of 0 or more as numbers, or leave all three empty.");
    QTest::newRow("no folder") << "" << kModel << QStringList{}
                               << "Give the folder to search." << "FindFolder";
    QTest::newRow("no model") << "." << " " << QStringList{} << "Give a model name or a hash."
                              << "FindModel";
    QTest::newRow("X alone") << "." << kModel << QStringList{"1"} << nearMessage << "FindY";
    QTest::newRow("radius not a number") << "." << kModel << QStringList{"1", "2", "far"}
                                         << nearMessage << "FindRadius";
    QTest::newRow("negative radius") << "." << kModel << QStringList{"1", "2", "-1"}
                                     << nearMessage << "FindRadius";
}

void FindInFilesTest::fieldsThatDoNotReadStartNothing() {
    QFETCH(QString, folder);
    QFETCH(QString, model);
    QFETCH(QStringList, near);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    ProgramFolder program;
    program.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(program, prompts);
    QTemporaryDir dir;
    writeFolder(dir);
    FindInFilesDialog* dialog = openDialog(*w);
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QVERIFY(search(dialog, dir.path(), kModel));
    QCOMPARE(dialog->results().rowCount(), 3);
    QVERIFY(search(dialog, folder == u"." ? dir.path() : folder, model, near));
    QCOMPARE(part<QLabel>(dialog, "FindStatus")->text(), message);
    QCOMPARE(dialog->results().rowCount(), 3);  // the last hits stay
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
}

void FindInFilesTest::hitOpensItsFileWithTheRowSelected_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("double-click") << false;
    QTest::newRow("Return") << true;
}

void FindInFilesTest::hitOpensItsFileWithTheRowSelected() {
    QFETCH(bool, byKey);
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    item(*w, "Map1")->trigger();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    addRows(*w, 0);  // a change not saved
    QTemporaryDir dir;
    writeFolder(dir);
    FindInFilesDialog* dialog = openDialog(*w);
    QVERIFY(search(dialog, dir.path(), kModel));

    // Cancel at the question leaves the document as it was.
    prompts.unsavedChoice = UserPrompts::UnsavedChoice::Cancel;
    chooseHit(dialog, 2, byKey);
    QCOMPARE(prompts.unsavedQuestions, 1);
    QVERIFY(w->currentPath().isEmpty());
    QCOMPARE(w->document().table(0).rowCount(), 1);

    prompts.unsavedChoice = UserPrompts::UnsavedChoice::Discard;
    chooseHit(dialog, 2, byKey);
    QCOMPARE(prompts.unsavedQuestions, 2);
    QCOMPARE(QDir::fromNativeSeparators(w->currentPath()), dir.filePath(QStringLiteral("sub/B.XPL")));
    SectionPage& page = w->pages().page(0);
    QCOMPARE(page.selectedRows(), std::vector<int>{0});
    MapView* map = w->findChild<MapPanel*>(QStringLiteral("MapPanel"))->view();
    QVERIFY(map->viewport().visibleRect().contains(900.0, 900.0));

    // Another file; then a hit of the file open and unchanged is shown without reading it again.
    chooseHit(dialog, 1, byKey);
    QCOMPARE(QDir::fromNativeSeparators(w->currentPath()), dir.filePath(QStringLiteral("a.wpl")));
    QCOMPARE(page.selectedRows(), std::vector<int>{3});
    QVERIFY(map->viewport().visibleRect().contains(-30.0, 40.0));
    page.filter->setFilter({0}, [](int row) { return row == 0; });
    map->showArea({1000, 1000, 1100, 1100});
    const int undoSteps = w->placementDocument().undoStack().count();
    chooseHit(dialog, 0, byKey);
    QVERIFY(!page.filter->isFiltering());  // the filter hid the row
    QCOMPARE(page.selectedRows(), std::vector<int>{1});
    QCOMPARE(w->placementDocument().undoStack().count(), undoSteps);
    QVERIFY(map->viewport().visibleRect().contains(10.0, 20.0));
    QCOMPARE(map->viewport().visibleRect().width(), 100.0);  // the map's scale kept
    QCOMPARE(prompts.unsavedQuestions, 2);
    QCOMPARE(prompts.errors, QStringList{});
}

// Many files, the search stopped at once: by Cancel (the hits so far stay), by closing the
// dialog, and by the window going away while one runs.
void FindInFilesTest::closingStopsTheSearch() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QTemporaryDir dir;
    QString error;
    std::vector<PlacedRow> rows(300, PlacedRow{"1.0", "1.0", kModel});
    for (int i = 0; i < 120; ++i)
        QVERIFY2(writePlacementRows(dir.filePath(QStringLiteral("f%1.wpl").arg(i, 3, 10, QLatin1Char('0'))),
                                    rows, error),
                 qPrintable(error));
    FindInFilesDialog* dialog = openDialog(*w);
    part<QLineEdit>(dialog, "FindFolder")->setText(dir.path());
    part<QLineEdit>(dialog, "FindModel")->setText(kModel);

    dialog->find();
    QVERIFY(dialog->isSearching());
    QVERIFY(part<QPushButton>(dialog, "FindCancel")->isEnabled());
    QTest::mouseClick(part<QPushButton>(dialog, "FindCancel"), Qt::LeftButton);
    QVERIFY(!dialog->isSearching());
    const int kept = dialog->results().rowCount();
    QTest::qWait(50);
    QCOMPARE(dialog->results().rowCount(), kept);
    QVERIFY(part<QLabel>(dialog, "FindStatus")->text().startsWith(QStringLiteral("Cancelled:")));

    dialog->find();
    dialog->close();
    QVERIFY(!dialog->isSearching());
    const int afterClose = dialog->results().rowCount();
    QTest::qWait(50);
    QCOMPARE(dialog->results().rowCount(), afterClose);
    QVERIFY(afterClose < 120 * 300 || dialog->results().rowCount() == 120 * 300);

    // Run to the end once, then again with the window closed under it.
    QVERIFY(search(dialog, dir.path(), kModel));
    QCOMPARE(dialog->results().rowCount(), 120 * 300);
    dialog->find();
    w.reset();
}

QTEST_MAIN(FindInFilesTest)
#include "findinfiles_test.moc"
