// What the user sees when the file system refuses: a clear message naming the file and the
// cause, the old file whole, the document unchanged, and a program that runs on.

#include "faultinjection.h"
#include "guitestsupport.h"
#include "sectionpages.h"

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

using namespace varn;
using namespace varn::test;

namespace {

// A document of about 200 kB with changes in two sections.
void fillDocument(MainWindow& w) {
    addRows(w, 0, 3000);
    addRows(w, 9, 200);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { window_.reset(); }
    void saveIntoAReadOnlyFolder();
    void saveOntoAFolder();
    void saveAfterTheFolderWasRemoved();
    void saveCutShortByAFileSizeLimit();
    void saveOntoAFullFileSystem();
    void settingsReadOnlyAtClose();
    void settingsReadOnlyWhenAViewItemWrites();
    void hashesFileIsAFolder();
    void openOfAFileRemovedAfterTheDialog();

private:
    // The save must fail with a message starting so, leave the old bytes and keep working.
    void expectFailedSave(const QString& path, const QByteArray& oldBytes, const QString& start);

    ProgramFolder folder_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
    QTemporaryDir work_;
};

void FaultsTest::init() {
    folder_.copyShipped();
    prompts_ = {};
    window_ = startWindow(folder_, prompts_);
    fillDocument(*window_);
}

void FaultsTest::expectFailedSave(const QString& path, const QByteArray& oldBytes,
                                  const QString& start) {
    MainWindow& w = *window_;
    prompts_.errors.clear();
    QVERIFY(!w.savePlacementFile(path));
    QCOMPARE(prompts_.errors.size(), 1);
    const QString& message = prompts_.errors[0];
    QVERIFY2(message.startsWith(start), qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    QVERIFY(!w.statusMessage().contains(QStringLiteral("successfully")));
    QCOMPARE(contents(path), oldBytes);
    QVERIFY(w.placementDocument().hasChanges());
    QVERIFY(w.findChild<QWidget*>(QStringLiteral("StatusProgressBar"))->isHidden());
    // And the program runs on: the next save to a sound place works.
    const QString elsewhere = work_.filePath(QStringLiteral("elsewhere.wpl"));
    QVERIFY(w.savePlacementFile(elsewhere));
    QCOMPARE(QFileInfo(elsewhere).size(), 68 + 3000 * 48 + 200 * 388 + 4 + 28);
}

void FaultsTest::saveIntoAReadOnlyFolder() {
    const QString dir = work_.filePath(QStringLiteral("readonly"));
    SmallFileSystem fileSystem(dir, 1024);
    const QString path = dir + QStringLiteral("/old.wpl");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old bytes");
    old.close();
    if (!makeFolderReadOnly(dir, &fileSystem))
        QSKIP(
            "this machine can make no folder read-only for this user (no mount, running as root)");
    expectFailedSave(path, "old bytes", QStringLiteral("Cannot create file"));
    QFile::setPermissions(dir,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void FaultsTest::saveOntoAFolder() {
    const QString path = work_.filePath(QStringLiteral("a folder.wpl"));
    QVERIFY(QDir().mkdir(path));
    expectFailedSave(path, "<missing>", QStringLiteral("Cannot create file"));
    QVERIFY(QFileInfo(path).isDir());
}

void FaultsTest::saveAfterTheFolderWasRemoved() {
    MainWindow& w = *window_;
    const QString dir = work_.filePath(QStringLiteral("gone"));
    QVERIFY(QDir().mkdir(dir));
    const QString path = dir + QStringLiteral("/map.wpl");
    QVERIFY(QFile::copy(sampleFile(), path));
    prompts_.openPaths << path;
    prompts_.unsavedChoice = UserPrompts::UnsavedChoice::Discard;
    w.openFile();
    QCOMPARE(w.currentPath(), path);
    addRows(w, 2);
    QVERIFY(QDir(dir).removeRecursively());
    prompts_.errors.clear();
    QVERIFY(!w.save());
    QCOMPARE(prompts_.errors.size(), 1);
    QVERIFY2(prompts_.errors[0].startsWith(QStringLiteral("Cannot create file \"") +
                                           QDir::toNativeSeparators(path)),
             qPrintable(prompts_.errors[0]));
    QVERIFY(!QFileInfo::exists(dir));
    QVERIFY(w.placementDocument().hasChanges());
    QCOMPARE(w.currentPath(), path);
}

void FaultsTest::saveCutShortByAFileSizeLimit() {
    if (!FileSizeLimit::kAvailable) QSKIP("no file-size limit of a process here");
    const QString path = work_.filePath(QStringLiteral("limited.wpl"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("the old file");
    old.close();
    {
        FileSizeLimit limit(100000);  // within section 0
        MainWindow& w = *window_;
        prompts_.errors.clear();
        QVERIFY(!w.savePlacementFile(path));
        QCOMPARE(prompts_.errors.size(), 1);
        QVERIFY2(prompts_.errors[0].startsWith(QStringLiteral("Cannot write file")),
                 qPrintable(prompts_.errors[0]));
        QVERIFY(prompts_.errors[0].contains(QStringLiteral("left unchanged")));
        QVERIFY2(prompts_.errors[0].contains(QStringLiteral("File too large")),
                 qPrintable(prompts_.errors[0]));
    }
    QCOMPARE(contents(path), QByteArray("the old file"));
    QCOMPARE(QDir(work_.path()).entryList({QStringLiteral("limited.wpl*")}, QDir::Files),
             QStringList{QStringLiteral("limited.wpl")});
    expectFailedSave(work_.filePath(QStringLiteral("no such folder/x.wpl")), "<missing>",
                     QStringLiteral("Cannot create file"));
}

void FaultsTest::saveOntoAFullFileSystem() {
    const QString dir = work_.filePath(QStringLiteral("small"));
    SmallFileSystem fileSystem(dir, 64);
    if (!fileSystem.mounted()) QSKIP("no tmpfs can be mounted here (needs the superuser)");
    const QString path = dir + QStringLiteral("/full.wpl");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(20000, 'o'));
    old.close();
    expectFailedSave(path, QByteArray(20000, 'o'), QStringLiteral("Cannot write file"));
    QVERIFY2(prompts_.errors[0].contains(QStringLiteral("No space left on device")),
             qPrintable(prompts_.errors[0]));
    QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("full.wpl")});
}

void FaultsTest::settingsReadOnlyAtClose() {
    const QString dir = work_.filePath(QStringLiteral("program"));
    SmallFileSystem fileSystem(dir, 1024);
    QVERIFY(QFile::copy(folder_.path(QStringLiteral("settings.ini")),
                        dir + QStringLiteral("/settings.ini")));
    QVERIFY(QFile::copy(folder_.path(QStringLiteral("hashes.dat")),
                        dir + QStringLiteral("/hashes.dat")));
    const QByteArray before = contents(dir + QStringLiteral("/settings.ini"));
    ScriptedPrompts prompts;
    QStringList arguments{QStringLiteral("varn-placement-editor")};
    MainWindow w(programFilesIn(dir), prompts, arguments);
    w.createDialogs();
    QFile::setPermissions(dir + QStringLiteral("/settings.ini"), QFileDevice::ReadOwner);
    if (!makeFolderReadOnly(dir, &fileSystem))
        QSKIP(
            "this machine can make no folder read-only for this user (no mount, running as root)");
    QVERIFY(w.close());  // the window closes all the same
    QCOMPARE(prompts.errors.size(), 1);
    QCOMPARE(prompts.errors[0],
             QStringLiteral("Unable to write to ") +
                 QDir::toNativeSeparators(dir + QStringLiteral("/settings.ini")));
    QCOMPARE(contents(dir + QStringLiteral("/settings.ini")), before);
    QFile::setPermissions(dir,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void FaultsTest::settingsReadOnlyWhenAViewItemWrites() {
    MainWindow& w = *window_;
    QFile::remove(folder_.path(QStringLiteral("settings.ini")));
    QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("settings.ini")));  // unwritable for anyone
    auto* item = w.findChild<QAction*>(QStringLiteral("ShowActiveSectionsOnly1"));
    const bool before = w.activeSectionsOnly();
    prompts_.errors.clear();
    item->trigger();
    QCOMPARE(prompts_.errors.size(), 1);
    QVERIFY(prompts_.errors[0].startsWith(QStringLiteral("Unable to write to ")));
    QCOMPARE(w.activeSectionsOnly(), before);
    QCOMPARE(item->isChecked(), before);  // the mark still tells the truth
}

void FaultsTest::hashesFileIsAFolder() {
    ProgramFolder folder;
    folder.copyShipped();
    QFile::remove(folder.path(QStringLiteral("hashes.dat")));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("hashes.dat")));
    ScriptedPrompts prompts;
    auto w = startWindow(folder, prompts, sampleFile());
    QCOMPARE(prompts.errors.size(), 1);
    QVERIFY2(prompts.errors[0].startsWith(
                 QStringLiteral("Cannot open file \"") +
                 QDir::toNativeSeparators(folder.path(QStringLiteral("hashes.dat")))),
             qPrintable(prompts.errors[0]));
    QVERIFY(w->dictionary().baseEntries.isEmpty());
    // Start-up went on: the file of the command line is open, its names as hash texts.
    QCOMPARE(w->currentPath(), sampleFile());
    QVERIFY(w->document().table(0).cellText(0, 7).startsWith(QStringLiteral("[hash:")));
}

void FaultsTest::openOfAFileRemovedAfterTheDialog() {
    // The dialog hands over a path whose file is gone before it is read.
    class VanishingFile : public ScriptedPrompts {
    public:
        QString askOpenPath(QWidget*) override {
            QFile::remove(path);
            return path;
        }
        QString path;
    } prompts;
    ProgramFolder folder;
    folder.copyShipped();
    prompts.path = folder.path(QStringLiteral("vanishing.wpl"));
    QVERIFY(QFile::copy(sampleFile(), prompts.path));
    auto w = startWindow(folder, prompts, sampleFile());
    const int rows = w->document().table(0).rowCount();
    w->openFile();
    QCOMPARE(prompts.errors.size(), 1);
    // The cause in the system's own words.
    QFile missing(prompts.path);
    QVERIFY(!missing.open(QIODevice::ReadOnly));
    QCOMPARE(prompts.errors[0], QStringLiteral("Cannot open file \"%1\". %2")
                                    .arg(QDir::toNativeSeparators(prompts.path),
                                         missing.errorString()));
    QCOMPARE(w->currentPath(), sampleFile());
    QCOMPARE(w->document().table(0).rowCount(), rows);
}

QTEST_MAIN(FaultsTest)
#include "faults_test.moc"
