// Rows sorted by a column: numbers by value with the rows that hold none last, texts without
// regard to letter case, ties in file order; the one-by-one comparison agrees with the sort.

#include "document.h"
#include "rowsort.h"
#include "tablerows.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace varn {
namespace {

using Rows = std::vector<int>;

constexpr int kPosXColumn = 1, kModelColumn = 8, kLodColumn = 10;

struct Case {
    const char* what;
    int column;
    bool descending;
    Rows order;
};

class RowSort : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        // Pos X, ..., model name, Unkn1, LOD. Row 5's Pos X is an edited text.
        // clang-format off
        test::fillRows(points(), {
            {"2.0", "0.0", "0.0", "0.0", "0.0", "0.0", "1.0", "rock", "384", "-1"},
            {"-1.0", "0.0", "0.0", "0.0", "0.0", "0.0", "1.0", "Big_Tree", "384", "3"},
            {"NAN", "0.0", "0.0", "0.0", "0.0", "0.0", "1.0", "big_tree", "384", "-1"},
            {"10.0", "0.0", "0.0", "0.0", "0.0", "0.0", "1.0", "Apple", "384", "0"},
            {"2.0", "0.0", "0.0", "0.0", "0.0", "0.0", "1.0", "rock", "384", "7"},
            {"0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "1.0", "Zeta", "384", "-5"},
        });
        // clang-format on
        points().setCellText(5, 0, QStringLiteral("3.5"));
    }
    SectionTable& points() { return document_.table(0); }

    Document document_;
};

TEST_P(RowSort, OrdersTheRows) {
    const Case& c = GetParam();
    const RowOrder order{c.column, c.descending};
    Rows rows(6);
    std::iota(rows.rbegin(), rows.rend(), 0);  // any order in: the result is the same
    sortRows(points(), order, rows);
    EXPECT_EQ(rows, c.order);
    // Placing rows one by one among sorted ones gives the same order.
    const RowComparer comparer(points(), order);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = 0; j < rows.size(); ++j)
            EXPECT_EQ(comparer.before(rows[i], rows[j]), i < j) << rows[i] << " " << rows[j];
}

INSTANTIATE_TEST_SUITE_P(
    Columns, RowSort,
    ::testing::Values(
        Case{"numbers, NaN last, ties by row", kPosXColumn, false, {1, 0, 4, 5, 3, 2}},
        Case{"numbers descending, NaN still last", kPosXColumn, true, {3, 5, 0, 4, 1, 2}},
        Case{"names without letter case", kModelColumn, false, {3, 1, 2, 0, 4, 5}},
        Case{"names descending, ties by row", kModelColumn, true, {5, 0, 4, 1, 2, 3}},
        Case{"signed integers", kLodColumn, false, {5, 0, 2, 3, 1, 4}},
        Case{"row numbers descending", 0, true, {5, 4, 3, 2, 1, 0}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::to_string(info.index); });

TEST(RowSortColumns, NamesAndStringsSortAsTexts) {
    const SectionLayout& points = *sectionLayout(0);
    EXPECT_TRUE(sortsAsNumbers(points, 0));
    EXPECT_TRUE(sortsAsNumbers(points, kPosXColumn));
    EXPECT_FALSE(sortsAsNumbers(points, kModelColumn));
    const SectionLayout& boxes = *sectionLayout(9);
    EXPECT_FALSE(sortsAsNumbers(boxes, boxes.cellOf("[Modelnames]") + 1));
}

}  // namespace
}  // namespace varn
