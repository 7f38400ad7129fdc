// Pairing the rows of two tables: added, removed and changed rows of the shortest edit script.

#include "rowalignment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varn {
namespace {

using Kind = RowChange::Kind;

// Rows are the letters of the strings.
RowAlignment align(const std::string& a, const std::string& b, int maxEdits = 4096) {
    return alignRows(
        static_cast<int>(a.size()), static_cast<int>(b.size()),
        [&](int i, int j) { return a[i] == b[j]; }, maxEdits);
}

TEST(RowAlignment, ShortestScriptsWithChangedPairs) {
    const struct {
        std::string a;
        std::string b;
        std::vector<RowChange> expected;
    } cases[] = {
        {"abc", "abc", {}},
        {"", "", {}},
        {"abc", "aXc", {{Kind::Changed, 1, 1}}},
        {"abc", "ac", {{Kind::Removed, 1, -1}}},
        {"ac", "abc", {{Kind::Added, -1, 1}}},
        {"abcdef", "bcdefg", {{Kind::Removed, 0, -1}, {Kind::Added, -1, 5}}},
        {"", "xy", {{Kind::Added, -1, 0}, {Kind::Added, -1, 1}}},
        {"xy", "", {{Kind::Removed, 0, -1}, {Kind::Removed, 1, -1}}},
        {"abcd", "aXYd", {{Kind::Changed, 1, 1}, {Kind::Changed, 2, 2}}},
        {"abcd", "aXYZd", {{Kind::Changed, 1, 1}, {Kind::Changed, 2, 2}, {Kind::Added, -1, 3}}},
        {"aaaa", "aaXaa", {{Kind::Added, -1, 2}}},
    };
    for (const auto& c : cases) {
        const RowAlignment alignment = align(c.a, c.b);
        EXPECT_EQ(alignment.changes, c.expected) << c.a << " / " << c.b;
        EXPECT_FALSE(alignment.byPosition);
    }
}

// One removed row in a long table is one change, not a shifted tail.
TEST(RowAlignment, RemovedRowInALongTable) {
    std::vector<int> a(100000);
    for (int i = 0; i < 100000; ++i)
        a[i] = i;
    std::vector<int> b = a;
    b.erase(b.begin() + 500);
    b[70000] = -1;
    const RowAlignment alignment =
        alignRows(100000, 99999, [&](int i, int j) { return a[i] == b[j]; });
    const std::vector<RowChange> expected = {{Kind::Removed, 500, -1},
                                             {Kind::Changed, 70001, 70000}};
    EXPECT_EQ(alignment.changes, expected);
}

TEST(RowAlignment, TooFarApartComparesByPosition) {
    const RowAlignment alignment = align("abcdef", "ghijklmn", 3);
    EXPECT_TRUE(alignment.byPosition);
    ASSERT_EQ(alignment.changes.size(), 8u);
    EXPECT_EQ(alignment.changes[0], (RowChange{Kind::Changed, 0, 0}));
    EXPECT_EQ(alignment.changes[5], (RowChange{Kind::Changed, 5, 5}));
    EXPECT_EQ(alignment.changes[7], (RowChange{Kind::Added, -1, 7}));
}

}  // namespace
}  // namespace varn
