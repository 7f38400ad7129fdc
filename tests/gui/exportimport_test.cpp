// File > Export and File > Import CSV into Section...: exact files out, checked rows in as one
// undoable step.

#include "documentjson.h"
#include "guitestsupport.h"
#include "placementfile.h"
#include "wrappingtabwidget.h"

#include <QAction>
#include <QBuffer>
#include <QUndoStack>
#include <QtTest>

using namespace varn;
using namespace varn::test;

namespace {

QStringList sectionTexts(const SectionTable& table) {
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << table.rowTexts(row);
    return texts;
}

}  // namespace

class ExportImportTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder_.copyShipped();
        prompts_ = {};
        window_ = startWindow(folder_, prompts_, sampleFile());
    }
    void cleanup() { window_.reset(); }

    void sectionGoesOutAndComesBackAppendedOrReplacing();
    void documentGoesOutAsJson();
    void badFilesChangeNothing();

private:
    void onSection(int section) {
        window_->findChild<WrappingTabWidget*>(QStringLiteral("PageControl1"))
            ->setCurrentWidget(window_->pages().page(section).tab);
    }
    void trigger(const char* name) { window_->findChild<QAction*>(QLatin1String(name))->trigger(); }

    ProgramFolder folder_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
};

void ExportImportTest::sectionGoesOutAndComesBackAppendedOrReplacing() {
    MainWindow& w = *window_;
    const SectionTable& table = w.document().table(8);
    const QStringList original = sectionTexts(table);
    onSection(8);
    prompts_.exportPath = folder_.path(QStringLiteral("strbig.csv"));
    trigger("Export1");
    QVERIFY(w.statusMessage().contains(u"exported"));

    prompts_.importPath = prompts_.exportPath;
    prompts_.importChoice = UserPrompts::ImportChoice::Append;
    trigger("ImportCsv1");
    QCOMPARE(prompts_.importRowsAsked, 5);
    QCOMPARE(sectionTexts(table), original + original);
    QCOMPARE(w.placementDocument().undoStack().undoText(),
             QStringLiteral("Import 5 Rows into Section 8"));
    w.placementDocument().undoStack().undo();
    QCOMPARE(sectionTexts(table), original);

    prompts_.importChoice = UserPrompts::ImportChoice::Replace;
    trigger("ImportCsv1");
    QCOMPARE(sectionTexts(table), original);
    QCOMPARE(w.placementDocument().undoStack().undoText(),
             QStringLiteral("Import 5 Rows in Place of Section 8"));
    QCOMPARE(w.pages().tabImage(8), 2);
    w.placementDocument().undoStack().undo();
    QVERIFY(!w.placementDocument().hasChanges());

    prompts_.importChoice = UserPrompts::ImportChoice::Cancel;
    trigger("ImportCsv1");
    QCOMPARE(w.placementDocument().undoStack().index(), 0);
}

void ExportImportTest::documentGoesOutAsJson() {
    prompts_.exportPath = folder_.path(QStringLiteral("map.json"));
    trigger("Export1");
    HashDictionary dictionary = window_->dictionary();
    Document read;
    AppendedTable table;
    QString error;
    QVERIFY2(readDocumentJsonFile(prompts_.exportPath, {}, dictionary, read, table, error),
             qPrintable(error));
    for (int section : sectionsInTabOrder())
        QCOMPARE(read.table(section).rowCount(), window_->document().table(section).rowCount());
    QCOMPARE(read.table(15).cellText(0, 1), window_->document().table(15).cellText(0, 1));

    // The file's name table goes along: the export is the tool's, and builds the file again.
    QVERIFY(table.has_value());
    Document loaded;
    AppendedTable loadedTable;
    QVERIFY(loadPlacementFile(sampleFile(), {.readHashTable = true}, dictionary, loaded, error,
                              nullptr, &loadedTable));
    QBuffer toolExport;
    toolExport.open(QIODevice::WriteOnly);
    QVERIFY(writeDocumentJson(loaded, loadedTable, toolExport, error));
    QCOMPARE(folder_.read(QStringLiteral("map.json")), toolExport.data());
    const QString built = folder_.path(QStringLiteral("built.wpl"));
    QVERIFY2(savePlacementFile(built, {}, read, dictionary, error, nullptr, &table),
             qPrintable(error));
    QFile sample(sampleFile());
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QCOMPARE(folder_.read(QStringLiteral("built.wpl")), sample.readAll());
}

void ExportImportTest::badFilesChangeNothing() {
    onSection(8);
    prompts_.exportPath = folder_.path(QStringLiteral("no such folder/x.csv"));
    trigger("Export1");
    QCOMPARE(prompts_.errors.size(), 1);
    QVERIFY(prompts_.errors[0].contains(QDir::toNativeSeparators(prompts_.exportPath)));

    prompts_.exportPath = folder_.path(QStringLiteral("strbig.csv"));
    trigger("Export1");
    QByteArray csv = folder_.read(QStringLiteral("strbig.csv"));
    csv.replace("lamp_harbor_02", "lamp harbor");  // a blank: the editor's name test refuses it
    folder_.write(QStringLiteral("bad.csv"), csv);
    prompts_.importPath = folder_.path(QStringLiteral("bad.csv"));
    prompts_.importChoice = UserPrompts::ImportChoice::Append;
    trigger("ImportCsv1");
    QCOMPARE(prompts_.errors.size(), 2);
    QVERIFY2(prompts_.errors[1].contains(u"line 2"), qPrintable(prompts_.errors[1]));
    QVERIFY(prompts_.errors[1].contains(u"Only 0-9, A-Z, a-z and _"));
    QCOMPARE(prompts_.importRowsAsked, -1);  // refused before the question
    QCOMPARE(window_->document().table(8).rowCount(), 5);
    QCOMPARE(window_->placementDocument().undoStack().count(), 0);
}

QTEST_MAIN(ExportImportTest)
#include "exportimport_test.moc"
