#pragma once

// Which rows of two tables correspond: the shortest edit script between them (Myers' greedy
// algorithm over rows), with each removed row that is followed by an added one read as a
// changed row. Plain C++.

#include <cstdint>
#include <functional>
#include <vector>

namespace varn {

struct RowChange {
    enum class Kind : std::uint8_t { Changed, Removed, Added };
    Kind kind = Kind::Changed;
    int a = -1;  // the row in the first table (changed and removed)
    int b = -1;  // the row in the second table (changed and added)
    bool operator==(const RowChange&) const = default;
};

struct RowAlignment {
    std::vector<RowChange> changes;  // in row order
    bool byPosition = false;         // more than maxEdits apart: rows were paired by position
};

// equal(i, j) tells whether row i of the first table equals row j of the second. When the
// tables are more than maxEdits single-row insertions and removals apart, rows are compared
// position by position instead (the search would cost maxEdits squared).
[[nodiscard]] RowAlignment alignRows(int countA, int countB,
                                     const std::function<bool(int, int)>& equal,
                                     int maxEdits = 4096);

}  // namespace varn
