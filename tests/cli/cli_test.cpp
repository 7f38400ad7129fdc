// The command-line tool, run as a separate process the way scripts use it.

#include "toolrun.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace varn::test;

namespace {

QJsonObject dumpJson(const QStringList& arguments) {
    const Result r = tool(QStringList{"dump"} + arguments);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(r.out, &parseError);
    EXPECT_EQ(parseError.error, QJsonParseError::NoError) << parseError.errorString().toStdString();
    return json.object();
}

TEST(Dump, SampleHasEverySectionInTabOrder) {
    const QJsonObject json = dumpJson({"--hash-table", kSample});
    EXPECT_EQ(json["version"].toInt(), 3);
    const QJsonArray counts = json["counts"].toArray();
    ASSERT_EQ(counts.size(), 16);
    const QJsonArray sections = json["sections"].toArray();
    ASSERT_EQ(sections.size(), 8);
    const int order[] = {0, 2, 3, 4, 8, 9, 10, 15};
    const int columns[] = {13, 13, 15, 12, 12, 10, 7, 12};
    for (int i = 0; i < 8; ++i) {
        const QJsonObject section = sections[i].toObject();
        EXPECT_EQ(section["section"].toInt(), order[i]);
        const QJsonArray rows = section["rows"].toArray();
        EXPECT_GT(rows.size(), 0) << "the sample has rows in every section";
        EXPECT_EQ(rows.size(), counts[order[i]].toInt());
        for (int row = 0; row < rows.size(); ++row) {
            const QJsonArray cells = rows[row].toArray();
            ASSERT_EQ(cells.size(), columns[i]);
            EXPECT_EQ(cells[0].toString(), QString::number(row));
        }
        EXPECT_EQ(section.contains("side"), order[i] == 0 || order[i] == 9);
        if (section.contains("side")) {
            const QJsonArray side = section["side"].toArray();
            ASSERT_EQ(side.size(), rows.size());
            EXPECT_EQ(side[0].toArray().size(), order[i] == 0 ? 2 : 21);
        }
    }
    // The table's own name shows only when the table is read.
    EXPECT_TRUE(QJsonDocument(json).toJson().contains("sample_only_statue"));
    EXPECT_FALSE(QJsonDocument(dumpJson({kSample})).toJson().contains("sample_only_statue"));
    // Windows-1252 text comes out as UTF-8.
    EXPECT_EQ(sections[7].toObject()["rows"].toArray()[0].toArray()[2].toString(),
              QStringLiteral("Caf\u00E9 sign near the harbour"));
}

TEST(Dump, CommaSeparator) {
    const QJsonObject json = dumpJson({"--separator", ",", kSample});
    const QJsonArray row = json["sections"].toArray()[6].toObject()["rows"].toArray()[0].toArray();
    for (int cell = 1; cell < row.size(); ++cell) {
        EXPECT_FALSE(row[cell].toString().contains(u'.')) << row[cell].toString().toStdString();
        EXPECT_TRUE(row[cell].toString().contains(u',')) << row[cell].toString().toStdString();
    }
}

TEST(Dump, DictionaryFromTheHashesOption) {
    QTemporaryDir dir;
    const QString names = dir.filePath("names.txt");
    QFile file(names);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# a comment\n\nroad_strip_044\n");
    file.close();
    const QString dat = dir.filePath("mine.dat");
    ASSERT_EQ(tool({"make-hashes", names, dat}).exitCode, 0);
    EXPECT_EQ(readFile(dat).size(), 4 + 28);
    const QByteArray withNames = QJsonDocument(dumpJson({"--hashes", dat, kSample})).toJson();
    EXPECT_TRUE(withNames.contains("road_strip_044"));
    EXPECT_FALSE(withNames.contains("tree_birch_02"));
}

TEST(Errors, OneLineOnStderrNothingOnStdout) {
    QTemporaryDir dir;
    const QString truncated = dir.filePath("short.wpl");
    QFile file(truncated);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(readFile(kSample).left(100));
    file.close();
    const QList<QStringList> failing = {
        {"dump", dir.filePath("missing.wpl")},
        {"dump", truncated},
        {"dump", "--separator", ";", kSample},
        {"dump", "--hashes", dir.filePath("none.dat"), kSample},
        {"convert", kSample, dir.filePath("no/such/folder/out.wpl")},
        {"dump"},
        {"frobnicate"},
    };
    for (const QStringList& arguments : failing) {
        const Result r = tool(arguments);
        EXPECT_NE(r.exitCode, 0) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << arguments.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    }
    EXPECT_TRUE(tool({"dump", truncated}).err.contains("is truncated"));
    EXPECT_TRUE(tool({"dump", dir.filePath("missing.wpl")}).err.startsWith("Cannot open file \""));
}

TEST(Help, EveryCommandHasIt) {
    for (const char* command :
         {"dump", "convert", "hash", "make-hashes", "export", "build", "import", "diff", "set",
          "transform"}) {
        const Result r = tool({command, "--help"});
        EXPECT_EQ(r.exitCode, 0) << command;
        EXPECT_TRUE(r.out.startsWith(QByteArray("Usage: varn-placement ") + command))
            << r.out.toStdString();
    }
    const Result overview = tool({"--help"});
    EXPECT_EQ(overview.exitCode, 0);
    EXPECT_TRUE(overview.out.contains("--version")) << overview.out.toStdString();
}

TEST(Version, IsTheProjectVersion) {
    const Result r = tool({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("varn-placement " VARN_VERSION "\n"));
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

TEST(Convert, WithoutTheTableOptionWritesTheRecordsAlone) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.wpl");
    const Result r = tool({"convert", kSample, out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray sample = readFile(kSample);
    const QByteArray written = readFile(out);
    const qsizetype records = 68 + 40 * 48 + 5 * (48 + 56 + 44 + 64 + 132 + 24) + 6 * 388;
    EXPECT_EQ(written, sample.left(records));
    EXPECT_TRUE(r.out.isEmpty());
}

TEST(Convert, TableOptionKeepsEveryNameAcrossASave) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.wpl");
    ASSERT_EQ(tool({"convert", "--hash-table", "--hashes", dir.filePath("absent"), kSample, out})
                  .exitCode,
              1);
    ASSERT_EQ(tool({"convert", "--hash-table", kSample, out}).exitCode, 0);
    // The new table pairs every shown name with its hash, so without hashes.dat the names stay.
    QFile empty(dir.filePath("empty.dat"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.write(QByteArray(4, '\0'));
    empty.close();
    const QJsonObject before = dumpJson({"--hash-table", kSample});
    const QJsonObject after =
        dumpJson({"--hash-table", "--hashes", dir.filePath("empty.dat"), out});
    EXPECT_EQ(before["sections"], after["sections"]);
}

// A file converted to .xpl and back is the file converted once, and reads as the same tables.
TEST(Convert, XplRoundTripReadsBackTheSameTables) {
    QTemporaryDir dir;
    const QString big = dir.filePath("big.xpl");
    const QString back = dir.filePath("back.wpl");
    const QString once = dir.filePath("once.wpl");
    ASSERT_EQ(tool({"convert", "--hash-table", kSample, big}).exitCode, 0);
    ASSERT_EQ(tool({"convert", "--hash-table", big, back}).exitCode, 0);
    ASSERT_EQ(tool({"convert", "--hash-table", kSample, once}).exitCode, 0);
    EXPECT_NE(readFile(big), readFile(once));
    EXPECT_EQ(readFile(back), readFile(once));
    QJsonObject bigDump = dumpJson({"--hash-table", big});
    QJsonObject onceDump = dumpJson({"--hash-table", once});
    EXPECT_EQ(bigDump["sections"], onceDump["sections"]);
}

TEST(Hash, PrintsUnsignedDecimals) {
    const Result r = tool({"hash", "abc", "ABC", "maps\\x", "maps/x", ""});
    EXPECT_EQ(r.exitCode, 0);
    const QList<QByteArray> lines = r.out.split('\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], "3977453403");
    EXPECT_EQ(lines[1], "3977453403");
    EXPECT_EQ(lines[2], lines[3]);
    EXPECT_EQ(lines[4], "0");
}

TEST(MakeHashes, RefusesNamesThatDoNotFitTheirField) {
    QTemporaryDir dir;
    QFile file(dir.filePath("names.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("fine\nthis_name_is_longer_than_24\n");
    file.close();
    const Result r = tool({"make-hashes", file.fileName(), dir.filePath("x.dat")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("line 2")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("x.dat")));
}

TEST(Sample, IsWhatTheGeneratorWrites) {
    QTemporaryDir dir;
    const QString out = dir.filePath("sample.wpl");
    const Result r = run(QStringLiteral(VARN_GENERATOR),
                         {"--instances", "40", "--lodculls", "6", "--others", "5", "--names",
                          QStringLiteral(VARN_NAMES), "--hash-table", "--seed", "1", out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(out), readFile(kSample)) << "run scripts/make-sample.sh";
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
