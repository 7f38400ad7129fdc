// The search over many files: the walk over folders, the matches by name and by hash, a file
// that cannot be read, and the threads' reports.

#include "filesearch.h"
#include "namehash.h"
#include "placementbytes.h"
#include "testfiles.h"

#include <QDir>

using namespace varn;
using namespace varn::test;

namespace {

const std::uint32_t kTree = nameHash(u"tree");
// A model whose stored hash is not the hash of its name; only a file's own table names it.
constexpr std::uint32_t kStatue = 424242;

InstanceBytes at(float x, float y, std::uint32_t hash) {
    return {{x, y, 5}, {0, 0, 0, 1}, hash};
}

// a.wpl, sub/b.XPL (big-endian), sub/c.wpl (malformed), d.wpl (a table names the statue),
// e.txt (not searched).
class SearchFolder : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(root()).mkpath(QStringLiteral("sub")));
        folder_.write("a.wpl", placementBytes({at(0, 0, 1), at(10, 0, kTree), at(0, 0, 2),
                                               at(100, 100, kTree)},
                                              {{{0, 0, 0, 2, 2, 2}, {{"bush", 3}, {"TREE", kTree}}},
                                               {{50, 50, 0, 52, 52, 2}, {{"bush", 3}}}}));
        folder_.write("sub/b.XPL", placementBytes({at(1, 2, kTree)}, {}, {}, true));
        folder_.write("sub/c.wpl", placementBytes({at(1, 2, kTree)}).left(80));
        folder_.write("d.wpl", placementBytes({at(3, 4, kStatue), at(0, 0, kTree)}, {},
                                              TableBytes{{"statue", kStatue}}));
        folder_.write("e.txt", placementBytes({at(1, 2, kTree)}));
    }
    QString root() const { return folder_.path(QString()); }
    QString file(const QString& name) const { return root() + u'/' + name; }

    // "file:section:row:model:x:y:z" of each hit, the file relative to the folder.
    std::vector<std::string> find(const FileSearchQuery& query,
                                  std::vector<FileSearchProblem>* problems = nullptr) const {
        std::vector<FileSearchProblem> found;
        const QStringList files = listPlacementFiles({root()});
        std::vector<std::string> out;
        for (const FileSearchHit& hit : searchFiles(files, query, nullptr, found))
            out.push_back(QDir(root()).relativeFilePath(hit.file).toStdString() + ":" +
                          std::to_string(hit.section) + ":" + std::to_string(hit.row) + ":" +
                          hit.model.toStdString() + ":" + std::to_string(int(hit.x)) + ":" +
                          std::to_string(int(hit.y)) + ":" + std::to_string(int(hit.z)));
        if (problems) *problems = found;
        return out;
    }

    TempFolder folder_;
};

TEST_F(SearchFolder, ListsPlacementFilesInAnyCaseSorted) {
    std::vector<FileSearchProblem> problems;
    const QStringList files =
        listPlacementFiles({root(), file("a.wpl"), file("missing")}, &problems);
    QStringList relative;
    for (const QString& f : files)
        relative << QDir(root()).relativeFilePath(f);
    EXPECT_EQ(relative, (QStringList{"a.wpl", "d.wpl", "sub/b.XPL", "sub/c.wpl"}));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].file, file("missing"));
    EXPECT_TRUE(problems[0].message.contains(u"missing"));
    // A file given by name is searched whatever its extension.
    EXPECT_EQ(listPlacementFiles({file("e.txt")}), QStringList{file("e.txt")});
}

TEST_F(SearchFolder, ByNameFindsBothSectionsAndSkipsTheMalformedFile) {
    std::vector<FileSearchProblem> problems;
    FileSearchQuery query;
    query.modelName = QStringLiteral("Tree");
    EXPECT_EQ(find(query, &problems),
              (std::vector<std::string>{"a.wpl:0:1:[hash:" + std::to_string(kTree) + "]:10:0:5",
                                        "a.wpl:0:3:[hash:" + std::to_string(kTree) +
                                            "]:100:100:5",
                                        "a.wpl:9:0:TREE:1:1:1", "d.wpl:0:1:[hash:" +
                                            std::to_string(kTree) + "]:0:0:5",
                                        "sub/b.XPL:0:0:[hash:" + std::to_string(kTree) +
                                            "]:1:2:5"}));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(QDir(root()).relativeFilePath(problems[0].file), QStringLiteral("sub/c.wpl"));
    EXPECT_FALSE(problems[0].message.isEmpty());
}

TEST_F(SearchFolder, ByNameThroughTheFilesOwnTable) {
    FileSearchQuery query;
    query.modelName = QStringLiteral("statue");
    EXPECT_EQ(find(query), (std::vector<std::string>{"d.wpl:0:0:statue:3:4:5"}));
    query = {};
    query.hash = kStatue;
    EXPECT_EQ(find(query), (std::vector<std::string>{"d.wpl:0:0:statue:3:4:5"}));
}

TEST_F(SearchFolder, ByHashAndNearAPoint) {
    FileSearchQuery query;
    query.hash = 3;  // only section 9 names it
    EXPECT_EQ(find(query), (std::vector<std::string>{"a.wpl:9:0:bush:1:1:1",
                                                     "a.wpl:9:1:bush:51:51:1"}));
    query.hasNear = true;
    query.x = 50;
    query.y = 50;
    query.radius = 2;
    EXPECT_EQ(find(query), (std::vector<std::string>{"a.wpl:9:1:bush:51:51:1"}));
    query.hash = kTree;
    query.x = 10;
    query.y = 1;
    query.radius = 1;  // (10, 0) lies on the circle
    EXPECT_EQ(find(query).size(), 1u);
    query.radius = 0.99;
    EXPECT_TRUE(find(query).empty());
}

TEST_F(SearchFolder, DictionaryNamesTheHits) {
    HashDictionary dictionary;
    dictionary.baseEntries = {{"tree", kTree}, {"TallTree", 77}};
    FileSearchQuery query;
    query.modelName = QStringLiteral("talltree");  // the dictionary's hash for it, too
    std::vector<FileSearchHit> hits;
    QString error;
    ASSERT_TRUE(FileSearch::searchFile(file("a.wpl"), query, &dictionary, hits, error));
    EXPECT_TRUE(hits.empty());
    folder_.write("f.wpl", placementBytes({at(1, 1, 77), at(2, 2, kTree)}));
    ASSERT_TRUE(FileSearch::searchFile(file("f.wpl"), query, &dictionary, hits, error));
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].model, QStringLiteral("TallTree"));
    EXPECT_EQ(hits[0].row, 0);
    EXPECT_FALSE(FileSearch::searchFile(file("sub/c.wpl"), query, &dictionary, hits, error));
    EXPECT_TRUE(error.contains(u"c.wpl"));
}

TEST_F(SearchFolder, ThreadsReportEveryFileOnceAndStopWhenCancelled) {
    const QStringList files = listPlacementFiles({root()});
    FileSearchQuery query;
    query.hash = kTree;
    for (int threads : {1, 3}) {
        std::vector<int> done;
        int hits = 0;
        int problems = 0;
        const int searched = FileSearch(threads).run(
            files, query, nullptr,
            [&](std::vector<FileSearchHit> found, int filesDone, int total) {
                EXPECT_EQ(total, 4);
                done.push_back(filesDone);
                hits += static_cast<int>(found.size());
            },
            [&](const FileSearchProblem&) { ++problems; });
        EXPECT_EQ(searched, 4);
        EXPECT_EQ(done, (std::vector<int>{1, 2, 3, 4}));
        EXPECT_EQ(hits, 5);
        EXPECT_EQ(problems, 1);
    }
    const std::atomic<bool> cancel{true};
    int calls = 0;
    EXPECT_EQ(FileSearch(2).run(
                  files, query, nullptr, [&](std::vector<FileSearchHit>, int, int) { ++calls; },
                  nullptr, &cancel),
              0);
    EXPECT_EQ(calls, 0);
}

}  // namespace
