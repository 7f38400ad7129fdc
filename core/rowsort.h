#pragma once

// The order of a table's rows sorted by one column, as a click on its caption asks: numbers by
// value, texts without regard to letter case. Rows whose cell holds no number (NaN, or an edited
// text that does not convert) come after the numbers either way; rows that tie keep their file
// order, so that sorting again gives the same order.

#include "sectiontable.h"

#include <QString>

#include <span>
#include <vector>

namespace varn {

// A column of the view: 0 is the row number, c > 0 is cell c - 1.
struct RowOrder {
    int column = 0;
    bool descending = false;
};

// Whether a column sorts as numbers: the row number and the numeric cells. Names, strings and
// markers sort as texts.
[[nodiscard]] bool sortsAsNumbers(const SectionLayout& layout, int column);

// Compares rows one pair at a time, each row's value read when asked: for placing a few rows
// among rows already sorted.
class RowComparer {
public:
    RowComparer(const SectionTable& table, RowOrder order);
    // Whether row a comes before row b.
    [[nodiscard]] bool before(int a, int b) const;

private:
    struct Number {
        bool present = false;
        double value = 0;
    };
    [[nodiscard]] Number number(int row) const;

    const SectionTable* table_;
    RowOrder order_;
    bool numbers_;
};

// Sorts the rows (distinct rows of the table, any order) by the column, each row's value read
// once: the order RowComparer gives.
void sortRows(const SectionTable& table, RowOrder order, std::vector<int>& rows);

}  // namespace varn
