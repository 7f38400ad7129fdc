// settings.ini: typed reads with their defaults, name rules, the lines a write keeps, line
// endings, failures and atomic replacement.

#include "messages.h"
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using varn::SettingsFile;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of a file the program starts: CRLF on Windows, as its other text files there.
QByteArray newFileLines(QByteArray text) {
#ifdef Q_OS_WIN
    text.replace("\n", "\r\n");
#endif
    return text;
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path_;

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("settings.ini"));
        QFile::remove(path_);
    }

    void missingFileReadsDefaultsAndFirstWriteCreatesIt() {
        SettingsFile settings(path_);
        QCOMPARE(settings.readString("Settings", "Sep", "none"), QStringLiteral("none"));
        QCOMPARE(settings.readInteger("Settings", "Sep", 7), 7);
        QCOMPARE(settings.readBool("Settings", "ShowToolBar", true), true);
        QCOMPARE(settings.readBool("Settings", "ShowToolBar", false), false);
        QVERIFY(!QFile::exists(path_));
        QString error;
        QVERIFY(settings.writeInteger("Settings", "Sep", 1, error));
        QCOMPARE(readAll(path_), newFileLines("[Settings]\nSep=1\n"));
    }

    void integerReads_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        const int fallback = -99;
        QTest::newRow("decimal") << QByteArray("42") << 42;
        QTest::newRow("zero") << QByteArray("0") << 0;
        QTest::newRow("negative") << QByteArray("-7") << -7;
        QTest::newRow("plus sign") << QByteArray("+5") << 5;
        QTest::newRow("blanks around") << QByteArray("  12  ") << 12;
        QTest::newRow("lowest") << QByteArray("-2147483648") << INT_MIN;
        QTest::newRow("highest") << QByteArray("2147483647") << INT_MAX;
        QTest::newRow("beyond int") << QByteArray("2147483648") << fallback;
        QTest::newRow("hex 0x") << QByteArray("0x1F") << 31;
        QTest::newRow("hex 0X") << QByteArray("0X1f") << 31;
        QTest::newRow("hex all bits") << QByteArray("0xFFFFFFFF") << -1;
        QTest::newRow("hex beyond 32 bits") << QByteArray("0x100000000") << fallback;
        QTest::newRow("hex without digits") << QByteArray("0x") << fallback;
        QTest::newRow("hex bad digit") << QByteArray("0x1G") << fallback;
        QTest::newRow("hex negative") << QByteArray("0x-1") << fallback;
        QTest::newRow("trailing letters") << QByteArray("12abc") << fallback;
        QTest::newRow("fraction") << QByteArray("1.5") << fallback;
        QTest::newRow("word") << QByteArray("yes") << fallback;
        QTest::newRow("empty") << QByteArray("") << fallback;
        QTest::newRow("two signs") << QByteArray("+-1") << fallback;
        QTest::newRow("sign alone") << QByteArray("-") << fallback;
    }

    void integerReads() {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        writeAll(path_, "[Settings]\nvalue=" + value + "\n");
        QCOMPARE(SettingsFile(path_).readInteger("Settings", "value", -99), expected);
    }

    void booleanReads_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("withTrueDefault");
        QTest::addColumn<bool>("withFalseDefault");
        QTest::newRow("one") << QByteArray("flag=1") << true << true;
        QTest::newRow("zero") << QByteArray("flag=0") << false << false;
        QTest::newRow("other number") << QByteArray("flag=5") << true << true;
        QTest::newRow("negative") << QByteArray("flag=-1") << true << true;
        QTest::newRow("hex zero") << QByteArray("flag=0x0") << false << false;
        QTest::newRow("word") << QByteArray("flag=true") << true << false;
        QTest::newRow("missing") << QByteArray("other=1") << true << false;
    }

    void booleanReads() {
        QFETCH(QByteArray, line);
        QFETCH(bool, withTrueDefault);
        QFETCH(bool, withFalseDefault);
        writeAll(path_, "[Settings]\n" + line + "\n");
        const SettingsFile settings(path_);
        QCOMPARE(settings.readBool("Settings", "flag", true), withTrueDefault);
        QCOMPARE(settings.readBool("Settings", "flag", false), withFalseDefault);
    }

    void namesAndLinesThatAreNoKeys_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("case of section and key") << QByteArray("[SETTINGS]\nsEP=1\n") << "1";
        QTest::newRow("blanks around names") << QByteArray("[ Settings ]\n  Sep  =  2  \n") << "2";
        QTest::newRow("other section") << QByteArray("[Section0]\nSep=1\n") << "default";
        QTest::newRow("before any section") << QByteArray("Sep=1\n[Settings]\n") << "default";
        QTest::newRow("comment") << QByteArray("[Settings]\n;Sep=1\n") << "default";
        QTest::newRow("first of two") << QByteArray("[Settings]\nSep=1\nsep=2\n") << "1";
        QTest::newRow("second section of the name")
            << QByteArray("[Settings]\na=1\n[Other]\n[settings]\nSep=3\n") << "3";
        QTest::newRow("equals sign in value") << QByteArray("[Settings]\nSep=a=b\n") << "a=b";
        QTest::newRow("empty value") << QByteArray("[Settings]\nSep=\n") << "";
        QTest::newRow("utf-8") << QByteArray("[Settings]\nSep=\xE2\x84\x96 \xC3\xBC\n")
                               << QStringLiteral("\u2116 \u00FC");
        QTest::newRow("crlf") << QByteArray("[Settings]\r\nSep=4\r\n") << "4";
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[Settings]\nSep=5") << "5";
    }

    void namesAndLinesThatAreNoKeys() {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        writeAll(path_, text);
        QCOMPARE(SettingsFile(path_).readString("settings", "sep", "default"), expected);
    }

    void stringsAreCutAt2047Characters() {
        writeAll(path_,
                 "[S]\nlong=" + QByteArray(3000, 'x') + "\nshort=" + QByteArray(2047, 'y') + "\n");
        const SettingsFile settings(path_);
        QCOMPARE(settings.readString("S", "long"), QString(2047, u'x'));
        QCOMPARE(settings.readString("S", "short"), QString(2047, u'y'));
    }

    void writtenKeyIsFoundUnderAnyCase() {
        SettingsFile settings(path_);
        QString error;
        QVERIFY(settings.writeInteger("Settings", "Sep", 1, error));
        QCOMPARE(settings.readInteger("settings", "sep", 0), 1);
        QVERIFY(settings.writeInteger("SETTINGS", "SEP", 0, error));
        QCOMPARE(settings.readInteger("Settings", "Sep", 9), 0);
        QCOMPARE(readAll(path_), newFileLines("[Settings]\nSEP=0\n"));
    }

    void writesKeepEveryOtherLine_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("after");
        const QByteArray file =
            "; shipped with the program\n"
            "[Settings]\n"
            "ShowToolBar=1\n"
            "  sep = 0 \n"
            "\n"
            "; widths follow\n"
            "[Section0]\n"
            "Col0width=40\n"
            "\xFF\xFE not text\n";
        QTest::newRow("existing key") << file << "settings"
                                      << "Sep" << QByteArray(file).replace("  sep = 0 ", "Sep=V");
        QTest::newRow("new key after the last key of its section")
            << file << "Settings"
            << "writeht" << QByteArray(file).replace("  sep = 0 \n", "  sep = 0 \nwriteht=V\n");
        QTest::newRow("new key in the last section")
            << file << "SECTION0"
            << "Col1width"
            << QByteArray(file).replace("Col0width=40\n", "Col0width=40\nCol1width=V\n");
        QTest::newRow("new section at the end")
            << file << "Section9"
            << "Col0width" << file + "\n[Section9]\nCol0width=V\n";
        QTest::newRow("section without keys") << QByteArray("[A]\n; none yet\n\n[B]\n") << "A"
                                              << "k" << QByteArray("[A]\nk=V\n; none yet\n\n[B]\n");
        QTest::newRow("no line break at the end") << QByteArray("[A]\nx=1") << "A"
                                                  << "y" << QByteArray("[A]\nx=1\ny=V\n");
        QTest::newRow("new section after a blank line")
            << QByteArray("[A]\nx=1\n\n") << "B"
            << "y" << QByteArray("[A]\nx=1\n\n[B]\ny=V\n");
        QTest::newRow("crlf file, replaced") << QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\n") << "A"
                                             << "x" << QByteArray("[A]\r\nx=V\r\n\r\n[B]\r\n");
        QTest::newRow("crlf file, new key and section")
            << QByteArray("[A]\r\nx=1\r\n") << "C"
            << "y" << QByteArray("[A]\r\nx=1\r\n\r\n[C]\r\ny=V\r\n");
        QTest::newRow("byte order mark kept") << QByteArray("\xEF\xBB\xBF[A]\nx=1\n") << "A"
                                              << "x" << QByteArray("\xEF\xBB\xBF[A]\nx=V\n");
        QTest::newRow("first of two keys replaced") << QByteArray("[A]\nx=1\nX=2\n") << "a"
                                                    << "x" << QByteArray("[A]\nx=V\nX=2\n");
    }

    void writesKeepEveryOtherLine() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QByteArray, after);
        writeAll(path_, before);
        SettingsFile settings(path_);
        QString error;
        QVERIFY(settings.writeString(section, key, QStringLiteral("V"), error));
        QCOMPARE(readAll(path_), after);
        QCOMPARE(settings.readString(section, key), QStringLiteral("V"));
    }

    void typedWritesAndSeveralKeysAtOnce() {
        SettingsFile settings(path_);
        QString error;
        QVERIFY(settings.writeBool("Settings", "ShowToolBar", false, error));
        QVERIFY(settings.writeBool("Settings", "writeht", true, error));
        QVERIFY(settings.writeInteger("Settings", "Sep", -3, error));
        QVERIFY(settings.writeString("Section0", "Col0cap", QStringLiteral("\u2116"), error));
        QVERIFY(settings.writeStrings(
            "Section0", {{"Col0width", "40"}, {"Col1width", "55"}, {"col0WIDTH", "41"}}, error));
        QCOMPARE(readAll(path_), newFileLines("[Settings]\nShowToolBar=0\nwriteht=1\nSep=-3\n\n"
                                            "[Section0]\nCol0cap=\xE2\x84\x96\ncol0WIDTH=41\n"
                                            "Col1width=55\n"));
        QCOMPARE(settings.readInteger("Section0", "Col0width", 0), 41);
        QCOMPARE(settings.readString("Section0", "Col0cap"), QStringLiteral("\u2116"));
    }

    void readsSeeTheFileAsItIsNow() {
        SettingsFile settings(path_);
        writeAll(path_, "[Settings]\nSep=0\n");
        QCOMPARE(settings.readInteger("Settings", "Sep", 9), 0);
        // Same size, same second: only the contents tell the change.
        writeAll(path_, "[Settings]\nSep=1\n");
        QCOMPARE(settings.readInteger("Settings", "Sep", 9), 1);
        QVERIFY(QFile::remove(path_));
        QCOMPARE(settings.readInteger("Settings", "Sep", 9), 9);
    }

    void namesAndValuesThatWouldBreakTheFileAreRefused_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("line break in value") << "A"
                                             << "k"
                                             << "1\n[Evil]";
        QTest::newRow("carriage return in value") << "A"
                                                  << "k"
                                                  << "1\r";
        QTest::newRow("equals sign in key") << "A"
                                            << "k=x"
                                            << "1";
        QTest::newRow("empty key") << "A"
                                   << ""
                                   << "1";
        QTest::newRow("comment key") << "A"
                                     << ";k"
                                     << "1";
        QTest::newRow("bracket in section") << "A]"
                                            << "k"
                                            << "1";
        QTest::newRow("blank around section") << " A"
                                              << "k"
                                              << "1";
        // Reading trims them, so the value would not come back as written.
        QTest::newRow("blank before value") << "A"
                                            << "k"
                                            << " 1";
        QTest::newRow("tab after value") << "A"
                                         << "k"
                                         << "1\t";
    }

    void namesAndValuesThatWouldBreakTheFileAreRefused() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QByteArray before("[A]\nk=0\n");
        writeAll(path_, before);
        SettingsFile settings(path_);
        QString error;
        QVERIFY(!settings.writeString(section, key, value, error));
        QCOMPARE(error, varn::messages::unableToWrite(path_));
        QCOMPARE(readAll(path_), before);
    }

    void failedWritesLeaveTheFileAndSayWhere_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder in place of the file") << "folder";
        QTest::newRow("path nobody may create") << "proc";
        QTest::newRow("read-only file") << "read-only file";
        QTest::newRow("read-only folder") << "read-only folder";
        QTest::newRow("unreadable file") << "unreadable file";
    }

    void failedWritesLeaveTheFileAndSayWhere() {
        QFETCH(QString, kind);
        QString path = path_;
        const QByteArray before("[Settings]\nSep=0\n");
#ifdef Q_OS_UNIX
        const bool permissionsStopUs = ::geteuid() != 0;
#else
        const bool permissionsStopUs = false;
#endif
        if (kind == "folder") {
            path = dir_.filePath(QStringLiteral("folder.ini"));
            QVERIFY(QDir().mkpath(path));
        } else if (kind == "proc") {
#ifndef Q_OS_LINUX
            QSKIP("needs /proc");
#endif
            path = QStringLiteral("/proc/self/settings.ini");
        } else {
            if (!permissionsStopUs) QSKIP("file permissions do not stop the superuser");
            const QString folder = dir_.filePath(kind);
            QVERIFY(QDir().mkpath(folder));
            path = folder + QStringLiteral("/settings.ini");
            writeAll(path, before);
            if (kind == "read-only file") QFile::setPermissions(path, QFile::ReadOwner);
            if (kind == "unreadable file") QFile::setPermissions(path, QFile::WriteOwner);
            if (kind == "read-only folder") {
                QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            }
        }
        SettingsFile settings(path);
        QString error;
        QVERIFY(!settings.writeInteger("Settings", "Sep", 1, error));
        QCOMPARE(error, varn::messages::unableToWrite(path));
        QVERIFY(!settings.writeStrings("Settings", {{"a", "1"}, {"b", "2"}}, error));
        if (kind != "folder" && kind != "proc") {
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            QFile::setPermissions(QFileInfo(path).absolutePath(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QCOMPARE(readAll(path), before);
        }
    }

    void writeReplacesTheFileAtomically() {
        writeAll(path_, "[Settings]\nSep=0\n");
#ifdef Q_OS_UNIX
        // A reader that opened the file before the write still sees the old file whole: the new
        // one was renamed over it, not written into it. (Windows renames over no open file.)
        QFile reader(path_);
        QVERIFY(reader.open(QIODevice::ReadOnly));
#endif
        SettingsFile settings(path_);
        QString error;
        QVERIFY(settings.writeInteger("Settings", "Sep", 1, error));
#ifdef Q_OS_UNIX
        QCOMPARE(reader.readAll(), QByteArray("[Settings]\nSep=0\n"));
#endif
        QCOMPARE(readAll(path_), QByteArray("[Settings]\nSep=1\n"));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("settings.ini")});
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settingsfile.moc"
