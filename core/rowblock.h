#pragma once

// Rows made outside a table (read from an interchange file, pasted) on their way into one as
// a single change: the block of sectiontable.h, built row by row.

#include "sectiontable.h"

#include <QString>

#include <vector>

namespace varn {

// Gives a row the text for a cell, making room for the edits of every row (up to that one).
void setBlockCellText(RowBlock& block, int cellCount, int row, int cell, const QString& text);
// first, first + 1, ... count positions: where rows appended or put in one run stand.
[[nodiscard]] std::vector<int> consecutiveRows(int first, int count);
// The block's rows after the table's own.
void appendTableRows(SectionTable& table, RowBlock&& block);
// The block's rows in place of every row of the table.
void replaceTableRows(SectionTable& table, RowBlock&& block);

}  // namespace varn
