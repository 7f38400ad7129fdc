// Where settings.ini and hashes.dat are found: the portable layout, an installed program's first
// and later starts, a program folder nobody can write, and a configuration folder that cannot be
// made.

#include "faultinjection.h"
#include "messages.h"
#include "programfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using varn::ProgramFiles;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class ProgramFilesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir* root_ = nullptr;
    // Short names for the places of a prefix: "bin", "share" (its varn-placement-editor folder)
    // and "config" (the user's configuration folder).
    QString place(const QString& name) const {
        if (name == u"share") return root_->filePath(QStringLiteral("share/varn-placement-editor"));
        if (name == u"config") return root_->filePath(QStringLiteral("home/config"));
        return root_->filePath(name);
    }
    QString file(const QString& placeAndName) const {
        const QStringList parts = placeAndName.split(u'/');
        return QDir(place(parts[0])).filePath(parts[1]);
    }

private slots:
    void init() {
        root_ = new QTemporaryDir;
        QVERIFY(root_->isValid());
        QVERIFY(QDir().mkpath(place(QStringLiteral("bin"))));
    }
    void cleanup() { delete root_; }

    void layouts_data() {
        QTest::addColumn<QStringList>("present");  // files there before the start, "place/name"
        QTest::addColumn<QString>("settings");     // where the settings are read and written
        QTest::addColumn<QString>("hashes");
        QTest::addColumn<QString>("userCopyOf");  // what the user's settings.ini holds after
        QTest::newRow("portable") << QStringList{"bin/settings.ini", "bin/hashes.dat",
                                                 "share/settings.ini"}
                                  << "bin/settings.ini"
                                  << "bin/hashes.dat" << QString();
        QTest::newRow("installed, first start")
            << QStringList{"share/settings.ini", "share/hashes.dat"} << "config/settings.ini"
            << "share/hashes.dat"
            << "share/settings.ini";
        QTest::newRow("installed, later start")
            << QStringList{"share/settings.ini", "share/hashes.dat", "config/settings.ini"}
            << "config/settings.ini"
            << "share/hashes.dat"
            << "config/settings.ini";
        QTest::newRow("hashes beside an installed program")
            << QStringList{"bin/hashes.dat", "share/hashes.dat", "share/settings.ini"}
            << "config/settings.ini"
            << "bin/hashes.dat"
            << "share/settings.ini";
        QTest::newRow("nothing shipped") << QStringList{} << "config/settings.ini"
                                         << "bin/hashes.dat" << QString();
    }

    void layouts() {
        QFETCH(QStringList, present);
        QFETCH(QString, settings);
        QFETCH(QString, hashes);
        QFETCH(QString, userCopyOf);
        for (const QString& name : present)
            writeFile(file(name), "from " + name.toUtf8() + "\n");
        const QByteArray expectedUser =
            userCopyOf.isEmpty() ? QByteArray() : readAll(file(userCopyOf));

        QString error;
        const ProgramFiles files = varn::locateProgramFiles(place("bin"), place("config"), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(files.settingsPath, file(settings));
        QCOMPARE(files.hashesPath, file(hashes));
        QCOMPARE(QFile::exists(file("config/settings.ini")), !userCopyOf.isEmpty());
        QCOMPARE(readAll(file("config/settings.ini")), expectedUser);
        for (const QString& name : present)
            QCOMPARE(readAll(file(name)), "from " + name.toUtf8() + "\n");
    }

    // A folder the user cannot write, like /opt/varn for a normal user: its settings.ini is
    // the one that gets copied, hashes.dat is read where it is.
    void readOnlyProgramFolderIsNotPortable() {
        varn::test::SmallFileSystem fileSystem(place("bin"), 256);
        writeFile(file("bin/settings.ini"), "[Settings]\nSep=1\n");
        writeFile(file("bin/hashes.dat"), "names");
        if (!varn::test::makeFolderReadOnly(place("bin"), &fileSystem))
            QSKIP("this machine can make no folder read-only for this user");
        QString error;
        const ProgramFiles files = varn::locateProgramFiles(place("bin"), place("config"), error);
        QFile::setPermissions(place("bin"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(files.settingsPath, file("config/settings.ini"));
        QCOMPARE(files.hashesPath, file("bin/hashes.dat"));
        QCOMPARE(readAll(files.settingsPath), QByteArray("[Settings]\nSep=1\n"));
    }

    // The user sees why the settings will not keep; the shipped captions still show.
    void unmakeableConfigFolderFallsBackToTheShippedFile() {
        writeFile(file("share/settings.ini"), "[Settings]\n");
        writeFile(root_->filePath("home"), "a file where the folder belongs");
        QString error;
        const ProgramFiles files = varn::locateProgramFiles(place("bin"), place("config"), error);
        QCOMPARE(error, varn::messages::unableToWrite(place("config")));
        QCOMPARE(files.settingsPath, file("share/settings.ini"));
    }

    void programFolderHoldsBoth() {
        const ProgramFiles files = varn::programFilesIn(QStringLiteral("/a/b"));
        QCOMPARE(files.settingsPath, QStringLiteral("/a/b/settings.ini"));
        QCOMPARE(files.hashesPath, QStringLiteral("/a/b/hashes.dat"));
        QCOMPARE(varn::sharedDataFolder(QStringLiteral("/usr/bin")),
                 QStringLiteral("/usr/share/varn-placement-editor"));
    }
};

QTEST_GUILESS_MAIN(ProgramFilesTest)
#include "tst_programfiles.moc"
