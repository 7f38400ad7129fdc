// export, build, import and diff of the command-line tool: exact round trips on the sample and
// on generated files, diff's exit codes, and bad input that writes nothing.

#include "toolrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace varn::test {
namespace {

const int kSections[] = {0, 2, 3, 4, 8, 9, 10, 15};

class Interchange : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    // A generated file full of edge values and names of the full field width.
    QString generated(const QString& name, bool table) {
        QStringList arguments = {"--instances",
                                 "60",
                                 "--lodculls",
                                 "9",
                                 "--others",
                                 "12",
                                 "--edge-values",
                                 "--seed",
                                 "5",
                                 "--names",
                                 QStringLiteral(VARN_NAMES)};
        if (table) arguments << "--hash-table";
        const Result r = run(QStringLiteral(VARN_GENERATOR), arguments << path(name));
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return path(name);
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Each case's files, whatever options they are exported with.
    std::vector<std::pair<QString, QStringList>> cases() {
        return {{kSample, {}},
                {kSample, {"--hash-table"}},
                {generated("edge.wpl", true), {}},
                {generated("edge.xpl", true), {"--hash-table"}},
                {generated("plain.xpl", false), {}}};
    }

    QTemporaryDir dir_;
};

TEST_F(Interchange, ExportThenBuildReproducesTheFile) {
    for (const auto& [file, options] : cases()) {
        const QString json = path("out.json");
        const QString built = path(file.endsWith("xpl") ? "built.xpl" : "built.wpl");
        Result r = tool(QStringList{"export"} + options + QStringList{"-o", json, file});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        r = tool(QStringList{"build"} + options + QStringList{json, built});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(readFile(built), readFile(file))
            << file.toStdString() << options.join(' ').toStdString();
    }
}

// The generated files hold names of the full field width with bytes past ASCII (0x80 is the
// Euro sign): their stored hashes are those of the names as the file holds them.
TEST_F(Interchange, GeneratedEdgeNamesCarryTheirOwnHashes) {
    const Result r = tool({"check", "--level", "error", "--hash-table", generated("e.wpl", true)});
    EXPECT_TRUE(r.out.contains("position-not-finite")) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains("name-hash-mismatch")) << r.out.toStdString();
}

TEST_F(Interchange, CsvOfASectionImportedBackReproducesTheFile) {
    for (const auto& [file, options] : cases()) {
        const QString out = path(file.endsWith("xpl") ? "out.xpl" : "out.wpl");
        for (int section : kSections) {
            const QString n = QString::number(section);
            const Result exported =
                tool(QStringList{"export", "--section", n} + options + QStringList{file});
            ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
            write("s.csv", exported.out);
            const Result r = tool(QStringList{"import", "--section", n} + options +
                                  QStringList{path("s.csv"), file, out});
            ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
            EXPECT_EQ(readFile(out), readFile(file))
                << file.toStdString() << " section " << section;
        }
    }
}

TEST_F(Interchange, AppendAddsTheRowsAfterTheSectionsOwn) {
    ASSERT_EQ(tool({"export", "--section", "10", "-o", path("s.csv"), kSample}).exitCode, 0);
    ASSERT_EQ(tool({"import", "--append", "--section", "10", path("s.csv"), kSample, path("a.wpl")})
                  .exitCode,
              0);
    const Result diff = tool({"diff", "--json", kSample, path("a.wpl")});
    EXPECT_EQ(diff.exitCode, 1);
    const QJsonObject sections = QJsonDocument::fromJson(diff.out).object()["sections"].toObject();
    ASSERT_EQ(sections.keys(), QStringList{"10"});
    const QJsonArray changes = sections["10"].toObject()["changes"].toArray();
    ASSERT_EQ(changes.size(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(changes[i].toObject()["added"].toInt(), 5 + i);
}

TEST_F(Interchange, DiffExitCodesAndChangedCells) {
    const QString edge = generated("edge.wpl", true);
    ASSERT_EQ(tool({"convert", edge, path("edge.xpl")}).exitCode, 0);
    EXPECT_EQ(tool({"diff", kSample, kSample}).exitCode, 0);
    Result same = tool({"diff", edge, path("edge.xpl")});
    EXPECT_EQ(same.exitCode, 1) << "convert writes no name table";
    EXPECT_TRUE(
        same.out.startsWith("hash table: only in the first file; 0 entries added, 13 removed\n"))
        << same.out.toStdString();
    EXPECT_EQ(same.out.count('\n'), 14);
    const QByteArray statueHash = tool({"hash", "sample_only_statue"}).out;
    EXPECT_TRUE(same.out.endsWith("  - \"sample_only_statue\" " + statueHash))
        << same.out.toStdString();

    ASSERT_EQ(tool({"export", "--section", "2", "-o", path("s.csv"), edge}).exitCode, 0);
    QByteArray csv = readFile(path("s.csv"));
    const qsizetype line = csv.indexOf('\n') + 1;
    csv.replace(line, csv.indexOf(',', line) - line, "nan:0x7fc00002");  // row 0, unkn1
    write("s.csv", csv);
    ASSERT_EQ(tool({"import", "--section", "2", path("s.csv"), edge, path("c.wpl")}).exitCode, 0);
    const Result changed = tool({"diff", edge, path("c.wpl")});
    EXPECT_EQ(changed.exitCode, 1);
    EXPECT_TRUE(
        changed.out.startsWith("section 2: 1 changed, 0 added, 0 removed\n  ~ row 0: unkn1 "))
        << changed.out.toStdString();
    EXPECT_TRUE(changed.out.endsWith(" \xE2\x86\x92 \"nan:0x7fc00002\"\n"))
        << changed.out.toStdString();

    for (const QStringList& arguments :
         {QStringList{"diff", kSample, path("missing.wpl")}, QStringList{"diff", kSample},
          QStringList{"diff", "--bogus", kSample, kSample}}) {
        const Result r = tool(arguments);
        EXPECT_EQ(r.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    }
}

// Every failure: one line on stderr naming the file, nothing on stdout, OUT as it was.
TEST_F(Interchange, BadInputWritesNothing) {
    ASSERT_EQ(tool({"export", "-o", path("good.json"), kSample}).exitCode, 0);
    QByteArray json = readFile(path("good.json"));
    write("bad.json", QByteArray(json).replace("\"Unkn1\": 384", "\"Unkn1\": -384"));
    write("zero.json", QByteArray(json).replace("\"Unkn1\": 384", "\"Unkn1\": 0384"));
    write("stray.json", json + "}");
    write("bad.csv", "Pos X\n1\n");
    const QString utf16 = QStringLiteral("\uFEFFunkn1,str\r\n");
    write("utf16.csv", QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2));
    write("little.xpl", readFile(kSample));
    write("out.wpl", "untouched");
    const struct {
        QStringList arguments;
        const char* expected;
    } cases[] = {
        {{"build", path("bad.json"), path("out.wpl")}, "bad.json\": line "},
        {{"build", path("missing.json"), path("out.wpl")}, "Cannot open file"},
        {{"build", path("zero.json"), path("out.wpl")}, "\"0384\" is not an integer"},
        {{"build", path("stray.json"), path("out.wpl")},
         "(at .): unexpected \"}\" after the end of the document."},
        {{"convert", path("little.xpl"), path("out.wpl")},
         "; read as little-endian it would load: is it a .wpl file?"},
        {{"import", "--section", "15", path("utf16.csv"), kSample, path("out.wpl")},
         "utf16.csv\": line 1, column 1: the file is not UTF-8 text but UTF-16"},
        {{"import", "--section", "0", path("bad.csv"), kSample, path("out.wpl")},
         "bad.csv\": line 1, column 1: the column \"Pos Y\" is missing"},
        {{"import", "--section", "1", path("bad.csv"), kSample, path("out.wpl")}, "--section must"},
        {{"import", path("bad.csv"), kSample, path("out.wpl")}, "--section N"},
        {{"export", "--format", "csv", kSample}, "--section N"},
        {{"export", "--format", "xml", kSample}, "json or csv"},
        {{"export", "--section", "2", "--format", "json", kSample}, "--format csv"},
        {{"export", "-o", path("no/such/folder/x.json"), kSample}, "Cannot create file"},
    };
    for (const auto& c : cases) {
        const Result r = tool(c.arguments);
        const std::string shown = c.arguments.join(' ').toStdString();
        EXPECT_NE(r.exitCode, 0) << shown;
        EXPECT_TRUE(r.out.isEmpty()) << shown;
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.expected)) << shown << ": " << r.err.toStdString();
        EXPECT_EQ(readFile(path("out.wpl")), "untouched") << shown;
    }
}

TEST_F(Interchange, FormatFollowsTheOutputName) {
    ASSERT_EQ(tool({"export", "--section", "8", "-o", path("s8.csv"), kSample}).exitCode, 0);
    ASSERT_EQ(tool({"export", "--section", "8", kSample}).out, readFile(path("s8.csv")));
    EXPECT_TRUE(readFile(path("s8.csv")).startsWith("unkn1,unkn2,unkn3,unkn4,unkn5,"));
}

}  // namespace
}  // namespace varn::test
