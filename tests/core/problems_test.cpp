// The problems check: one data row per kind of problem, the clean file, edited cells, the
// duplicate finder against comparing every pair.

#include "duplicateindex.h"
#include "namehash.h"
#include "placementbytes.h"
#include "problems.h"
#include "testfiles.h"

#include <cmath>
#include <limits>

using namespace varn;
using namespace varn::test;

namespace {

const std::uint32_t kTree = nameHash(u"tree");
constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// "section:row:level:code" of each problem, in the order given.
std::vector<std::string> places(const std::vector<Problem>& problems) {
    std::vector<std::string> out;
    for (const Problem& p : problems)
        out.push_back(std::to_string(p.section) + ":" + std::to_string(p.row) + ":" +
                      problemLevelName(p.level).toStdString() + ":" + p.code.toStdString());
    return out;
}

HashDictionary treeDictionary() {
    HashDictionary dictionary;
    dictionary.baseEntries = {{"tree", kTree}};
    return dictionary;
}

struct Case {
    const char* what;
    std::vector<InstanceBytes> instances;
    std::vector<LodCullBytes> lodCulls;
    std::optional<TableBytes> table;
    std::vector<std::string> expected;
    std::string firstSentence;  // empty: not compared
};

class ProblemKinds : public testing::TestWithParam<Case> {};

TEST_P(ProblemKinds, FoundWhereTheyAre) {
    const Case& c = GetParam();
    TempFolder folder;
    HashDictionary dictionary = treeDictionary();
    const Document document =
        loadBytes(folder, "a.wpl", placementBytes(c.instances, c.lodCulls, c.table), dictionary,
                  true);
    const std::vector<Problem> problems = checkPlacementFile(document, &dictionary);
    EXPECT_EQ(places(problems), c.expected);
    if (!c.firstSentence.empty() && !problems.empty()) {
        EXPECT_EQ(problems[0].sentence.toStdString(), c.firstSentence);
    }
}

InstanceBytes tree(float x = 1, float y = 2, float z = 3) {
    return {{x, y, z}, {0, 0, 0, 1}, kTree};
}
InstanceBytes turned(std::array<float, 4> rotation) {
    InstanceBytes r = tree();
    r.rotation = rotation;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProblemKinds,
    testing::Values(
        Case{"clean", {tree(), tree(5, 5, 5)}, {{{0, 0, 0, 1, 1, 1}, {{"tree", kTree}}}},
             TableBytes{{"tree", kTree}}, {}, ""},
        Case{"nan position",
             {tree(), tree(kNan, 2, -kInf)},
             {},
             {},
             {"0:1:error:position-not-finite"},
             "Pos X is NAN, Pos Z is -INF: the position is not a finite point."},
        Case{"infinite box corner",
             {},
             {{{0, 0, 0, 1, kInf, 1}, {}}},
             {},
             {"9:0:error:position-not-finite"},
             "Y2 is INF: the box corners are not finite points."},
        Case{"short quaternion",
             {turned({0, 0, 0, 0.9f})},
             {},
             {},
             {"0:0:warning:rotation-not-unit"},
             "The rotation quaternion has length 0.9, not 1."},
        Case{"quaternion within the tolerance", {turned({0, 0, 0.03f, 0.9995f})}, {}, {}, {}, ""},
        Case{"zero quaternion",
             {turned({0, 0, 0, 0})},
             {},
             {},
             {"0:0:error:rotation-not-unit"},
             "The rotation quaternion is zero: it is no rotation."},
        Case{"quaternion not finite",
             {turned({kNan, 0, 0, 1})},
             {},
             {},
             {"0:0:error:rotation-not-unit"},
             "The rotation quaternion is not finite: it is no rotation."},
        Case{"lodcull hash not of its name",
             {},
             {{{0, 0, 0, 1, 1, 1}, {{"tree", kTree}, {"Tree", 5}}}},
             {},
             {"9:0:error:name-hash-mismatch"},
             "model2 \"Tree\" hashes to " + std::to_string(kTree) + ", but hash2 holds 5."},
        Case{"table entry hash not of its name",
             {},
             {},
             TableBytes{{"tree", kTree}, {"rock", 7}},
             {"-1:1:error:name-hash-mismatch"},
             "The name table gives \"rock\" the hash 7, but the name hashes to " +
                 std::to_string(nameHash(u"rock")) + "."},
        Case{"model nobody names",
             {{{1, 2, 3}, {0, 0, 0, 1}, 12345}},
             {},
             {},
             {"0:0:note:unknown-model"},
             "Neither the dictionary nor the file's name table names the model hash 12345."},
        Case{"model only the file's table names",
             {{{1, 2, 3}, {0, 0, 0, 1}, nameHash(u"statue")}},
             {},
             TableBytes{{"statue", nameHash(u"statue")}},
             {},
             ""},
        Case{"the same placement twice",
             {tree(), tree(9, 9, 9), tree(1.0004f, 2, 3)},
             {},
             {},
             {"0:0:warning:duplicate-placement", "0:2:warning:duplicate-placement"},
             "Row 2 places the same model at the same position and orientation."},
        Case{"the opposite quaternion is the same rotation",
             {turned({0, 0.6f, 0, 0.8f}), turned({0, -0.6f, 0, -0.8f})},
             {},
             {},
             {"0:0:warning:duplicate-placement", "0:1:warning:duplicate-placement"},
             ""},
        Case{"near but not the same",
             {tree(), tree(1.002f, 2, 3), turned({0, 0.0002f, 0, 1}),
              {{1, 2, 3}, {0, 0, 0, 1}, 12345}},
             {},
             TableBytes{{"other", 12345}},
             {"-1:0:error:name-hash-mismatch"},
             ""}));

TEST(ProblemLevels, NamesRoundTrip) {
    for (ProblemLevel level : {ProblemLevel::Note, ProblemLevel::Warning, ProblemLevel::Error})
        EXPECT_EQ(parseProblemLevel(problemLevelName(level)), level);
    EXPECT_EQ(problemLevelName(ProblemLevel::Warning), QStringLiteral("warning"));
    EXPECT_FALSE(parseProblemLevel(u"Error"));
    EXPECT_FALSE(parseProblemLevel(u""));
}

TEST(ProblemLevels, MinimumLeavesOutLowerLevels) {
    TempFolder folder;
    HashDictionary dictionary;
    const Document document = loadBytes(
        folder, "a.wpl",
        placementBytes({{{kNan, 0, 0}, {0, 0, 0, 0.5f}, 1}, tree(), tree()}), dictionary);
    EXPECT_EQ(places(checkPlacementFile(document, &dictionary, ProblemLevel::Error)),
              (std::vector<std::string>{"0:0:error:position-not-finite"}));
    EXPECT_EQ(places(checkPlacementFile(document, &dictionary, ProblemLevel::Warning)),
              (std::vector<std::string>{"0:0:error:position-not-finite",
                                        "0:0:warning:rotation-not-unit",
                                        "0:1:warning:duplicate-placement",
                                        "0:2:warning:duplicate-placement"}));
    // Without a dictionary every model is unknown.
    EXPECT_EQ(checkPlacementFile(document, nullptr).size(), 7u);
}

TEST(CheckRows, EditedCellsCountAsSavingWritesThem) {
    TempFolder folder;
    HashDictionary dictionary = treeDictionary();
    Document document =
        loadBytes(folder, "a.wpl", placementBytes({tree(), tree(5, 5, 5), tree(7, 7, 7)}),
                  dictionary);
    EXPECT_TRUE(checkPlacementFile(document, &dictionary).empty());
    SectionTable& table = document.table(0);
    table.setCellText(1, 0, QStringLiteral("NAN"));
    table.setCellText(2, 0, QStringLiteral("1.0"));
    table.setCellText(2, 1, QStringLiteral("2.0"));
    table.setCellText(2, 2, QStringLiteral("3.0"));
    // Row 2 moved onto row 0: both rows' problems come with it.
    const std::vector<Problem> rows = checkRows(document, &dictionary, 0, {2, 1, 2, 99});
    EXPECT_EQ(places(rows), (std::vector<std::string>{"0:0:warning:duplicate-placement",
                                                      "0:1:error:position-not-finite",
                                                      "0:2:warning:duplicate-placement"}));
    EXPECT_EQ(rows[0].relatedRow, 2);
    EXPECT_EQ(rows[2].relatedRow, 0);
    EXPECT_EQ(rows, checkPlacementFile(document, &dictionary));
}

TEST(CheckRows, LodCullAndTableRows) {
    TempFolder folder;
    HashDictionary dictionary;
    Document document = loadBytes(
        folder, "a.wpl",
        placementBytes({}, {{{0, 0, 0, 1, 1, 1}, {{"tree", kTree}}}, {{}, {{"rock", 1}}}},
                       TableBytes{{"a", 1}, {"b", nameHash(u"b")}}),
        dictionary, true);
    EXPECT_EQ(places(checkRows(document, &dictionary, 9, {1, 0})),
              (std::vector<std::string>{"9:1:error:name-hash-mismatch"}));
    EXPECT_EQ(places(checkRows(document, &dictionary, kAppendedTableSection, {0, 1, 2})),
              (std::vector<std::string>{"-1:0:error:name-hash-mismatch"}));
    // An edited name is hashed as typed.
    document.table(9).setCellText(0, document.table(9).layout().namedHashes[0].nameCell,
                                  QStringLiteral("bush"));
    EXPECT_EQ(checkRows(document, &dictionary, 9, {0}).size(), 1u);
    EXPECT_TRUE(checkRows(document, &dictionary, 4, {0}).empty());
}

// Points in clusters on and near the cells' borders, compared with every pair.
TEST(DuplicateIndex, FindsWhatComparingEveryPairFinds) {
    std::vector<Placement> placements;
    std::uint64_t state = 3;
    auto next = [&] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>(state >> 33);
    };
    for (int i = 0; i < 3000; ++i) {
        Placement p;
        const float base = 0.2371f * static_cast<float>(next() % 40);
        for (float& v : p.position)
            v = base + static_cast<float>(next() % 9 - 4) * 0.0004f;
        p.rotation[3] = 1 - static_cast<float>(next() % 3) * 0.00006f;
        p.model = static_cast<std::uint32_t>(next() % 3);
        placements.push_back(p);
    }
    placements[7].position[1] = kNan;  // never anyone's twin
    const DuplicateIndex index(
        {reinterpret_cast<const char*>(placements.data()), sizeof(Placement), placements.size()});
    int withTwins = 0;
    for (std::size_t row = 0; row < placements.size(); ++row) {
        std::vector<std::int64_t> expected;
        for (std::size_t other = 0; other < placements.size(); ++other)
            if (other != row && isSamePlacement(placements[row], placements[other]))
                expected.push_back(static_cast<std::int64_t>(other));
        ASSERT_EQ(index.twins(static_cast<std::int64_t>(row)), expected) << row;
        EXPECT_EQ(index.firstTwin(static_cast<std::int64_t>(row)),
                  expected.empty() ? -1 : expected.front());
        withTwins += expected.empty() ? 0 : 1;
    }
    // The data has both kinds of rows.
    EXPECT_GT(withTwins, 100);
    EXPECT_LT(withTwins, 2900);
}

TEST(DuplicateIndex, SamePlacementLimits) {
    Placement a;
    a.rotation[3] = 1;
    Placement b = a;
    b.position[0] = 0.0009f;
    EXPECT_TRUE(isSamePlacement(a, b));
    b.position[1] = 0.0009f;  // 0.00127 apart in all
    EXPECT_FALSE(isSamePlacement(a, b));
    b = a;
    b.rotation[3] = 1 - 0.00009f;
    EXPECT_TRUE(isSamePlacement(a, b));
    b.rotation[3] = 1 - 0.00011f;
    EXPECT_FALSE(isSamePlacement(a, b));
    b = a;
    b.model = 1;
    EXPECT_FALSE(isSamePlacement(a, b));
}

}  // namespace
