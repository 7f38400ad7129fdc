// The recent files list: order, one entry per file, eight at most, removal, what settings.ini
// holds of it across a restart, and a settings file that cannot be written.

#include "recentfiles.h"

#ifdef Q_OS_UNIX
#include "filesizelimit.h"
#endif

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using varn::RecentFiles;
using varn::SettingsFile;

class RecentFilesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString settingsPath() const { return dir_.filePath(QStringLiteral("settings.ini")); }
    // The file names of the list, "" for paths outside the folder.
    QStringList namesOf(const QStringList& paths) const {
        QStringList names;
        for (const QString& path : paths)
            names << (QFileInfo(path).absolutePath() == QDir(dir_.path()).absolutePath()
                          ? QFileInfo(path).fileName()
                          : QString());
        return names;
    }

private slots:
    void init() {
        QFile::remove(settingsPath());
        for (const char* name : {"a.wpl", "b.wpl", "c.wpl"}) {
            QFile file(dir_.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QFile::remove(dir_.filePath(QStringLiteral("link.wpl")));
        QVERIFY(QFile::link(dir_.filePath(QStringLiteral("a.wpl")),
                            dir_.filePath(QStringLiteral("link.wpl"))));
    }

    // Steps "+name" open or save a file of the folder, "-name" remove it from the list.
    void stepsGiveTheListNewestFirst_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("newest first")
            << QStringList{"+a.wpl", "+b.wpl", "+c.wpl"} << QStringList{"c.wpl", "b.wpl", "a.wpl"};
        QTest::newRow("again moves to the front")
            << QStringList{"+a.wpl", "+b.wpl", "+a.wpl"} << QStringList{"a.wpl", "b.wpl"};
        QTest::newRow("another spelling is the same file")
            << QStringList{"+a.wpl", "+b.wpl", "+sub/../a.wpl", "+./b.wpl"}
            << QStringList{"b.wpl", "a.wpl"};
#ifndef Q_OS_WIN  // QFile::link makes a shortcut there, a file of its own
        QTest::newRow("a link is the same file")
            << QStringList{"+a.wpl", "+b.wpl", "+link.wpl"} << QStringList{"link.wpl", "b.wpl"};
#endif
        QTest::newRow("eight at most")
            << QStringList{"+1", "+2", "+3", "+4", "+5", "+6", "+7", "+8", "+9", "+10"}
            << QStringList{"10", "9", "8", "7", "6", "5", "4", "3"};
        QTest::newRow("removed") << QStringList{"+a.wpl", "+b.wpl", "+c.wpl", "-b.wpl", "-x.wpl"}
                                 << QStringList{"c.wpl", "a.wpl"};
        QTest::newRow("removed by another spelling")
            << QStringList{"+a.wpl", "+gone.wpl", "-sub/../gone.wpl"} << QStringList{"a.wpl"};
        QTest::newRow("blanks at the end are not kept")
            << QStringList{"+a.wpl", "+b.wpl "} << QStringList{"a.wpl"};
    }
    void stepsGiveTheListNewestFirst() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        SettingsFile settings(settingsPath());
        RecentFiles recent(settings);
        for (const QString& step : steps) {
            const QString path = dir_.filePath(step.mid(1));
            QString error;
            QVERIFY(step.startsWith(u'+') ? recent.add(path, error) : recent.remove(path, error));
        }
        QCOMPARE(namesOf(recent.paths()), expected);
        for (const QString& path : recent.paths())
            QVERIFY(QDir::isAbsolutePath(path) && path == QDir::cleanPath(path));
    }

    void theListSurvivesARestartBesideTheOtherSettings() {
        const QByteArray before = "; comment\r\n[Settings]\r\nSep=1\r\n";
        {
            QFile file(settingsPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before);
        }
        {
            SettingsFile settings(settingsPath());
            RecentFiles recent(settings);
            QString error;
            QVERIFY(recent.add(dir_.filePath(QStringLiteral("a.wpl")), error));
            QVERIFY(recent.add(dir_.filePath(QStringLiteral("b.wpl")), error));
        }
        SettingsFile settings(settingsPath());
        QCOMPARE(namesOf(RecentFiles(settings).paths()), (QStringList{"b.wpl", "a.wpl"}));
        QCOMPARE(settings.readString(QStringLiteral("recentfiles"), QStringLiteral("file2")),
                 dir_.filePath(QStringLiteral("a.wpl")));
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(before + "\r\n[RecentFiles]\r\nFile1="));
    }

    void entriesWrittenByHandAreReadCleaned() {
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[RecentFiles]\nFile1=" + dir_.filePath("a.wpl").toUtf8() +
                   "\nFile3=\nFile4=" + dir_.filePath("link.wpl").toUtf8() +
                   "\nFile5=" + dir_.filePath("c.wpl").toUtf8() +
                   "\nFile9=" + dir_.filePath("b.wpl").toUtf8() + "\n");
        file.close();
        SettingsFile settings(settingsPath());
#ifdef Q_OS_WIN  // the shortcut QFile::link made is a file of its own
        QCOMPARE(namesOf(RecentFiles(settings).paths()), (QStringList{"a.wpl", "link.wpl", "c.wpl"}));
#else
        QCOMPARE(namesOf(RecentFiles(settings).paths()), (QStringList{"a.wpl", "c.wpl"}));
#endif
    }

#ifdef Q_OS_UNIX
    void anUnwritableSettingsFileLeavesTheListAsItWas() {
        SettingsFile settings(settingsPath());
        RecentFiles recent(settings);
        QString error;
        QVERIFY(recent.add(dir_.filePath(QStringLiteral("a.wpl")), error));
        bool added = true;
        bool removed = true;
        {
            const varn::test::FileSizeLimit limit(16);  // a full disk, even for the superuser
            added = recent.add(dir_.filePath(QStringLiteral("b.wpl")), error);
            removed = recent.remove(dir_.filePath(QStringLiteral("a.wpl")), error);
        }
        QVERIFY(!added);
        QVERIFY(!removed);
        QCOMPARE(error, QStringLiteral("Unable to write to %1").arg(settingsPath()));
        QCOMPARE(namesOf(recent.paths()), QStringList{"a.wpl"});
    }
#endif
};

QTEST_GUILESS_MAIN(RecentFilesTest)
#include "tst_recentfiles.moc"
