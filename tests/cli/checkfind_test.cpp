// check and find, run as scripts run them: output lines, JSON and exit codes.

#include "placementbytes.h"
#include "toolrun.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <limits>

using namespace varn::test;

namespace {

constexpr std::uint32_t kAbc = 3977453403u;  // the name hash of "abc"

InstanceBytes abcAt(float x, float y) {
    return {{x, y, 3}, {0, 0, 0, 1}, kAbc};
}

class ToolFolder : public testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(ToolFolder, CheckLinesAndExitCodes) {
    const QString clean = write("clean.wpl", placementBytes({abcAt(1, 2)}, {}, TableBytes{{"abc", kAbc}}));
    const QString broken = write(
        "broken.wpl",
        placementBytes({abcAt(1, 2), {{1, 2, 3}, {0, 0, 0, 0.5f}, 7}, abcAt(1, 2)},
                       {{{0, 0, std::numeric_limits<float>::infinity(), 1, 1, 1}, {{"abc", 9}}}},
                       TableBytes{{"abc", kAbc}, {"xyz", 1}}));
    const QString noHashes[] = {"--hashes", write("empty.dat", QByteArray(4, '\0'))};
    const QStringList base = {"check", noHashes[0], noHashes[1]};

    Result r = tool(base + QStringList{"--hash-table", clean});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());

    r = tool(base + QStringList{"--hash-table", clean, broken});
    EXPECT_EQ(r.exitCode, 1);
    const QByteArray b = broken.toUtf8();
    EXPECT_EQ(r.out, b + ": name table entry 1: error name-hash-mismatch: The name table gives "
                         "\"xyz\" the hash 1, but the name hashes to 1099665310.\n" +
                         b + ": section 0 row 0: warning duplicate-placement: Row 2 places the "
                             "same model at the same position and orientation.\n" +
                         b + ": section 0 row 1: warning rotation-not-unit: The rotation "
                             "quaternion has length 0.5, not 1.\n" +
                         b + ": section 0 row 2: warning duplicate-placement: Row 0 places the "
                             "same model at the same position and orientation.\n" +
                         b + ": section 9 row 0: error position-not-finite: Z1 is INF: the box "
                             "corners are not finite points.\n" +
                         b + ": section 9 row 0: error name-hash-mismatch: model1 \"abc\" hashes "
                             "to 3977453403, but hash1 holds 9.\n");

    // Only errors: still something; notes: the model no one names appears.
    r = tool(base + QStringList{"--level", "error", "--hash-table", broken});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out.count('\n'), 3);
    r = tool(base + QStringList{"--level", "note", "--hash-table", broken});
    EXPECT_TRUE(r.out.contains(": section 0 row 1: note unknown-model: "));
    EXPECT_EQ(r.out.count('\n'), 7);
    // Without --hash-table the table is neither read nor checked, so abc is unknown too.
    r = tool(base + QStringList{"--level", "note", broken});
    EXPECT_EQ(r.out.count("unknown-model"), 3);
    EXPECT_FALSE(r.out.contains("name table entry"));

    r = tool(base + QStringList{"--level", "error", clean});
    EXPECT_EQ(r.exitCode, 0);
    r = tool(base + QStringList{clean, path("missing.wpl")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_TRUE(r.err.contains("missing.wpl"));
    r = tool(base + QStringList{"--level", "fatal", clean});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(tool({"check"}).exitCode, 2);
}

TEST_F(ToolFolder, CheckJson) {
    const QString broken = write(
        "b.wpl", placementBytes({{{1, 2, 3}, {0, 0, 0, 0}, kAbc}}, {}, TableBytes{{"xyz", 1}}));
    const Result r = tool({"check", "--json", "--hash-table", broken});
    EXPECT_EQ(r.exitCode, 1);
    QJsonParseError error;
    const QJsonArray problems =
        QJsonDocument::fromJson(r.out, &error).object()["problems"].toArray();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    ASSERT_EQ(problems.size(), 2);
    const QJsonObject entry = problems[0].toObject();
    EXPECT_EQ(entry["entry"].toInt(), 0);
    EXPECT_FALSE(entry.contains("section"));
    EXPECT_EQ(entry["code"].toString(), "name-hash-mismatch");
    const QJsonObject row = problems[1].toObject();
    EXPECT_EQ(row["file"].toString(), broken);
    EXPECT_EQ(row["section"].toInt(), 0);
    EXPECT_EQ(row["row"].toInt(), 0);
    EXPECT_EQ(row["level"].toString(), "error");
    EXPECT_EQ(row["sentence"].toString(), "The rotation quaternion is zero: it is no rotation.");
    const Result clean = tool({"check", "--json", "--level", "error", write("c.wpl", placementBytes({abcAt(0, 0)}))});
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_EQ(clean.out, "{\"problems\": []}\n");
}

TEST_F(ToolFolder, FindOverAFolder) {
    write("map/a.wpl", placementBytes({abcAt(1.5f, 2), abcAt(400, 400)},
                                      {{{0, 0, 0, 2, 4, 6}, {{"ABC", kAbc}}}}));
    write("map/sub/b.xpl", placementBytes({{{0, 0, 0}, {0, 0, 0, 1}, 5}, abcAt(-1, -2)}, {}, {},
                                          true));
    write("map/sub/c.wpl", QByteArray("not a placement file"));
    write("map/d.WPL", placementBytes({{{7, 8, 9}, {0, 0, 0, 1}, 77}}, {},
                                      TableBytes{{"abc", 77}}));
    write("map/notes.txt", placementBytes({abcAt(0, 0)}));
    const QString root = path("map");
    const QStringList noHashes = {"--hashes", write("empty.dat", QByteArray(4, '\0'))};

    Result r = tool(QStringList{"find", "--model", "abc"} + noHashes + QStringList{root});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray m = root.toUtf8();
    EXPECT_EQ(r.out, m + "/a.wpl\t0\t0\t[hash:3977453403]\t1.5\t2.0\t3.0\n" + m +
                         "/a.wpl\t0\t1\t[hash:3977453403]\t400.0\t400.0\t3.0\n" + m +
                         "/a.wpl\t9\t0\tABC\t1.0\t2.0\t3.0\n" + m +
                         "/d.WPL\t0\t0\tabc\t7.0\t8.0\t9.0\n" + m +
                         "/sub/b.xpl\t0\t1\t[hash:3977453403]\t-1.0\t-2.0\t3.0\n");
    EXPECT_EQ(r.err.count('\n'), 1);
    // Messages name a file with the system's separators.
    EXPECT_TRUE(r.err.contains(QDir::toNativeSeparators("sub/c.wpl").toUtf8())) << r.err.toStdString();

    r = tool(QStringList{"find", "--hash", "3977453403", "--near", "0,0,3", "--json"} + noHashes +
             QStringList{root});
    EXPECT_EQ(r.exitCode, 0);
    const QJsonArray hits = QJsonDocument::fromJson(r.out).object()["hits"].toArray();
    ASSERT_EQ(hits.size(), 3);
    EXPECT_EQ(hits[2].toObject()["file"].toString(), root + "/sub/b.xpl");
    EXPECT_EQ(hits[2].toObject()["row"].toInt(), 1);
    EXPECT_EQ(hits[2].toObject()["x"].toString(), "-1.0");

    r = tool(QStringList{"find", "--hash", "[hash:6]"} + noHashes + QStringList{root});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    // Usage errors and a path that does not exist.
    EXPECT_EQ(tool({"find", root}).exitCode, 2);
    EXPECT_EQ(tool({"find", "--model", "abc", "--hash", "1", root}).exitCode, 2);
    EXPECT_EQ(tool({"find", "--hash", "-1", root}).exitCode, 2);
    EXPECT_EQ(tool({"find", "--model", "abc", "--near", "1,2", root}).exitCode, 2);
    r = tool({"find", "--model", "abc", root, path("nowhere")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("nowhere"));
    EXPECT_FALSE(r.out.isEmpty()) << "the paths that exist are still searched";
}

}  // namespace
