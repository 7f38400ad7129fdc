#include "bytes.h"
#include "guitestsupport.h"
#include "namehash.h"
#include "rowcommands.h"
#include "sectionpages.h"

#include <QDialog>

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include "wrappingtabwidget.h"
#include <QTableView>
#include <QTableWidget>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

using namespace varn;
using namespace varn::test;

namespace {

WrappingTabWidget* tabsOf(MainWindow& w) {
    return w.findChild<WrappingTabWidget*>(QStringLiteral("PageControl1"));
}

int tabIndex(MainWindow& w, const char* tab) {
    return tabsOf(w)->indexOf(w.findChild<QWidget*>(QLatin1String(tab)));
}
QString tabText(MainWindow& w, const char* tab) {
    return tabsOf(w)->tabText(tabIndex(w, tab));
}
bool tabVisible(MainWindow& w, const char* tab) {
    return tabsOf(w)->isTabVisible(tabIndex(w, tab));
}
bool itemChecked(MainWindow& w, const char* item) {
    return w.findChild<QAction*>(QLatin1String(item))->isChecked();
}
int state(MainWindow& w, int section) {
    return tabState(w, section);
}

// The picture a tab shows: "empty", "loaded" or "changed".
QString tabImage(MainWindow& w, const char* tab) {
    const QImage shown = tabsOf(w)->tabIcon(tabIndex(w, tab)).pixmap(16, 16).toImage();
    for (const char* name : {"tab-empty", "tab-loaded", "tab-changed"}) {
        const QString path = QStringLiteral(":/art/%1.png").arg(QLatin1String(name));
        if (!shown.isNull() && shown == QIcon(path).pixmap(16, 16).toImage()) return QLatin1String(name);
    }
    return QStringLiteral("none");
}

// Rows in sections 0 and 9 only.
QByteArray instancesAndLodCulls(int instances) {
    Bytes b;
    b.header(counts({{0, instances}, {9, 1}}), 9);
    for (int i = 0; i < instances; ++i)
        b.f32(static_cast<float>(i)).zeros(24).u32(nameHash(u"tree_oak_01")).zeros(16);
    b.zeros(388);
    return b.data;
}

QByteArray settingsIni(const QByteArray& generalLines) {
    return "[Settings]\n" + generalLines +
           "\n[Section0]\nsect0cap=Section 0 (Instance)\nCol1cap=Pos X\nCol1width=77\n";
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithoutSettingsAndHashes();
    void startsWithTheShippedSettings();
    void separatorAndHashTableFromTheSettings();
    void activeSectionsRuleAtStartAndAfterOpen();
    void viewItemsShowAndHideTabs();
    void tabCaptionsAndImagesThroughLoadSaveAndNew();
    void commandLineFileIsSavedBackWithoutAsking();
    void saveAsAndTheCurrentPath();
    void bigEndianDocumentIsSavedBigEndianUnderItsPath();
    void failedLoadLeavesTheWindowAsItWas();
    void failedSaveReportsAndKeepsTheChangedState();
    void unsavedChangesAreAskedAbout();
    void columnWidthsAreWrittenAtClose();
    void closeStillWorksWhenTheWidthsCannotBeWritten();
    void clientAreaAtFirstShow();
    void fileDialogsOfferBothByteOrders();
    void associationReportsInTheStatusBar();
};

void MainWindowTest::startsWithoutSettingsAndHashes() {
    ProgramFolder folder;
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QCOMPARE(prompts.errors.size(), 1);
    QVERIFY2(prompts.errors[0].startsWith(QStringLiteral("Cannot open file \"")),
             qPrintable(prompts.errors[0]));
    QVERIFY(prompts.errors[0].contains(QStringLiteral("hashes.dat")));
    QCOMPARE(w->windowTitle(), QStringLiteral("Varn Placement Editor 0.9"));
    QCOMPARE(w->decimalSeparator(), '.');
    QVERIFY(!w->writeHashTable());
    QVERIFY(w->dictionary().baseEntries.isEmpty());
    QVERIFY(!w->toolBar()->isHidden());  // shown unless the settings say otherwise
    // Without the key, "Show Active Sections Only" follows the tool bar's value: on.
    QVERIFY(w->activeSectionsOnly());
    QVERIFY(tabVisible(*w, "TabSheet1"));
    QVERIFY(!tabVisible(*w, "TabSheet4"));
    QCOMPARE(tabText(*w, "TabSheet1"), QString());
    auto* view = w->findChild<QTableView*>(QStringLiteral("ListView1"));
    QCOMPARE(view->horizontalHeader()->sectionSize(1), 0);
    QCOMPARE(w->document().version, 3u);
    // The creation steps after the failed hashes.dat all ran.
    QVERIFY(w->findChild<QWidget*>(QStringLiteral("StatusProgressBar")) != nullptr);
    QVERIFY(w->findChild<QDialog*>(QStringLiteral("TForm2")) != nullptr);
    QVERIFY(w->findChild<QDialog*>(QStringLiteral("TForm10")) != nullptr);
    QVERIFY(w->findChild<QDialog*>(QStringLiteral("TAboutBox")) != nullptr);
}

void MainWindowTest::startsWithTheShippedSettings() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QVERIFY2(prompts.errors.isEmpty(), qPrintable(prompts.errors.join('\n')));
    QVERIFY(w->dictionary().baseEntries.size() > 200);
    QVERIFY(w->writeHashTable());
    QCOMPARE(tabText(*w, "TabSheet1"), QStringLiteral("Section 0 (Instance)"));
    QCOMPARE(tabText(*w, "TabSheet9"), QStringLiteral("Section 9 (lodcull_*)"));
    auto* view = w->findChild<QTableView*>(QStringLiteral("ListView1"));
    QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("\u2116"));
    QCOMPARE(view->model()->headerData(8, Qt::Horizontal).toString(),
             QStringLiteral("Model name hash"));
    QVERIFY(view->horizontalHeader()->sectionSize(8) > 0);
    for (int column = 13; column < view->model()->columnCount(); ++column)
        QVERIFY(view->isColumnHidden(column));
    auto* panel = w->findChild<QLabel*>(QStringLiteral("StatusPanel0"));
    QCOMPARE(panel->text(), QStringLiteral("Varn Placement Editor 0.9"));
}

void MainWindowTest::separatorAndHashTableFromTheSettings() {
    ProgramFolder folder;
    folder.write(QStringLiteral("settings.ini"), settingsIni("sep=1\nwriteht=2\nShowToolBar=0\n"));
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QCOMPARE(w->decimalSeparator(), ',');
    QVERIFY(!w->writeHashTable());  // only exactly 1 turns it on
    QVERIFY(w->toolBar()->isHidden());
    QVERIFY(!w->activeSectionsOnly());  // follows ShowToolBar when its own key is missing
    QVERIFY(w->rowCommands().contextMenu(10) != nullptr);
    QVERIFY(w->loadPlacementFile(sampleFile()));
    QVERIFY(!w->document().table(10).cellText(0, 0).contains(u'.'));
}

void MainWindowTest::activeSectionsRuleAtStartAndAfterOpen() {
    ProgramFolder folder;
    folder.write(QStringLiteral("settings.ini"), settingsIni("ShowActiveTabsOnly=1\n"));
    folder.write(QStringLiteral("two.wpl"), instancesAndLodCulls(2));
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QVERIFY(tabVisible(*w, "TabSheet1"));
    QVERIFY(itemChecked(*w, "Section01"));
    QVERIFY(!itemChecked(*w, "Section21"));
    prompts.openPaths << folder.path(QStringLiteral("two.wpl"));
    w->openFile();
    const char* tabs[] = {"TabSheet1", "TabSheet4", "TabSheet7", "TabSheet3",
                          "TabSheet8", "TabSheet9", "TabSheet2", "TabSheet5"};
    const char* items[] = {"Section01", "Section21", "Section31",  "Section41",
                           "Section81", "Section91", "Section101", "Section151"};
    for (int i = 0; i < 8; ++i) {
        const bool expected = i == 0 || i == 5;
        QCOMPARE(tabVisible(*w, tabs[i]), expected);
        QCOMPARE(itemChecked(*w, items[i]), expected);
    }
    // A file with no rows at all shows the section 0 tab alone.
    folder.write(QStringLiteral("empty.wpl"), Bytes().header({}).data);
    prompts.openPaths << folder.path(QStringLiteral("empty.wpl"));
    w->openFile();
    QVERIFY(tabVisible(*w, "TabSheet1"));
    QVERIFY(!tabVisible(*w, "TabSheet9"));
}

void MainWindowTest::viewItemsShowAndHideTabs() {
    ProgramFolder folder;
    folder.write(QStringLiteral("settings.ini"), settingsIni("ShowActiveTabsOnly=1\n"));
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    auto* activeOnly = w->findChild<QAction*>(QStringLiteral("ShowActiveSectionsOnly1"));
    QVERIFY(activeOnly->isChecked());
    activeOnly->trigger();  // off: every tab shows, the section items keep their marks
    QVERIFY(!w->activeSectionsOnly());
    QVERIFY(tabVisible(*w, "TabSheet4"));
    QVERIFY(!itemChecked(*w, "Section21"));
    QVERIFY(folder.read(QStringLiteral("settings.ini")).contains("ShowActiveTabsOnly=0"));
    w->findChild<QAction*>(QStringLiteral("Section21"))->trigger();
    QVERIFY(itemChecked(*w, "Section21"));
    QVERIFY(tabVisible(*w, "TabSheet4"));
    w->findChild<QAction*>(QStringLiteral("Section21"))->trigger();
    QVERIFY(!tabVisible(*w, "TabSheet4"));
    activeOnly->trigger();
    QVERIFY(w->activeSectionsOnly());
    QVERIFY(!tabVisible(*w, "TabSheet4"));
}

void MainWindowTest::tabCaptionsAndImagesThroughLoadSaveAndNew() {
    ProgramFolder folder;
    folder.copyShipped();
    folder.write(QStringLiteral("two.wpl"), instancesAndLodCulls(2));
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QVERIFY(w->loadPlacementFile(folder.path(QStringLiteral("two.wpl"))));
    QCOMPARE(tabText(*w, "TabSheet1"), QStringLiteral("[2] Section 0 (Instance)"));
    QCOMPARE(tabText(*w, "TabSheet4"), QStringLiteral("Section 2"));
    QCOMPARE(state(*w, 0), 1);
    QCOMPARE(state(*w, 2), 0);
    QCOMPARE(tabImage(*w, "TabSheet1"), QStringLiteral("tab-loaded"));
    QCOMPARE(tabImage(*w, "TabSheet4"), QStringLiteral("tab-empty"));
    QCOMPARE(w->statusMessage(), QStringLiteral("Windows Placement File opened successfully!"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Varn Placement Editor 0.9 # ") +
                                   folder.path(QStringLiteral("two.wpl")));
    auto* grid = w->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("2"));
    QCOMPARE(grid->item(1, 9)->text(), QStringLiteral("1"));
    QCOMPARE(w->document().version, 9u);
    QCOMPARE(w->document().table(0).cellText(1, 7), QStringLiteral("tree_oak_01"));

    addRows(*w, 0);
    w->pages().refreshSectionTab(0);
    QCOMPARE(tabText(*w, "TabSheet1"), QStringLiteral("[3] Section 0 (Instance)"));
    QCOMPARE(tabImage(*w, "TabSheet1"), QStringLiteral("tab-changed"));
    const QString saved = folder.path(QStringLiteral("saved.wpl"));
    QVERIFY(w->savePlacementFile(saved));
    QCOMPARE(state(*w, 0), 1);
    QCOMPARE(tabImage(*w, "TabSheet1"), QStringLiteral("tab-loaded"));
    QCOMPARE(w->statusMessage(), QStringLiteral("Windows Placement File saved successfully!"));
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("3"));

    w->newDocument();
    QCOMPARE(tabText(*w, "TabSheet1"), QStringLiteral("Section 0 (Instance)"));
    QCOMPARE(state(*w, 0), 0);
    QCOMPARE(tabImage(*w, "TabSheet1"), QStringLiteral("tab-empty"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Varn Placement Editor 0.9"));
    QVERIFY(w->currentPath().isEmpty());
    QCOMPARE(w->document().version, 9u);  // New keeps the version of the last file
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("3"));  // and the header grid
    QCOMPARE(w->findChild<QTableView*>(QStringLiteral("ListView1"))->model()->rowCount(), 0);
}

void MainWindowTest::commandLineFileIsSavedBackWithoutAsking() {
    ProgramFolder folder;
    folder.copyShipped();
    folder.write(QStringLiteral("two.wpl"), instancesAndLodCulls(2));
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts, folder.path(QStringLiteral("two.wpl")));
    QCOMPARE(w->currentPath(), folder.path(QStringLiteral("two.wpl")));
    QCOMPARE(w->document().table(0).rowCount(), 2);
    QVERIFY(w->save());
    QVERIFY(prompts.savePathAskedWith.isEmpty());
    // A missing file on the command line is ignored without a word.
    ScriptedPrompts quiet;
    auto other = startWindow(folder, quiet, folder.path(QStringLiteral("missing.wpl")));
    QVERIFY(quiet.errors.isEmpty());
    QVERIFY(other->currentPath().isEmpty());
}

void MainWindowTest::saveAsAndTheCurrentPath() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    QVERIFY(!w->save());  // no path and the dialog cancelled: nothing happens
    QCOMPARE(prompts.savePathAskedWith.size(), 1);
    QVERIFY(!QFile::exists(folder.path(QStringLiteral("new.wpl"))));
    prompts.savePaths << folder.path(QStringLiteral("new.wpl"));
    QVERIFY(w->save());
    QCOMPARE(w->currentPath(), folder.path(QStringLiteral("new.wpl")));
    QCOMPARE(folder.read(QStringLiteral("new.wpl")).size(), 68);
    QVERIFY(w->save());
    QCOMPARE(prompts.savePathAskedWith.size(), 2);  // the second Save did not ask
    prompts.savePaths << folder.path(QStringLiteral("other.wpl"));
    QVERIFY(w->saveAs());
    QCOMPARE(prompts.savePathAskedWith.last(), folder.path(QStringLiteral("new.wpl")));
    QCOMPARE(w->currentPath(), folder.path(QStringLiteral("other.wpl")));
}

void MainWindowTest::bigEndianDocumentIsSavedBigEndianUnderItsPath() {
    ProgramFolder folder;
    folder.copyShipped();
    Bytes big(true);
    big.header(counts({{10, 1}}), 3).f32(1).f32(2).f32(3).f32(4).f32(5).f32(6);
    folder.write(QStringLiteral("map.xpl"), big.data);
    ScriptedPrompts prompts;
    prompts.openPaths << folder.path(QStringLiteral("map.xpl"));
    auto w = startWindow(folder, prompts);
    w->openFile();
    QCOMPARE(w->statusMessage(), QStringLiteral("Xenon Placement File opened successfully!"));
    QCOMPARE(w->currentPath(), folder.path(QStringLiteral("map.xpl")));
    QVERIFY(w->save());
    QCOMPARE(folder.read(QStringLiteral("map.xpl")), big.data);
}

void MainWindowTest::failedLoadLeavesTheWindowAsItWas() {
    ProgramFolder folder;
    folder.copyShipped();
    folder.write(QStringLiteral("two.wpl"), instancesAndLodCulls(2));
    folder.write(QStringLiteral("bad.wpl"), QByteArray(30, '\1'));
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts, folder.path(QStringLiteral("two.wpl")));
    const QString title = w->windowTitle();
    prompts.openPaths << folder.path(QStringLiteral("bad.wpl"));
    w->openFile();
    QCOMPARE(prompts.errors.size(), 1);
    QVERIFY(prompts.errors[0].contains(QStringLiteral("is truncated")));
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(w->currentPath(), folder.path(QStringLiteral("two.wpl")));
    QCOMPARE(w->document().table(0).rowCount(), 2);
    QCOMPARE(tabText(*w, "TabSheet1"), QStringLiteral("[2] Section 0 (Instance)"));
    QCOMPARE(w->statusMessage(), QStringLiteral(" "));
    QVERIFY(w->findChild<QWidget*>(QStringLiteral("StatusProgressBar"))->isHidden());
}

void MainWindowTest::failedSaveReportsAndKeepsTheChangedState() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    addRows(*w, 2);
    w->document().table(2).setCellText(0, 0, QStringLiteral("1,5"));
    QVERIFY(!w->savePlacementFile(folder.path(QStringLiteral("x.wpl"))));
    QCOMPARE(prompts.errors.size(), 1);
    QVERIFY(
        prompts.errors[0].contains(QStringLiteral("'1,5' is not a valid floating point value")));
    QVERIFY(!QFile::exists(folder.path(QStringLiteral("x.wpl"))));
    QCOMPARE(state(*w, 2), 2);
    QCOMPARE(w->statusMessage(), QStringLiteral(" "));
}

void MainWindowTest::unsavedChangesAreAskedAbout() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    w->newDocument();
    QCOMPARE(prompts.unsavedQuestions, 0);  // nothing changed: no question
    addRows(*w, 4);

    prompts.unsavedChoice = UserPrompts::UnsavedChoice::Cancel;
    w->newDocument();
    QCOMPARE(prompts.unsavedQuestions, 1);
    QCOMPARE(w->document().table(4).rowCount(), 1);
    prompts.openPaths << sampleFile();
    w->openFile();
    QCOMPARE(w->document().table(4).rowCount(), 1);
    QVERIFY(!w->close());

    prompts.unsavedChoice = UserPrompts::UnsavedChoice::Save;
    prompts.savePaths << folder.path(QStringLiteral("kept.wpl"));
    w->newDocument();
    QCOMPARE(w->document().table(4).rowCount(), 0);
    QCOMPARE(folder.read(QStringLiteral("kept.wpl")).size(), 68 + 44);

    addRows(*w, 4);
    prompts.unsavedChoice = UserPrompts::UnsavedChoice::Discard;
    QVERIFY(w->close());
}

void MainWindowTest::columnWidthsAreWrittenAtClose() {
    ProgramFolder folder;
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    auto* view = w->findChild<QTableView*>(QStringLiteral("ListView7"));
    view->setColumnWidth(3, 123);
    QVERIFY(w->close());
    const QByteArray ini = folder.read(QStringLiteral("settings.ini"));
    const qsizetype start = ini.indexOf("[Section10]");
    QVERIFY(start >= 0);
    const QByteArray section10 = ini.mid(start, ini.indexOf('[', start + 1) - start);
    QVERIFY(section10.contains("Col3width=123"));
    QVERIFY(section10.contains("Col6width=0"));  // every column of every table, changed or not
    QVERIFY(!section10.contains("Col7width"));
    QVERIFY(ini.contains("Col14width=0"));  // section 3 has fifteen columns
    // The next start brings the width back.
    ScriptedPrompts again;
    auto second = startWindow(folder, again);
    QCOMPARE(second->findChild<QTableView*>(QStringLiteral("ListView7"))->columnWidth(3), 123);
}

void MainWindowTest::closeStillWorksWhenTheWidthsCannotBeWritten() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    // A folder where the settings file should be: no one can write it, not even the superuser.
    QFile::remove(folder.path(QStringLiteral("settings.ini")));
    QDir(folder.path()).mkdir(QStringLiteral("settings.ini"));
    QVERIFY(w->close());
    QCOMPARE(prompts.errors.size(), 1);
    QVERIFY2(prompts.errors[0].startsWith(QStringLiteral("Unable to write to ")),
             qPrintable(prompts.errors[0]));
}

// Below the menu bar the window holds 962 x 678 pixels: tool bar, tabs and status bar.
void MainWindowTest::clientAreaAtFirstShow() {
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->width(), 962);
    QCOMPARE(w->height() - w->menuBar()->height(), 678);
}

// The real dialogs: Open shows every file with its last filter; Save As offers both layouts,
// the .xpl one first when the document is an .xpl file.
void MainWindowTest::fileDialogsOfferBothByteOrders() {
    DialogPrompts prompts;
    QStringList filters;
    QString selected;
    QString suffix;
    auto answer = [&] {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            filters = dialog->nameFilters();
            selected = dialog->selectedNameFilter();
            suffix = dialog->defaultSuffix();
            dialog->reject();
        });
    };
    answer();
    QVERIFY(prompts.askOpenPath(nullptr).isEmpty());
    QCOMPARE(filters.last(), QStringLiteral("All Files (*)"));
    answer();
    QVERIFY(prompts.askSavePath(nullptr, QString()).isEmpty());
    QCOMPARE(filters, QStringList({QStringLiteral("Windows Placement File (.wpl) (*.wpl)"),
                                   QStringLiteral("Xenon Placement File (.xpl) (*.xpl)")}));
    QCOMPARE(suffix, QStringLiteral("wpl"));
    answer();
    QVERIFY(prompts.askSavePath(nullptr, QStringLiteral("/tmp/map.xpl")).isEmpty());
    QCOMPARE(selected, filters.value(1));
    QCOMPARE(suffix, QStringLiteral("xpl"));
}

void MainWindowTest::associationReportsInTheStatusBar() {
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    ProgramFolder folder;
    folder.copyShipped();
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts);
    auto* item = w->findChild<QAction*>(QStringLiteral("AssociateWpl1"));
    // Where the system gives *.wpl to another type the command asks first: Yes.
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Yes)->click();
    });
    item->trigger();
    QCOMPARE(w->statusMessage(), QStringLiteral(".wpl files now open with this program."));
    item->trigger();
    QCOMPARE(w->statusMessage(), QStringLiteral(".wpl files already open with this program."));
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
