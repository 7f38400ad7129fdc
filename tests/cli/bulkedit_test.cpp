// set and transform: bulk edits of the sample's rows, read back through dump.

#include "toolrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cmath>

using namespace varn::test;

namespace {

constexpr int kPosX = 1, kPosY = 2, kPosZ = 3, kRotX = 4, kRotZ = 6, kRotW = 7, kModel = 8,
              kLod = 10;

// The rows of one section (in dump's tab order: 0 is first, 9 sixth) and of its side list.
struct Section {
    QJsonArray rows;
    QJsonArray side;
    [[nodiscard]] double number(int row, int column) const {
        return rows[row].toArray()[column].toString().toDouble();
    }
    [[nodiscard]] QString text(int row, int column) const {
        return rows[row].toArray()[column].toString();
    }
};

Section dumpSection(const QString& path, int tabIndex) {
    const Result r = tool({"dump", "--hash-table", path});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject section =
        QJsonDocument::fromJson(r.out).object()["sections"].toArray()[tabIndex].toObject();
    return {section["rows"].toArray(), section["side"].toArray()};
}

class BulkEdit : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(name); }
    // Runs the tool and expects success with "N rows changed" and nothing on stderr.
    int changed(const QStringList& arguments) const {
        const Result r = tool(arguments);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        EXPECT_TRUE(r.out.endsWith(" rows changed\n")) << r.out.toStdString();
        return r.out.split(' ').value(0).toInt();
    }
    QTemporaryDir dir_;
};

TEST_F(BulkEdit, SetChangesTheRowsEveryQueryChooses) {
    const Section before = dumpSection(kSample, 0);
    EXPECT_EQ(changed({"set", "--section", "0", "--hash-table", "--where", "LOD = -1", "Pos Z+=0.5",
                       "pos y -= 1", kSample, path("out.wpl")}),
              [&] {
                  int rows = 0;
                  for (int row = 0; row < before.rows.size(); ++row)
                      rows += before.text(row, kLod) == u"-1";
                  return rows;
              }());
    const Section after = dumpSection(path("out.wpl"), 0);
    ASSERT_EQ(after.rows.size(), before.rows.size());
    for (int row = 0; row < before.rows.size(); ++row) {
        const double lifted = before.text(row, kLod) == u"-1" ? 0.5 : 0;
        EXPECT_NEAR(after.number(row, kPosZ), before.number(row, kPosZ) + lifted, 1e-3) << row;
        EXPECT_NEAR(after.number(row, kPosY), before.number(row, kPosY) - 2 * lifted, 1e-3) << row;
        EXPECT_EQ(after.text(row, kModel), before.text(row, kModel)) << row;
    }

    // A name brings its hash; several queries must all hold; a row already so is not counted.
    const QStringList twoQueries = {"set",
                                    "--section",
                                    "0",
                                    "--hash-table",
                                    "--where",
                                    "LOD >= 1",
                                    "--where",
                                    "Model name hash ~ TREE",
                                    "Model name hash=lamp_post_01",
                                    "LOD=3"};
    const int count = changed(twoQueries + QStringList{kSample, path("names.wpl")});
    const Section named = dumpSection(path("names.wpl"), 0);
    const QByteArray hash = tool({"hash", "lamp_post_01"}).out.trimmed();
    int expected = 0;
    for (int row = 0; row < before.rows.size(); ++row) {
        const bool chosen = before.number(row, kLod) >= 1 &&
                            before.text(row, kModel).contains(u"tree", Qt::CaseInsensitive);
        expected += chosen;
        EXPECT_EQ(named.text(row, kModel),
                  chosen ? QStringLiteral("lamp_post_01") : before.text(row, kModel));
        if (chosen) {
            EXPECT_EQ(named.side[row].toArray()[1].toString().toUtf8(), hash);
        }
        EXPECT_EQ(named.text(row, kLod), chosen ? QStringLiteral("3") : before.text(row, kLod));
    }
    EXPECT_GT(expected, 0);
    EXPECT_EQ(count, expected);
    EXPECT_EQ(changed({"set", "--section", "0", "--hash-table", "Model name hash=lamp_post_01",
                       path("names.wpl"), path("again.wpl")}),
              before.rows.size() - expected);
}

TEST_F(BulkEdit, RefusalsWriteNothing) {
    struct Case {
        QStringList arguments;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{"set", "--section", "0", "LOD*=0.5"}, 1, "LOD would become -0.5, but it holds whole"},
        {{"set", "--section", "0", "Unkn1-=5000"}, 1, "outside its range 0 to 4294967295"},
        {{"set", "--section", "0", "Pos X=abc"}, 1, "\"abc\" does not fit Pos X"},
        {{"set", "--section", "0", "Rot Q=1"}, 2, "section 0 has no column \"Rot Q\""},
        {{"set", "--section", "0", "LOD"}, 2, "\"LOD\" is no assignment"},
        {{"set", "--section", "0", "--where", "LOD", "LOD=1"}, 2, "needs =, !=, <, <=, > or >="},
        {{"set", "--section", "0", "--where", "Pos X > x", "LOD=1"}, 2, "needs a number"},
        {{"set", "--section", "9", "[Modelnames]=a"}, 1, "choose one of model1 to model10"},
        {{"set", "--section", "9", "hash1=7"}, 1, "hash1 follows from its name"},
        {{"set", "LOD=1"}, 2, "--section N"},
        {{"transform", "--section", "9", "--rotate", "90"}, 1, "can be moved but not turned"},
        {{"transform", "--section", "2", "--move", "1,0,0"}, 1, "sections 0 and 9"},
        {{"transform", "--section", "0", "--move", "1,0"}, 2, "--move takes 3 numbers"},
        {{"transform", "--section", "0", "--rotate", "90", "--pivot", "middle"}, 2, "--pivot"},
        {{"transform", "--section", "0"}, 2, "Give --move DX,DY,DZ, --rotate DEGREES"},
    };
    for (const Case& c : cases) {
        const Result r = tool(c.arguments + QStringList{kSample, path("out.wpl")});
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.exitCode, c.exitCode) << what;
        EXPECT_TRUE(r.out.isEmpty()) << what;
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << what << ": " << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("out.wpl"))) << what;
    }
}

TEST_F(BulkEdit, TransformTurnsAboutThePivotAndTheInverseChoiceTurnsTheOtherWay) {
    // Orientations set to the identity first, so that the turned ones can be told by hand.
    const QStringList identity = {"Rot X=0", "Rot Y=0", "Rot Z=0", "Rot W=1"};
    changed(QStringList{"set", "--section", "0"} + identity + QStringList{kSample, path("id.wpl")});
    const Section before = dumpSection(path("id.wpl"), 0);
    for (const bool inverse : {false, true}) {
        QStringList arguments = {"transform", "--section", "0",    "--where",
                                 "LOD = -1",  "--rotate",  "90",   "--pivot",
                                 "100,-50",   "--move",    "0,0,2"};
        if (inverse) arguments << "--inverse";
        changed(arguments + QStringList{path("id.wpl"), path("turned.wpl")});
        const Section after = dumpSection(path("turned.wpl"), 0);
        for (int row = 0; row < before.rows.size(); ++row) {
            const bool chosen = before.text(row, kLod) == u"-1";
            const double x = before.number(row, kPosX), y = before.number(row, kPosY);
            // A quarter turn counter-clockwise: (x, y) → (100 - (y + 50), -50 + (x - 100)).
            EXPECT_NEAR(after.number(row, kPosX), chosen ? 100 - (y + 50) : x, 1e-3) << row;
            EXPECT_NEAR(after.number(row, kPosY), chosen ? -50 + (x - 100) : y, 1e-3) << row;
            EXPECT_NEAR(after.number(row, kPosZ), before.number(row, kPosZ) + (chosen ? 2 : 0),
                        1e-3);
            const QString rotZ = !chosen ? "0.0" : inverse ? "-0.7071068" : "0.7071068";
            EXPECT_EQ(after.text(row, kRotZ), rotZ) << row;
            EXPECT_EQ(after.text(row, kRotW), chosen ? "0.7071068" : "1.0") << row;
            EXPECT_EQ(after.text(row, kRotX), "0.0") << row;
        }
    }
    // The opposite turn about the same point returns every row.
    changed({"transform", "--section", "0", "--rotate", "-37.5", "--pivot", "each", path("id.wpl"),
             path("each.wpl")});
    changed({"transform", "--section", "0", "--rotate", "37.5", "--pivot", "each", path("each.wpl"),
             path("back.wpl")});
    const Section back = dumpSection(path("back.wpl"), 0);
    for (int row = 0; row < before.rows.size(); ++row)
        for (int column = kPosX; column <= kRotW; ++column)
            EXPECT_NEAR(back.number(row, column), before.number(row, column), 1e-5) << row;
}

TEST_F(BulkEdit, TransformMovesBothCornersOfBoxes) {
    const Section before = dumpSection(kSample, 5);
    EXPECT_EQ(changed({"transform", "--section", "9", "--where", "unkn int != -1", "--move",
                       "40,-0.5,1e2", kSample, path("boxes.wpl")}),
              [&] {
                  int rows = 0;
                  for (int row = 0; row < before.rows.size(); ++row)
                      rows += before.text(row, 7) != u"-1";
                  return rows;
              }());
    const Section after = dumpSection(path("boxes.wpl"), 5);
    const double offset[] = {40, -0.5, 100, 40, -0.5, 100};
    for (int row = 0; row < before.rows.size(); ++row)
        for (int corner = 0; corner < 6; ++corner) {
            const double moved = before.text(row, 7) != u"-1" ? offset[corner] : 0;
            EXPECT_NEAR(after.number(row, 1 + corner), before.number(row, 1 + corner) + moved,
                        1e-3);
        }
    EXPECT_EQ(after.side, before.side);
}

}  // namespace
