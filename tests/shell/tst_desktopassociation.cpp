// The .wpl association of a freedesktop system, in a temporary data folder: the files it writes,
// when it asks, the desktop's tools (stand-ins that note their calls) present or absent, and
// the failures it reports.

#include "countingquestion.h"
#include "desktopassociation.h"
#include "messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using varn::AssociationOutcome;
using varn::DesktopAssociation;
using varn::test::CountingQuestion;

namespace {

const QString kProgram = QStringLiteral("/opt/varn tools/varn-placement-editor");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& text, bool executable = false) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.close();
    if (executable) file.setPermissions(file.permissions() | QFile::ExeOwner);
}

}  // namespace

class DesktopAssociationTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir* root_ = nullptr;
    DesktopAssociation::Places places_;

    QString folder(const QString& name) const { return root_->filePath(name); }

    // Stand-ins for the desktop's tools: each notes its call; xdg-mime keeps the default.
    void installTools(int mimeDatabaseExit = 0) {
        const QString tools = folder(QStringLiteral("tools"));
        const QByteArray note = "echo \"$(basename \"$0\") $*\" >> \"$(dirname \"$0\")/calls\"\n";
        writeFile(tools + "/update-mime-database",
                  "#!/bin/sh\n" + note + "echo broken database >&2\nexit " +
                      QByteArray::number(mimeDatabaseExit) + "\n",
                  true);
        writeFile(tools + "/update-desktop-database", "#!/bin/sh\n" + note, true);
        writeFile(tools + "/xdg-mime",
                  "#!/bin/sh\n" + note +
                      "d=$(dirname \"$0\")\n"
                      "if [ \"$1\" = query ]; then cat \"$d/default\" 2>/dev/null; fi\n"
                      "if [ \"$1\" = default ]; then echo \"$2\" > \"$d/default\"; fi\n",
                  true);
    }
    QStringList toolCalls() const {
        return QString::fromUtf8(readAll(folder(QStringLiteral("tools/calls"))))
            .split(u'\n', Qt::SkipEmptyParts);
    }

    AssociationOutcome associate(const QString& program, CountingQuestion& question,
                                 QString& error) {
        DesktopAssociation association(program, places_);
        return varn::associateFileType(association, question, error);
    }

private slots:
    void init() {
        root_ = new QTemporaryDir;
        QVERIFY(root_->isValid());
        places_ = {};
        places_.dataHome = folder(QStringLiteral("home"));
        places_.dataDirs = {folder(QStringLiteral("system"))};
        // An empty folder of tools: none of the desktop's tools is there.
        places_.toolDirs = {folder(QStringLiteral("tools"))};
        QVERIFY(QDir().mkpath(places_.toolDirs.first()));
    }

    void cleanup() { delete root_; }

    void execArgumentQuoting_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("argument");
        QTest::newRow("plain") << "/usr/bin/editor"
                               << "\"/usr/bin/editor\"";
        QTest::newRow("blank") << "/a b/editor"
                               << "\"/a b/editor\"";
        QTest::newRow("double quote") << "/a\"b"
                                      << "\"/a\\\\\"b\"";
        QTest::newRow("dollar") << "/a$b"
                                << "\"/a\\\\$b\"";
        QTest::newRow("backquote") << "/a`b"
                                   << "\"/a\\\\`b\"";
        QTest::newRow("backslash") << "/a\\b"
                                   << "\"/a\\\\\\\\b\"";
        QTest::newRow("percent") << "/100%/e"
                                 << "\"/100%%/e\"";
    }

    void execArgumentQuoting() {
        QFETCH(QString, path);
        QFETCH(QString, argument);
        QCOMPARE(varn::desktopExecArgument(path), argument);
    }

    void freshDataFolderIsWrittenWithoutAsking() {
        CountingQuestion question(false);
        QString error;
        QCOMPARE(associate(kProgram, question, error), AssociationOutcome::Written);
        QCOMPARE(question.asked, 0);
        const DesktopAssociation association(kProgram, places_);
        const QByteArray package =
            readAll(places_.dataHome + "/mime/packages/varn-placement-editor.xml");
        QCOMPARE(package, association.mimePackageText());
        QVERIFY(package.contains("<mime-type type=\"application/x-varn-placement\">"));
        QVERIFY(package.contains("<glob pattern=\"*.wpl\""));
        const QByteArray entry =
            readAll(places_.dataHome + "/applications/varn-placement-editor.desktop");
        QCOMPARE(entry, association.desktopEntryText());
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QVERIFY(entry.contains("\nExec=\"/opt/varn tools/varn-placement-editor\" %f\n"));
        QVERIFY(entry.contains("\nMimeType=application/x-varn-placement;\n"));
        QVERIFY(entry.contains("\nType=Application\n"));

        CountingQuestion again(false);
        QCOMPARE(associate(kProgram, again, error), AssociationOutcome::AlreadyRegistered);
        QCOMPARE(again.asked, 0);
    }

    void differentAssociationAsksFirst_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("another type claims *.wpl")
            << "system/mime/globs2"
            << QByteArray("# generated\n50:application/vnd.ms-wpl:*.wpl\n50:text/plain:*.txt\n");
        QTest::newRow("claim in other case")
            << "home/mime/globs2" << QByteArray("50:application/x-other:*.WPL\n");
        QTest::newRow("our entry edited") << "home/applications/varn-placement-editor.desktop"
                                          << QByteArray("[Desktop Entry]\nExec=other %f\n");
        QTest::newRow("our package edited")
            << "home/mime/packages/varn-placement-editor.xml" << QByteArray("<mime-info/>\n");
    }

    void differentAssociationAsksFirst() {
        QFETCH(QString, file);
        QFETCH(QByteArray, text);
        writeFile(folder(file), text);
        const QString entryPath = DesktopAssociation(kProgram, places_).desktopEntryPath();
        const QByteArray entryBefore = readAll(entryPath);

        CountingQuestion no(false);
        QString error;
        QCOMPARE(associate(kProgram, no, error), AssociationOutcome::Declined);
        QCOMPARE(no.asked, 1);
        QCOMPARE(readAll(folder(file)), text);
        QCOMPARE(readAll(entryPath), entryBefore);

        CountingQuestion yes(true);
        QCOMPARE(associate(kProgram, yes, error), AssociationOutcome::Written);
        QCOMPARE(yes.asked, 1);
        // Once ours is complete, the other type's claim no longer counts: ours outweighs it.
        CountingQuestion again(false);
        QCOMPARE(associate(kProgram, again, error), AssociationOutcome::AlreadyRegistered);
        QCOMPARE(again.asked, 0);
    }

    void ourGlobAloneIsNoOtherClaim() {
        writeFile(folder("home/mime/globs2"), "60:application/x-varn-placement:*.wpl\n");
        CountingQuestion question(false);
        QString error;
        QCOMPARE(associate(kProgram, question, error), AssociationOutcome::Written);
        QCOMPARE(question.asked, 0);
    }

    void movedProgramAsksAgainAndRewritesTheEntry() {
        CountingQuestion first(true);
        QString error;
        QCOMPARE(associate(kProgram, first, error), AssociationOutcome::Written);
        CountingQuestion moved(true);
        QCOMPARE(associate(QStringLiteral("/home/me/varn"), moved, error),
                 AssociationOutcome::Written);
        QCOMPARE(moved.asked, 1);
        QVERIFY(readAll(DesktopAssociation(kProgram, places_).desktopEntryPath())
                    .contains("\nExec=\"/home/me/varn\" %f\n"));
    }

    void toolsUpdateTheDatabasesAndSetTheDefault() {
        installTools();
        CountingQuestion question(false);
        QString error;
        QCOMPARE(associate(kProgram, question, error), AssociationOutcome::Written);
        QCOMPARE(question.asked, 0);
        QCOMPARE(toolCalls(),
                 QStringList({"xdg-mime query default application/x-varn-placement",
                              "update-mime-database " + places_.dataHome + "/mime",
                              "update-desktop-database " + places_.dataHome + "/applications",
                              "xdg-mime default varn-placement-editor.desktop "
                              "application/x-varn-placement"}));
        CountingQuestion again(false);
        QCOMPARE(associate(kProgram, again, error), AssociationOutcome::AlreadyRegistered);
        QCOMPARE(again.asked, 0);
    }

    void anotherDefaultApplicationAsks() {
        installTools();
        writeFile(folder("tools/default"), "other-viewer.desktop\n");
        CountingQuestion no(false);
        QString error;
        QCOMPARE(associate(kProgram, no, error), AssociationOutcome::Declined);
        QCOMPARE(no.asked, 1);
        QVERIFY(!QFile::exists(DesktopAssociation(kProgram, places_).desktopEntryPath()));
        CountingQuestion yes(true);
        QCOMPARE(associate(kProgram, yes, error), AssociationOutcome::Written);
        QCOMPARE(readAll(folder("tools/default")), QByteArray("varn-placement-editor.desktop\n"));
    }

    void missingDefaultIsCompletedWithoutAsking() {
        CountingQuestion first(false);
        QString error;
        QCOMPARE(associate(kProgram, first, error), AssociationOutcome::Written);
        // xdg-mime arrives later: our files are complete, only the default is missing.
        installTools();
        CountingQuestion second(false);
        QCOMPARE(associate(kProgram, second, error), AssociationOutcome::Written);
        QCOMPARE(second.asked, 0);
        QVERIFY(toolCalls().contains(
            "xdg-mime default varn-placement-editor.desktop application/x-varn-placement"));
    }

    void failingToolIsReported() {
        installTools(3);
        CountingQuestion question(true);
        QString error;
        QCOMPARE(associate(kProgram, question, error), AssociationOutcome::Failed);
        QCOMPARE(error, QStringLiteral("Cannot run update-mime-database: broken database"));
        QVERIFY(!toolCalls().join('\n').contains("xdg-mime default"));
    }

    void unwritableDataFolderIsReported() {
        writeFile(places_.dataHome, "a file where the folder belongs");
        CountingQuestion question(true);
        QString error;
        QCOMPARE(associate(kProgram, question, error), AssociationOutcome::Failed);
        QCOMPARE(error, varn::messages::unableToWrite(places_.dataHome + "/mime/packages"));
    }

    void realMimeDatabaseTakesThePackage() {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
        if (tool.isEmpty()) QSKIP("update-mime-database is not installed");
        places_.toolDirs = {QFileInfo(tool).absolutePath()};
        // Whatever else lives beside it (xdg-mime) must not touch the user's own settings.
        const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", folder(QStringLiteral("config")).toUtf8());
        CountingQuestion question(false);
        QString error;
        const AssociationOutcome outcome = associate(kProgram, question, error);
        savedConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME")
                             : qputenv("XDG_CONFIG_HOME", savedConfig);
        QCOMPARE(outcome, AssociationOutcome::Written);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(readAll(places_.dataHome + "/mime/globs2")
                    .contains("60:application/x-varn-placement:*.wpl"));
        QVERIFY(QFile::exists(places_.dataHome + "/mime/application/x-varn-placement.xml"));
    }

    void installedEntryOnlyWhereTheDesktopLooks_data() {
        QTest::addColumn<bool>("entryThere");
        QTest::addColumn<bool>("shareIsDataDir");
        QTest::newRow("installed and seen") << true << true;
        QTest::newRow("prefix unknown to the desktop") << true << false;
        QTest::newRow("no entry installed") << false << true;
    }

    void installedEntryOnlyWhereTheDesktopLooks() {
        QFETCH(bool, entryThere);
        QFETCH(bool, shareIsDataDir);
        const QString entry = folder("prefix/share/applications/varn-placement-editor.desktop");
        if (entryThere) writeFile(entry, "[Desktop Entry]\n");
        const QStringList dataDirs{folder("system"),
                                   shareIsDataDir ? folder("prefix/share/") : folder("other")};
        QCOMPARE(DesktopAssociation::installedEntry(folder("prefix/bin/varn-placement-editor"),
                                                    dataDirs),
                 entryThere && shareIsDataDir ? entry : QString());
    }

    // The installed entry and type are the package's: only the default is the user's to set.
    void installedProgramSetsTheDefaultOnly() {
        installTools();
        places_.installedEntry = folder("system/applications/varn-placement-editor.desktop");
        CountingQuestion question(false);
        QString error;
        QCOMPARE(associate(kProgram, question, error), AssociationOutcome::Written);
        QCOMPARE(question.asked, 0);
        QCOMPARE(toolCalls(), QStringList({"xdg-mime query default application/x-varn-placement",
                                           "xdg-mime default varn-placement-editor.desktop "
                                           "application/x-varn-placement"}));
        QVERIFY(!QFile::exists(places_.dataHome));
        CountingQuestion again(false);
        QCOMPARE(associate(kProgram, again, error), AssociationOutcome::AlreadyRegistered);
        QCOMPARE(again.asked, 0);
    }

    // Files a copy of the program wrote before it was installed would hide the installed entry.
    void installedProgramRemovesOurUserFilesAfterAsking() {
        CountingQuestion portable(false);
        QString error;
        QCOMPARE(associate(kProgram, portable, error), AssociationOutcome::Written);
        installTools();
        places_.installedEntry = folder("system/applications/varn-placement-editor.desktop");
        const DesktopAssociation association(kProgram, places_);

        CountingQuestion no(false);
        QCOMPARE(associate(kProgram, no, error), AssociationOutcome::Declined);
        QCOMPARE(no.asked, 1);
        QVERIFY(QFile::exists(association.desktopEntryPath()));
        CountingQuestion yes(true);
        QCOMPARE(associate(kProgram, yes, error), AssociationOutcome::Written);
        QVERIFY(!QFile::exists(association.desktopEntryPath()));
        QVERIFY(!QFile::exists(association.mimePackagePath()));
        QVERIFY(
            toolCalls().contains("update-desktop-database " + places_.dataHome + "/applications"));
        QCOMPARE(readAll(folder("tools/default")), QByteArray("varn-placement-editor.desktop\n"));
    }

    void placesComeFromTheEnvironment() {
        const QByteArray savedHome = qgetenv("HOME");
        const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
        const QByteArray savedDataDirs = qgetenv("XDG_DATA_DIRS");
        qputenv("HOME", folder("me").toUtf8());
        qputenv("XDG_DATA_HOME", folder("data").toUtf8());
        qputenv("XDG_DATA_DIRS", (folder("a") + ":relative:" + folder("b")).toUtf8());
        const DesktopAssociation::Places set = DesktopAssociation::placesFromEnvironment();
        qputenv("XDG_DATA_HOME", "relative/data");
        qunsetenv("XDG_DATA_DIRS");
        const DesktopAssociation::Places unset = DesktopAssociation::placesFromEnvironment();
        qputenv("HOME", savedHome);
        savedDataHome.isNull() ? qunsetenv("XDG_DATA_HOME")
                               : qputenv("XDG_DATA_HOME", savedDataHome);
        savedDataDirs.isNull() ? qunsetenv("XDG_DATA_DIRS")
                               : qputenv("XDG_DATA_DIRS", savedDataDirs);

        QCOMPARE(set.dataHome, folder("data"));
        QCOMPARE(set.dataDirs, QStringList({folder("a"), folder("b")}));
        QVERIFY(set.toolDirs.isEmpty());
        QCOMPARE(unset.dataHome, folder("me") + "/.local/share");
        QCOMPARE(unset.dataDirs, QStringList({"/usr/local/share", "/usr/share"}));
    }
};

QTEST_GUILESS_MAIN(DesktopAssociationTest)
#include "tst_desktopassociation.moc"
